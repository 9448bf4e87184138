// The modal page stack: only the top page shows and takes input, in client coordinates.
#include <gtest/gtest.h>

#include <algorithm>

#include "PlatformTestSupport.h"

namespace korvat::platform {
namespace {

using testing::pushClick;
using testing::pushKey;
using testing::pushWheel;
using testing::RecordingPage;
using testing::runSteps;
using testing::screenPixel;

class PageStack : public testing::DisplayTest {};

TEST_F(PageStack, OnlyTheTopPageIsShownAndTheUncoveredPageRepaints) {
    RecordingPage main(50);
    RecordingPage dialog(150);
    Display& display = Display::instance();
    runSteps(main, {[&] {
                 runSteps(dialog, {[&] {
                              EXPECT_EQ(screenPixel(120, 150).r, 150);
                              SDL_Surface* s = main.clientSurface();  // the covered page draws
                              SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 90, 90, 90));
                              main.present();
                              EXPECT_EQ(screenPixel(120, 150).r, 150);
                          }});
                 EXPECT_EQ(display.topPage(), &main);
                 EXPECT_EQ(std::count(main.log.begin(), main.log.end(), "paint"), 2);
                 EXPECT_EQ(screenPixel(120, 150).r, 50);
             }});
    EXPECT_EQ(display.topPage(), nullptr);
}

TEST_F(PageStack, TapsAndWheelTurnsReachThePageInClientCoordinatesAndRows) {
    RecordingPage main;
    Display& display = Display::instance();
    pushClick(10, kClientTop + 20);
    pushClick(239, kClientTop + kClientHeight - 1);
    pushClick(100, 5);   // title bar, not its OK button
    pushWheel(-1);       // turned towards the user: down the list
    pushWheel(2);        // away: up
    pushWheel(1, true);  // a flipped (natural) wheel reports the other sign
    pushWheel(0);        // sideways only
    runSteps(main, {});
    EXPECT_EQ(main.log, (std::vector<std::string>{"paint", "down 10,20", "down 239,267", "wheel 3",
                                                  "wheel -6", "wheel 3"}));
    pushClick(kScreenWidth - 20, 10);  // the OK button of the title bar
    EXPECT_EQ(display.runModal(main), 1);
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
