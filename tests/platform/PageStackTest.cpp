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
    EXPECT_EQ(Display::instance().topPage(), nullptr);
    EXPECT_EQ(main.log, (std::vector<std::string>{"paint", "paint", "down 10,20", "down 239,267",
                                                  "wheel 3", "wheel -6", "wheel 3"}));
}

// Ctrl+Q ends the program, as the main window's Exit does.
class EndingPage : public RecordingPage {
    bool endsProgram(const SDL_Keysym& key) const override {
        return key.sym == SDLK_q && (key.mod & KMOD_CTRL) != 0;
    }
};

TEST_F(PageStack, AWaitKeepsTheInputQueuedAndEndsAtOnceForAQueuedEndRequest) {
    EndingPage main;
    Display& display = Display::instance();
    // A wait that is not cut short fails the test after 20 s instead of hanging it.
    const auto cutShort = [&] {
        const uint32_t began = tickCount();
        display.waitServing(20'000);
        return tickCount() - began < 10'000;
    };
    const int result = runSteps(main, {[&] {
                                           pushClick(10, kClientTop + 20);
                                           const uint32_t began = tickCount();
                                           display.waitServing(30);
                                           EXPECT_GE(tickCount() - began, 30u);
                                           EXPECT_EQ(main.log.back(), "paint")
                                               << "the tap was taken during the wait";
                                           pushKey(SDLK_q, KMOD_CTRL);
                                           EXPECT_TRUE(cutShort()) << "Ctrl+Q";
                                       },
                                       [&] {
                                           EXPECT_EQ(main.log.back(), "down 10,20");
                                           pushClick(kScreenWidth - 20, 10);  // the title bar's OK
                                           EXPECT_TRUE(cutShort()) << "the title bar's OK";
                                       }});
    EXPECT_EQ(result, 1) << "the OK was not handled after the wait";
}

}  // namespace
}  // namespace korvat::platform
