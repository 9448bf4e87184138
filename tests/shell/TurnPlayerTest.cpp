// The player of turns against a stage that only notes what it is asked: the waits between the
// steps, and an end request that makes the rest of the turn come at once. The dialogs as pauses,
// and an end request at the name dialog, are the German end-to-end game's.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/Geometry.h"
#include "game/SilentHost.h"
#include "shell/TurnPlayer.h"

namespace korvat::shell {
namespace {

struct NotingStage final : TurnPlayer::Stage {
    std::vector<std::string> notes;
    void showStep(const Turn&, const Step& step) override {
        notes.push_back("step " + std::to_string(static_cast<int>(step.kind)));
    }
    void openDialog(const Step& step) override {
        notes.push_back(step.kind == StepKind::Message      ? "message"
                        : step.kind == StepKind::NameDialog ? "name"
                                                            : "table");
    }
    void closeDialog() override { notes.push_back("closed"); }
    void wait(uint32_t ms) override { notes.push_back("wait " + std::to_string(ms)); }
    void cancelWait() override { notes.push_back("cancel"); }
    void turnOver() override { notes.push_back("over"); }
    long count(const std::string& prefix) const {
        return std::ranges::count_if(notes, [&](auto& n) { return n.starts_with(prefix); });
    }
};

class TurnPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.initialise();
        finishTurn(game);
        std::ranges::fill(game.state.board.cells, EMPTY);
        game.state.settings.moveDelay = 30;
        game.state.board.at(0, 0) = 1;
        tap(0, 0);
    }
    const Turn& tap(int32_t x, int32_t y) {
        return game.onBoardTap(kBoardRect.left + kCellPitch * x + 1,
                               kBoardRect.top + kRowPitch * y + 1);
    }
    // Plays the move that ends the game: a board with two free cells and a ball beside one.
    void playTheLastMove() {
        for (int32_t i = 0; i < kCellCount; ++i) {
            game.state.board.cells[i] = 1 + (i / kBoardSize + 2 * i) % 4;  // no line anywhere
        }
        game.state.board.at(5, 5) = game.state.board.at(6, 6) = EMPTY;
        game.state.score = 200;  // enters the table
        tap(5, 4);
        player.play(tap(5, 5));
    }

    SilentHost host;
    Game game{host.roles()};
    NotingStage stage;
    TurnPlayer player{game, stage};
};

TEST_F(TurnPlayerTest, EachDelayIsWaitedForAndTheTurnEndsOnce) {
    player.play(tap(0, 3));  // two cells passed, 30 ms on each
    EXPECT_EQ(stage.notes, (std::vector<std::string>{"step 0", "step 1", "wait 30"}));
    player.waited();
    player.waited();
    EXPECT_EQ(stage.count("wait 30"), 2);
    while (player.playing() && stage.notes.back().starts_with("wait")) {
        player.waited();
    }
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(stage.count("over"), 1);
    EXPECT_FALSE(game.turnPending());
    player.waited();  // a late tick changes nothing
    EXPECT_EQ(stage.count("over"), 1);
}

TEST_F(TurnPlayerTest, AnEndRequestPlaysTheRestAtOnce) {
    player.play(tap(0, 8));
    player.hurry();
    EXPECT_EQ(stage.count("cancel"), 1);
    EXPECT_EQ(stage.count("wait"), 1);  // only the one already begun
    EXPECT_EQ(stage.notes.back(), "over");
    EXPECT_EQ(game.state.board.at(0, 8), 1);
    EXPECT_GT(stage.count("step"), 8);  // the move and the wave were still drawn
}

TEST_F(TurnPlayerTest, HurriedThroughTheEndOfAGameNoDialogOpens) {
    playTheLastMove();
    player.hurry();
    EXPECT_EQ(stage.count("message") + stage.count("name") + stage.count("table"), 0);
    EXPECT_EQ(stage.notes.back(), "over");
    EXPECT_EQ(game.highScores.entries[0].score, 100u);
}

}  // namespace
}  // namespace korvat::shell
