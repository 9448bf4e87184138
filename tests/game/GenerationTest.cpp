#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "FakeHost.h"

namespace korvat::test {
namespace {

class GenerationTest : public ::testing::Test {
  protected:
    void SetUp() override { clearBoard(game); }

    // Fills the board except the given cells with balls that form no line (alternating
    // colours along every direction).
    void fillExcept(std::initializer_list<CellPos> free) {
        for (int32_t x = 0; x < 9; ++x) {
            for (int32_t y = 0; y < 9; ++y) {
                game.state.board.at(x, y) = 1 + (x + 2 * y) % 4;
            }
        }
        for (const CellPos& cell : free) {
            game.state.board.at(cell.x, cell.y) = EMPTY;
        }
    }
    void script(std::initializer_list<int> values) {
        host.scripted.insert(host.scripted.end(), values);
    }

    FakeHost host;
    Game game{host};
};

TEST_F(GenerationTest, ColoursSkipZeroAndTakeRModEight) {
    script({8, 17, 7, 16, 3});  // 0 is drawn again, 17 -> 1, 7 -> 7, 16 -> 0 again, 3
    game.pickNextColors();
    EXPECT_EQ(game.state.nextColors[0], 1);
    EXPECT_EQ(game.state.nextColors[1], 7);
    EXPECT_EQ(game.state.nextColors[2], 3);
    EXPECT_EQ(host.seeds, 1);
}

TEST_F(GenerationTest, SameSecondRepeatsTheColours) {
    game.pickNextColors();
    int32_t first[3];
    std::copy(std::begin(game.state.nextColors), std::end(game.state.nextColors), first);
    game.takeNextColors();
    game.pickNextColors();
    EXPECT_TRUE(std::equal(std::begin(first), std::end(first), game.state.nextColors));
}

TEST_F(GenerationTest, PlannedCellsAreEmptyDistinctAndDrawnXFirst) {
    put(game, {{1, 2}}, 4);
    // (1, 2) is taken, (3, 4) accepted, (3, 4) again refused, (12 -> 3, 5), (0, 0).
    script({1, 2, 3, 4, 3, 4, 12, 5, 0, 0});
    game.planNextCells();
    EXPECT_EQ(game.state.nextCells[0], (CellPos{3, 4}));
    EXPECT_EQ(game.state.nextCells[1], (CellPos{3, 5}));
    EXPECT_EQ(game.state.nextCells[2], (CellPos{0, 0}));
    EXPECT_EQ(host.seeds, 1);
}

TEST_F(GenerationTest, ExactlyThreeFreeCellsAreAllPlanned) {
    fillExcept({{8, 8}, {0, 0}, {4, 4}});
    game.planNextCells();
    EXPECT_EQ(host.count("message"), 0);
    CellPos planned[3] = {game.state.nextCells[0], game.state.nextCells[1],
                          game.state.nextCells[2]};
    for (const CellPos& cell : {CellPos{8, 8}, CellPos{0, 0}, CellPos{4, 4}}) {
        EXPECT_EQ(std::count(std::begin(planned), std::end(planned), cell), 1);
    }
}

TEST_F(GenerationTest, OnlyTheBallWhoseCellWasTakenMoves) {
    game.state.nextCells[0] = {0, 0};
    game.state.nextCells[1] = {1, 1};
    game.state.nextCells[2] = {2, 2};
    put(game, {{1, 1}}, 6);  // the player's move ended there
    script({1, 1, 5, 6});    // the taken cell again, then (5, 6)
    game.settleAppearCells();
    EXPECT_EQ(game.state.appearCells[0], (CellPos{0, 0}));
    EXPECT_EQ(game.state.appearCells[1], (CellPos{5, 6}));
    EXPECT_EQ(game.state.appearCells[2], (CellPos{2, 2}));
    EXPECT_EQ(game.state.nextCells[1], (CellPos{1, 1}));  // the announcement is kept
    EXPECT_EQ(host.seeds, 1);
}

TEST_F(GenerationTest, RelocatedBallLandingOnAnotherPlannedCellIsLost) {
    game.state.nextColors[0] = 1;
    game.state.nextColors[1] = 2;
    game.state.nextColors[2] = 3;
    game.state.nextCells[0] = {0, 0};
    game.state.nextCells[1] = {1, 1};
    game.state.nextCells[2] = {2, 2};
    put(game, {{1, 1}}, 6);
    script({2, 2});  // the second ball draws the third ball's cell
    game.takeNextColors();
    game.settleAppearCells();
    EXPECT_EQ(game.state.appearCells[1], (CellPos{2, 2}));
    game.placeWave();
    EXPECT_EQ(game.state.board.at(2, 2), 3);  // the higher index is written last
    EXPECT_EQ(game.state.board.at(0, 0), 1);
    EXPECT_EQ(ballCount(game), 3);  // the player's ball and two new ones
}

TEST_F(GenerationTest, WaveIsWrittenAfterTheAnimationThenTestedInOrder) {
    game.state.appearColors[0] = 4;
    game.state.appearColors[1] = 4;
    game.state.appearColors[2] = 2;
    game.state.appearCells[0] = {2, 0};
    game.state.appearCells[1] = {3, 0};
    game.state.appearCells[2] = {7, 7};
    put(game, {{0, 0}, {1, 0}, {4, 0}, {5, 0}}, 4);
    game.placeWave();
    // The first new ball completes the line of six; the second, inside it, finds nothing more.
    EXPECT_EQ(game.state.score, 12u);
    EXPECT_EQ(host.calls.front(), "animateAppearance");
    EXPECT_EQ(host.count("sound 138"), 1);
    EXPECT_EQ(ballCount(game), 1);
}

TEST_F(GenerationTest, WaveCompletesASquareInBlockRulesWithoutSoundWhenOff) {
    game.state.linesMode = 0;
    game.state.blockMode = 1;
    game.state.settings.soundOn = 0;
    put(game, {{5, 5}, {6, 5}, {5, 6}}, 7);
    game.state.appearColors[0] = 7;
    game.state.appearColors[1] = 1;
    game.state.appearColors[2] = 7;
    game.state.appearCells[0] = {0, 8};
    game.state.appearCells[1] = {1, 8};
    game.state.appearCells[2] = {6, 6};
    game.placeWave();
    EXPECT_EQ(game.state.score, 4u);
    EXPECT_EQ(host.count("sound"), 0);
    EXPECT_EQ(ballCount(game), 2);
}

// --- End of the game ---

class EndOfGameTest : public GenerationTest {
  protected:
    void finishWithScore(uint32_t score) {
        fillExcept({{3, 3}, {5, 5}});
        game.state.score = score;
        host.calls.clear();
        game.planNextCells();
    }
};

TEST_F(EndOfGameTest, TwoFreeCellsEndTheGameWithTheStepsInOrder) {
    game.state.settings.bestScore = 150;
    game.state.carriedSeconds = 3000;
    game.state.clockStartTick = 1000;
    host.tick = 1000;
    host.tickAfterNameDialog = 1000 + 725 * 1000 + 999;  // typing the name takes time too
    host.playerName = "Zoë";
    finishWithScore(200);

    const int message = host.find("message No more move!");
    const int ask = host.find("askPlayerName");
    const int save = host.find("saveHighScores");
    const int show = host.find("showHighScores");
    const int newGame = host.find("stopTimer 1234");
    ASSERT_GE(message, 0);
    EXPECT_LT(message, ask);
    EXPECT_LT(ask, save);
    EXPECT_LT(save, show);
    EXPECT_LT(show, newGame);

    EXPECT_EQ(game.state.settings.bestScore, 200u);
    const HighScoreEntry& top = game.highScores.entries[0];
    EXPECT_EQ(top.score, 200u);
    EXPECT_EQ(top.hours, 1u);  // 3725 s
    EXPECT_EQ(top.minutes, 2u);
    EXPECT_EQ(top.seconds, 5u);
    EXPECT_EQ(std::u16string(top.name, 16), u"Zoë" + std::u16string(12, u' ') + u'\0');
    EXPECT_EQ(host.diskTable.entries[0].score, 200u);

    // The next game has started: three balls, a new announcement, a fresh score.
    EXPECT_EQ(game.state.score, 0u);
    EXPECT_EQ(ballCount(game), 3);
    EXPECT_EQ(game.state.clockStartTick, host.tick);
}

TEST_F(EndOfGameTest, ScoreEqualToTheLowestEntersTheTable) {
    makeDefaultHighScores(game.highScores);
    game.state.settings.bestScore = 500;
    finishWithScore(100);
    EXPECT_EQ(host.count("askPlayerName"), 1);
    EXPECT_EQ(game.highScores.entries[9].name[0], u'A');
    EXPECT_EQ(game.state.settings.bestScore, 500u);
}

TEST_F(EndOfGameTest, ScoreOneBelowTheLowestSkipsTheTableButRaisesTheBest) {
    makeDefaultHighScores(game.highScores);
    game.state.settings.bestScore = 50;
    finishWithScore(99);
    EXPECT_EQ(host.count("askPlayerName"), 0);
    EXPECT_EQ(host.count("saveHighScores"), 0);
    EXPECT_EQ(host.count("showHighScores"), 0);
    EXPECT_EQ(game.state.settings.bestScore, 99u);
    EXPECT_GE(host.find("stopTimer 1234"), 0);
}

TEST_F(EndOfGameTest, ThresholdFollowsTheTableAsItStands) {
    makeDefaultHighScores(game.highScores);
    for (uint32_t score = 110; score < 210; score += 10) {
        insertHighScore(game.highScores, u"x", score, 0, 0, 0);
    }
    finishWithScore(105);
    EXPECT_EQ(host.count("askPlayerName"), 0);
}

}  // namespace
}  // namespace korvat::test
