#include <gtest/gtest.h>

#include "FakeHost.h"

namespace korvat::test {
namespace {

class TurnFlowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.initialise();
        clearBoard(game);
        announce({{6, 0}, {7, 0}, {8, 0}}, 3);
    }
    void announce(std::initializer_list<CellPos> cells, int32_t color) {
        int k = 0;
        for (const CellPos& cell : cells) {
            game.state.nextCells[k] = cell;
            game.state.nextColors[k] = color + k;
            ++k;
        }
    }
    void tap(int32_t x, int32_t y) { game.onBoardTap(pixelX(x), pixelY(y)); }
    bool selected(int32_t x, int32_t y) const {
        return game.state.selectedX == x && game.state.selectedY == y;
    }

    FakeHost host;
    Game game{host};
};

TEST_F(TurnFlowTest, StartUpTakesTheTableThenTheSettings) {
    FakeHost other;
    other.highScoresOnDisk = true;
    makeDefaultHighScores(other.diskTable);
    other.diskTable.entries[0].score = 4000;
    Game fresh{other};
    fresh.state.linesMode = 0;
    fresh.state.blockMode = 1;
    fresh.initialise();
    EXPECT_EQ(fresh.state.linesMode, 1);
    EXPECT_EQ(fresh.state.blockMode, 0);
    EXPECT_EQ(fresh.state.settings.bestScore, 4000u);
    EXPECT_EQ(fresh.state.boardRect.right, 237);
    EXPECT_EQ(fresh.state.panelRect.bottom, 31);
    EXPECT_EQ(fresh.state.board.at(8, 0), EMPTY);

    other.settingsStored = true;
    other.storedSettings.bestScore = 12;  // a stored best score wins, even when lower
    fresh.initialise();
    EXPECT_EQ(fresh.state.settings.bestScore, 12u);
}

TEST_F(TurnFlowTest, FirstPaintStartsTheGameThenRedraws) {
    game.state.newGamePending = 1;
    host.tick = 5000;
    game.onPaint();
    EXPECT_EQ(game.state.newGamePending, 0);
    EXPECT_EQ(ballCount(game), 3);
    const std::vector<std::string> tail(host.calls.end() - 7, host.calls.end());
    const std::vector<std::string> expected = {
        "drawNextColors",     "drawHints",           "drawNumber 13 6 100",
        "drawNumber 168 6 0", "startTimer 1234 100", "startTimer 1235 1000",
        "redrawAll"};
    EXPECT_EQ(tail, expected);
    EXPECT_EQ(game.state.clockStartTick, 5000u);
    EXPECT_EQ(host.count("sound"), 0);  // the first balls appear silently
    for (int k = 0; k < 3; ++k) {
        EXPECT_GE(game.state.nextColors[k], 1);
        EXPECT_EQ(game.state.board.at(game.state.nextCells[k].x, game.state.nextCells[k].y), EMPTY);
    }
    host.calls.clear();
    game.onPaint();
    EXPECT_EQ(host.calls, std::vector<std::string>{"redrawAll"});
}

TEST_F(TurnFlowTest, TapsOnTheLastPixelsOfTheBoardHitNoCell) {
    put(game, {{8, 4}, {0, 8}}, 2);
    for (int32_t x : {236, 237, 238}) {
        game.onBoardTap(x, pixelY(4));
        EXPECT_TRUE(selected(-1, -1)) << x;
    }
    for (int32_t y : {266, 267, 268}) {
        game.onBoardTap(pixelX(0), y);
        EXPECT_TRUE(selected(-1, -1)) << y;
    }
    game.onBoardTap(235, pixelY(4));
    EXPECT_TRUE(selected(8, 4));
    game.onBoardTap(pixelX(0), 265);
    EXPECT_TRUE(selected(0, 8));
    game.onBoardTap(1, 40);   // left of the board
    game.onBoardTap(10, 31);  // the panel
    EXPECT_TRUE(selected(0, 8));
    put(game, {{0, 0}}, 5);
    game.onBoardTap(2, 32);  // the board's top-left pixel belongs to cell (0, 0)
    EXPECT_TRUE(selected(0, 0));
}

TEST_F(TurnFlowTest, SelectionRulesAndTheBounceState) {
    put(game, {{1, 1}}, 4);
    put(game, {{5, 5}}, 6);
    tap(3, 3);  // empty cell, nothing selected
    EXPECT_TRUE(selected(-1, -1));
    game.state.bounceFrame = 4;  // where the last bounce stopped
    game.state.bounceStep = 1;
    tap(1, 1);
    EXPECT_TRUE(selected(1, 1));
    EXPECT_EQ(game.state.bounceFrame, 4);  // continues where it was
    tap(1, 1);
    EXPECT_EQ(game.state.bounceFrame, 4);
    EXPECT_EQ(host.count("drawRestingBall"), 0);
    tap(5, 5);
    EXPECT_TRUE(selected(5, 5));
    EXPECT_EQ(host.calls.back(), "drawRestingBall 1,1 4");
    EXPECT_EQ(game.state.bounceFrame, 9);
    EXPECT_EQ(game.state.bounceStep, -1);
}

TEST_F(TurnFlowTest, UnreachableCellIsRefusedAndKeepsTheSelection) {
    put(game, {{0, 0}}, 1);
    put(game, {{1, 0}, {0, 1}}, 2);
    game.state.undoAvailable = 0;
    tap(0, 0);
    tap(4, 4);
    EXPECT_EQ(host.calls.back(), "sound 136");
    EXPECT_TRUE(selected(0, 0));
    EXPECT_EQ(game.state.undoAvailable, 0);
    EXPECT_EQ(game.state.board.at(0, 0), 1);

    game.state.settings.soundOn = 0;
    tap(4, 4);
    EXPECT_EQ(host.count("sound"), 1);
}

TEST_F(TurnFlowTest, MoveThatCompletesALineBringsNoBalls) {
    put(game, {{0, 4}, {1, 4}, {2, 4}, {3, 4}}, 5);
    put(game, {{4, 8}}, 5);
    tap(4, 8);
    tap(4, 4);
    EXPECT_EQ(game.state.score, 5u);
    EXPECT_EQ(ballCount(game), 0);
    EXPECT_EQ(host.count("sound 138"), 1);
    EXPECT_EQ(host.count("sound 137"), 0);
    EXPECT_EQ(host.count("animateAppearance"), 0);
    EXPECT_EQ(game.state.nextColors[0], 3);  // the wave stays announced
    EXPECT_EQ(game.state.nextCells[2], (CellPos{8, 0}));
    EXPECT_TRUE(selected(-1, -1));
    EXPECT_EQ(game.state.undoAvailable, 1);
}

TEST_F(TurnFlowTest, MoveThatCompletesNothingPlacesTheWaveAndAnnouncesTheNext) {
    put(game, {{4, 4}}, 1);
    host.now = 77;
    tap(4, 4);
    tap(4, 6);
    EXPECT_EQ(game.state.board.at(4, 6), 1);
    EXPECT_EQ(game.state.board.at(4, 4), EMPTY);
    EXPECT_EQ(game.state.board.at(6, 0), 3);
    EXPECT_EQ(game.state.board.at(7, 0), 4);
    EXPECT_EQ(game.state.board.at(8, 0), 5);
    const int move = host.find("animateMove");
    const int appear = host.find("animateAppearance", move);
    const int sound = host.find("sound 137", appear);
    const int colours = host.find("drawNextColors", sound);
    ASSERT_GE(move, 0);
    EXPECT_GT(appear, move);
    EXPECT_GT(sound, appear);
    EXPECT_GT(colours, sound);
    EXPECT_EQ(host.calls.back(), "drawHints");
    for (int k = 0; k < 3; ++k) {
        EXPECT_GE(game.state.nextColors[k], 1);
        EXPECT_EQ(game.state.board.at(game.state.nextCells[k].x, game.state.nextCells[k].y), EMPTY);
    }
    EXPECT_EQ(game.state.route[0], (CellPos{4, 4}));
    EXPECT_EQ(game.state.route[2], (CellPos{4, 6}));
}

TEST_F(TurnFlowTest, UndoRestoresTheTurnOnce) {
    put(game, {{4, 4}}, 1);
    put(game, {{0, 3}, {1, 3}, {2, 3}, {3, 3}}, 2);
    game.state.score = 30;
    game.state.settings.bestScore = 40;
    const GameState before = game.state;

    game.onUndo();  // nothing to undo yet
    EXPECT_EQ(host.count("redrawAll"), 0);

    tap(4, 4);
    tap(4, 8);
    ASSERT_NE(game.state.board, before.board);
    game.state.settings.bestScore = 90;  // as if the turn had ended a game
    game.state.score = 55;
    host.calls.clear();
    game.onUndo();
    EXPECT_EQ(game.state.board, before.board);
    EXPECT_EQ(game.state.score, 30u);
    EXPECT_EQ(game.state.settings.bestScore, 40u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(game.state.nextColors[k], before.nextColors[k]);
        EXPECT_EQ(game.state.nextCells[k], before.nextCells[k]);
    }
    EXPECT_EQ(host.calls, (std::vector<std::string>{"drawNextColors", "redrawAll"}));
    EXPECT_EQ(game.state.undoAvailable, 0);

    game.state.score = 7;
    game.onUndo();
    EXPECT_EQ(game.state.score, 7u);
    EXPECT_EQ(host.count("redrawAll"), 1);
}

TEST_F(TurnFlowTest, RepeatingAMoveAfterUndoBringsTheSameWave) {
    put(game, {{4, 4}}, 1);
    tap(4, 4);
    tap(2, 4);
    const Board after = game.state.board;
    game.onUndo();
    game.state.selectedX = -1;
    tap(4, 4);
    tap(2, 4);
    EXPECT_EQ(game.state.board, after);
}

TEST_F(TurnFlowTest, AfterUndoAnEmptiedSelectionSelectsNothing) {
    put(game, {{4, 4}}, 1);
    put(game, {{0, 0}}, 6);
    tap(4, 4);
    tap(4, 5);
    tap(4, 5);      // select the moved ball
    game.onUndo();  // its cell is empty again, the selection stays
    EXPECT_TRUE(selected(4, 5));
    tap(3, 3);
    EXPECT_EQ(game.state.board.at(3, 3), EMPTY);
    EXPECT_EQ(host.count("sound 136"), 0);
    tap(0, 0);
    EXPECT_TRUE(selected(0, 0));
    EXPECT_EQ(host.count("drawRestingBall"), 0);  // the old selection held no ball
}

TEST_F(TurnFlowTest, RuleSetSwitchStartsANewGameAndKeepsTheBest) {
    game.state.score = 80;
    game.state.settings.bestScore = 120;
    game.onBlockMode();
    EXPECT_EQ(game.state.blockMode, 1);
    EXPECT_EQ(game.state.linesMode, 0);
    EXPECT_EQ(host.find("checkMarks block"), host.find("stopTimer 1234") - 1);
    EXPECT_EQ(game.state.score, 0u);
    EXPECT_EQ(game.state.settings.bestScore, 120u);
    game.onLinesMode();
    EXPECT_EQ(game.state.linesMode, 1);
    EXPECT_EQ(host.count("checkMarks lines"), 1);
}

TEST_F(TurnFlowTest, BlockRulesMoveClosingASquare) {
    game.state.linesMode = 0;
    game.state.blockMode = 1;
    put(game, {{0, 0}, {1, 0}, {0, 1}}, 3);
    put(game, {{5, 5}}, 3);
    tap(5, 5);
    tap(1, 1);
    EXPECT_EQ(game.state.score, 4u);
    EXPECT_EQ(ballCount(game), 0);
    EXPECT_EQ(host.count("animateAppearance"), 0);
}

TEST_F(TurnFlowTest, SaveAndLoad) {
    put(game, {{2, 2}}, 7);
    game.state.score = 33;
    game.state.carriedSeconds = 10;
    game.state.clockStartTick = 1000;
    host.tick = 3500;
    game.onSaveGame("a.kvt");
    EXPECT_EQ(host.written.seconds, 12u);
    EXPECT_EQ(host.written.score, 33u);
    EXPECT_EQ(host.written.linesMode, 1);
    EXPECT_EQ(host.written.board, game.state.board);
    EXPECT_EQ(host.count("message"), 0);
    host.writeSucceeds = false;
    game.onSaveGame("b.kvt");
    EXPECT_EQ(host.calls.back(), "message An error has occured when writing file to disk.");

    // Loading a Block game.
    host.toRead = host.written;
    host.toRead.blockMode = 1;
    host.toRead.linesMode = 0;
    host.toRead.board.at(8, 8) = 1;
    game.state.undoAvailable = 1;
    game.state.selectedX = 2;
    game.state.selectedY = 2;
    host.tick = 9000;
    host.calls.clear();
    game.resumeLoadedGame("a.kvt");
    EXPECT_EQ(host.calls.front(), "stopTimer 1234");
    EXPECT_EQ(game.state.board, host.toRead.board);
    EXPECT_EQ(game.state.blockMode, 1);
    EXPECT_EQ(game.playSeconds(), 12u);
    EXPECT_EQ(game.state.undoAvailable, 0);
    EXPECT_TRUE(selected(-1, -1));
    EXPECT_GE(host.find("checkMarks block"), 0);
    EXPECT_GE(host.find("startTimer 1234 100"), 0);
    EXPECT_EQ(host.calls.back(), "redrawAll");
}

TEST_F(TurnFlowTest, UnreadableOrDamagedFileKeepsTheGameButRenewsTheWave) {
    put(game, {{2, 2}}, 7);
    const Board board = game.state.board;
    game.state.undoAvailable = 1;
    host.readSucceeds = false;
    game.resumeLoadedGame("missing.kvt");
    EXPECT_EQ(host.count("message An error has occured when reading file from disk."), 1);
    EXPECT_EQ(game.state.board, board);
    EXPECT_EQ(game.state.undoAvailable, 0);
    EXPECT_GE(host.find("checkMarks lines"), 0);

    host.readSucceeds = true;
    host.toRead = SavedGame{};
    for (int32_t& cell : host.toRead.board.cells) {
        cell = EMPTY;
    }
    host.toRead.board.at(1, 1) = 0;  // no colour
    game.resumeLoadedGame("bad.kvt");
    EXPECT_EQ(host.count("message An error has occured when reading file from disk."), 2);
    EXPECT_EQ(game.state.board, board);
}

TEST_F(TurnFlowTest, LoadedFullBoardEndsAtOnce) {
    for (int32_t x = 0; x < 9; ++x) {
        for (int32_t y = 0; y < 9; ++y) {
            host.toRead.board.at(x, y) = 1 + (x + 2 * y) % 4;
        }
    }
    host.toRead.board.at(0, 0) = EMPTY;
    host.toRead.score = 10;
    game.highScores.lowest = 100;
    game.resumeLoadedGame("full.kvt");
    EXPECT_EQ(host.count("message No more move!"), 1);
    EXPECT_EQ(ballCount(game), 3);
}

}  // namespace
}  // namespace korvat::test
