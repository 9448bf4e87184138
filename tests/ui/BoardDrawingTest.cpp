#include <gtest/gtest.h>

#include "FakeScreen.h"
#include "assets/Resources.h"
#include "ui/Drawing.h"
#include "ui/Layout.h"

namespace korvat::ui::test {
namespace {

GameState emptyBoard() {
    GameState state;
    for (int32_t& cell : state.board.cells) {
        cell = EMPTY;
    }
    return state;
}

TEST(Layout, CellsAndSheetCells) {
    EXPECT_EQ(cellOrigin(0, 0), (Point{6, 36}));
    EXPECT_EQ(cellOrigin(8, 8), (Point{214, 244}));
    EXPECT_EQ(cellOrigin(8, 8).x + kBallWidth, 235);  // ends inside the board
    EXPECT_EQ(ballSprite(7, 9), (Area{147, 189, 21, 21}));
    EXPECT_EQ(nextIcon(7), (Area{105, 0, 15, 15}));
    EXPECT_EQ(scoreDigit(9), (Area{90, 0, 10, 20}));
    EXPECT_EQ(clockDigit(9), (Area{63, 0, 7, 8}));
}

TEST(DrawBoard, PutsBallsAtRestOnTheBoardImage) {
    FakeScreen screen;
    GameState state = emptyBoard();
    state.board.at(8, 8) = 5;
    state.board.at(0, 0) = 1;
    state.board.at(8, 0) = 7;
    drawBoard(screen.context(), state);
    EXPECT_TRUE(sameArea(screen.target(), 214, 244, screen.sheet(res::kBallSheet), 105, 0, 21, 21));
    EXPECT_TRUE(sameArea(screen.target(), 6, 36, screen.sheet(res::kBallSheet), 21, 0, 21, 21));
    EXPECT_TRUE(sameArea(screen.target(), 214, 36, screen.sheet(res::kBallSheet), 147, 0, 21, 21));
    // Empty cells and grid show the board image, placed at (2, 32).
    EXPECT_TRUE(sameArea(screen.target(), 2, 32, screen.sheet(res::kBoardImage), 0, 0, 4, 235));
    EXPECT_TRUE(sameArea(screen.target(), 32, 36, screen.sheet(res::kBoardImage), 30, 4, 21, 21));
    EXPECT_EQ(pixel(screen.target(), 1, 32), kBackground);
    EXPECT_EQ(pixel(screen.target(), 2, 31), kBackground);
    ASSERT_EQ(screen.presents.size(), 1u);
    EXPECT_EQ(screen.presents[0].w, 235);
    EXPECT_TRUE(screen.allSheetsReleased());
}

TEST(DrawBoard, IgnoresValuesThatAreNoColour) {
    FakeScreen screen;
    GameState state = emptyBoard();
    state.board.at(3, 3) = 0;
    state.board.at(4, 4) = 8;
    state.board.at(5, 5) = 1000000000;
    drawBoard(screen.context(), state);
    EXPECT_TRUE(sameArea(screen.target(), 2, 32, screen.sheet(res::kBoardImage), 0, 0, 235, 235));
}

TEST(DrawHints, SmallBallsOnThePlannedCellsOnly) {
    FakeScreen screen;
    GameState state = emptyBoard();
    state.nextColors[0] = 2;
    state.nextColors[1] = 0;
    state.nextColors[2] = 6;
    state.nextCells[0] = {8, 8};
    state.nextCells[1] = {0, 0};
    state.nextCells[2] = {3, 1};
    drawHints(screen.context(), state);
    EXPECT_TRUE(sameArea(screen.target(), 214, 244, screen.sheet(res::kBallSheet), 42, 84, 21, 21));
    EXPECT_TRUE(sameArea(screen.target(), 84, 62, screen.sheet(res::kBallSheet), 126, 84, 21, 21));
    EXPECT_EQ(pixel(screen.target(), 6, 36), kBackground);
    EXPECT_EQ(screen.presents.size(), 2u);
}

TEST(SingleBalls, RestingAndBounceFrames) {
    FakeScreen screen;
    drawBounceFrame(screen.context(), {2, 7}, 4, 3);
    EXPECT_TRUE(
        sameArea(screen.target(), 58, 218, screen.sheet(res::kBounceSheet), 84, 63, 21, 21));
    drawRestingBall(screen.context(), {2, 7}, 4);
    EXPECT_TRUE(sameArea(screen.target(), 58, 218, screen.sheet(res::kBallSheet), 84, 0, 21, 21));
    // Frame 9 lies beyond the sheet, an empty cell has no colour: both leave the cell alone.
    SDL_Surface* before = screen.copyOfTarget();
    drawBounceFrame(screen.context(), {2, 7}, 4, 9);
    drawBounceFrame(screen.context(), {2, 7}, EMPTY, 4);
    drawRestingBall(screen.context(), {2, 7}, EMPTY);
    EXPECT_TRUE(sameArea(screen.target(), 0, 0, before, 0, 0, 240, 268));
    SDL_FreeSurface(before);
    EXPECT_EQ(screen.presents.size(), 2u);
    EXPECT_TRUE(screen.allSheetsReleased());
}

}  // namespace
}  // namespace korvat::ui::test
