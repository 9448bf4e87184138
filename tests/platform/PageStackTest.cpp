#include <gtest/gtest.h>

#include "PlatformTestSupport.h"

namespace korvat::platform {
namespace {

using namespace testing;  // the platform's test support

class PageStack : public testing::DisplayTest {};

TEST_F(PageStack, TopPageShowsAndTakesInputInClientCoordinatesAndAnEndedPageTicksNoMore) {
    RecordingPage main(50), dialog(150);
    int endedTicks = 0;
    runSteps(main, {[&] {
                        runSteps(dialog, {[&] { EXPECT_EQ(screenPixel(120, 150).r, 150); }});
                        dialog.timerScript = [&](int) { ++endedTicks; };
                        EXPECT_EQ(screenPixel(120, 150).r, 50);
                        pushClick(10, kClientTop + 20);
                        pushClick(239, kClientTop + kClientHeight - 1);
                        pushClick(100, 5);   // title bar, not its OK button
                        pushWheel(-1);       // turned towards the user: down the list
                        pushWheel(2);        // away: up
                        pushWheel(1, true);  // a flipped (natural) wheel reports the other sign
                        pushWheel(0);        // sideways only
                    },
                    [] {}, [] {}});  // time for the dialog's step timer to tick if it still ran
    EXPECT_EQ(endedTicks, 0) << "an ended page's timer ticked";
    EXPECT_EQ(main.log, (std::vector<std::string>{"paint", "paint", "down 10,20", "down 239,267",
                                                  "wheel 3", "wheel -6", "wheel 3"}));
}

TEST_F(PageStack, AnOpenedPageIsServedByTheRunningLoopAndTellsItsResultOnceItIsOff) {
    RecordingPage main(50), dialog(150), box(100);
    std::vector<std::string> told;
    const auto tell = [&](const char* name) {
        return [&, name](int result) {
            told.push_back(name + std::to_string(result));
            EXPECT_EQ(display.topPage(), &main) << name << " is still on the stack";
            EXPECT_EQ(screenPixel(120, 150).r, 50) << "the page below was not shown again";
        };
    };
    int dialogTicks = 0;
    dialog.timerScript = [&](int) {
        if (++dialogTicks == 2) {
            dialog.endModal(5);
        }
    };
    runSteps(main, {[&] {
                        display.openModal(dialog, tell("dialog "));
                        EXPECT_EQ(display.topPage(), &dialog);
                        EXPECT_EQ(screenPixel(120, 150).r, 150);
                        pushClick(10, kClientTop + 20);
                        display.setTimer(dialog, 1, 5);
                    },
                    [&] {
                        EXPECT_EQ(told, std::vector<std::string>{"dialog 5"});
                        EXPECT_EQ(dialog.log, (std::vector<std::string>{"paint", "down 10,20"}));
                        display.openModalOver(box, SDL_Rect{20, 20, 100, 50}, tell("box "));
                        EXPECT_EQ(screenPixel(30, kClientTop + 30).r, 100);
                        EXPECT_EQ(screenPixel(10, kClientTop + 10).r, 50) << "beside the area";
                        pushKey(SDLK_ESCAPE);
                    },
                    [] {}, [] {}});  // time for a second call or the dialog's timer
    EXPECT_EQ(told, (std::vector<std::string>{"dialog 5", "box 2"}));
    EXPECT_EQ(dialogTicks, 2) << "the page's timer ticked once it was off";
    EXPECT_EQ(main.log, (std::vector<std::string>{"paint", "paint", "paint"}));
}

TEST_F(PageStack, AQuitOrCloseModalTakesAnOpenedPageOffWithoutTellingItsOwner) {
    RecordingPage main(50), dialog(150);
    bool told = false;
    const auto tell = [&](int) { told = true; };
    const int result = runSteps(main, {[&] {
                                           display.openModal(dialog, tell);
                                           dialog.endModal(3);
                                           display.closeModal(dialog);
                                           EXPECT_EQ(display.topPage(), &main);
                                           EXPECT_EQ(screenPixel(120, 150).r, 50);
                                       },
                                       [&] {
                                           EXPECT_FALSE(told) << "closeModal";
                                           display.openModal(dialog, tell);
                                           display.setTimer(dialog, 1, 5);
                                           dialog.timerScript = [&](int) {
                                               dialog.endModal(4);
                                               display.postQuit(9);
                                           };
                                       }});
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(told) << "the quit";
    EXPECT_EQ(display.topPage(), nullptr);
    EXPECT_EQ(display.quitCode(), 9);
    display.close();  // the next test opens the display afresh, without the quit
}

}  // namespace
}  // namespace korvat::platform
