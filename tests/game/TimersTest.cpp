#include <gtest/gtest.h>

#include "FakeHost.h"

namespace korvat::test {
namespace {

class TimersTest : public GameTest {
  protected:
    // The bounce frames drawn over `ticks` ticks; "-" for a tick that drew nothing, "+s"
    // appended when the tick sound played.
    std::vector<std::string> bounce(int ticks) {
        std::vector<std::string> shown;
        for (int i = 0; i < ticks; ++i) {
            host.calls.clear();
            game.onTimer(TimerId::Bounce);
            std::string tick = "-";
            for (const std::string& call : host.calls) {
                if (call.rfind("drawBounceFrame", 0) == 0) {
                    tick = call.substr(call.rfind(' ') + 1);
                }
            }
            if (host.count("sound 135") == 1) {
                tick += "+s";
            }
            shown.push_back(tick);
        }
        return shown;
    }
};

TEST_F(TimersTest, BounceRunsDownAndUpWithTheTickOnFrameFive) {
    put(game, {{3, 3}}, 2);
    game.onBoardTap(pixelX(3), pixelY(3));
    const std::vector<std::string> expected = {"8", "7", "6",   "5+s", "4", "3", "2", "1", "2",
                                               "3", "4", "5+s", "6",   "7", "8", "-", "8", "7"};
    EXPECT_EQ(bounce(18), expected);
    EXPECT_EQ(host.calls.back(), "drawBounceFrame 3 3 2 7");  // the selected cell and colour

    game.state.settings.soundOn = 2;  // only exactly 1 switches the tick on
    EXPECT_EQ(bounce(2).back(), "5");
}

TEST_F(TimersTest, EmptiedSelectionStillTicksButDrawsNothing) {
    game.state.selectedX = 4;
    game.state.selectedY = 4;
    EXPECT_EQ(bounce(4), (std::vector<std::string>{"-", "-", "-", "-+s"}));
}

TEST_F(TimersTest, ClockDigitsShowHoursMinutesSecondsAtTheirPlace) {
    host.tick = 123456;
    game.state.carriedSeconds = 3725;
    game.state.clockStartTick = host.tick - 999;
    game.onTimer(TimerId::Clock);
    EXPECT_EQ(host.calls, std::vector<std::string>{"drawClockDigits 103 20 10205"});
}

}  // namespace
}  // namespace korvat::test
