#include <gtest/gtest.h>

#include "FakeHost.h"

namespace korvat::test {
namespace {

class TimersTest : public ::testing::Test {
  protected:
    void SetUp() override { clearBoard(game); }

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
    uint32_t clockValue(uint32_t seconds) {
        game.state.carriedSeconds = seconds;
        game.state.clockStartTick = host.tick;
        host.calls.clear();
        game.onTimer(TimerId::Clock);
        const std::string call = host.calls.at(0);
        EXPECT_EQ(call.rfind("drawClockDigits 103 20 ", 0), 0u);
        return static_cast<uint32_t>(std::stoul(call.substr(call.rfind(' ') + 1)));
    }

    FakeHost host;
    Game game{host};
};

TEST_F(TimersTest, BounceRunsDownAndUpWithTheTickOnFrameFive) {
    put(game, {{3, 3}}, 2);
    game.onBoardTap(pixelX(3), pixelY(3));
    const std::vector<std::string> expected = {"8", "7", "6",   "5+s", "4", "3", "2", "1", "2",
                                               "3", "4", "5+s", "6",   "7", "8", "-", "8", "7"};
    EXPECT_EQ(bounce(18), expected);
    EXPECT_EQ(host.calls.back(), "drawBounceFrame 3,3 2 7");  // the selected cell and colour
}

TEST_F(TimersTest, NoSelectionNoBounce) {
    EXPECT_EQ(bounce(20), std::vector<std::string>(20, "-"));
    EXPECT_EQ(game.state.bounceFrame, 9);
}

TEST_F(TimersTest, EmptiedSelectionStillTicksButDrawsNothing) {
    game.state.selectedX = 4;
    game.state.selectedY = 4;
    const std::vector<std::string> shown = bounce(4);
    EXPECT_EQ(shown, (std::vector<std::string>{"-", "-", "-", "-+s"}));
}

TEST_F(TimersTest, TickSoundNeedsTheSwitchAtExactlyOne) {
    put(game, {{0, 0}}, 1);
    game.state.selectedX = 0;
    game.state.selectedY = 0;
    game.state.settings.soundOn = 2;
    const std::vector<std::string> shown = bounce(4);
    EXPECT_EQ(shown.back(), "5");
}

TEST_F(TimersTest, ClockShowsHoursMinutesSeconds) {
    host.tick = 123456;
    EXPECT_EQ(clockValue(59), 59u);
    EXPECT_EQ(clockValue(60), 100u);
    EXPECT_EQ(clockValue(3725), 10205u);
    EXPECT_EQ(clockValue(9 * 3600 + 59 * 60 + 59), 95959u);
    EXPECT_EQ(clockValue(10 * 3600), 100000u);  // the digits show zeros from here on
}

TEST_F(TimersTest, PlayTimeIsUnsignedAndTruncated) {
    game.state.carriedSeconds = 100;
    game.state.clockStartTick = 1000;
    host.tick = 2999;
    EXPECT_EQ(game.playSeconds(), 101u);
    game.state.carriedSeconds = 0;
    game.state.clockStartTick = 0xFFFFFC18u;  // the tick count wrapped 1000 ms ago... plus 2 s
    host.tick = 2000;
    EXPECT_EQ(game.playSeconds(), 3u);
}

}  // namespace
}  // namespace korvat::test
