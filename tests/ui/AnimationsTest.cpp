#include <gtest/gtest.h>

#include "FakeScreen.h"
#include "assets/Resources.h"
#include "ui/Animations.h"
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

void setRoute(GameState& state, std::initializer_list<CellPos> cells) {
    int i = 0;
    for (const CellPos c : cells) {
        state.route[i++] = c;
    }
    state.route[i] = {-1, -1};
}

// The ball sheet's sprite (colour, row) is what the cell shows.
bool cellShows(FakeScreen& screen, CellPos cell, int color, int row) {
    const Point at = cellOrigin(cell.x, cell.y);
    return sameArea(screen.target(), at.x, at.y, screen.sheet(res::kBallSheet), 21 * color,
                    21 * row, 21, 21);
}

TEST(AnimateMove, WalksTheRouteAndRestoresPassedCells) {
    FakeScreen screen;
    GameState state = emptyBoard();
    state.board.at(0, 0) = 4;
    state.nextColors[0] = 2;
    state.nextCells[0] = {2, 0};  // a hint on the way must come back
    state.settings.moveDelay = 30;
    setRoute(state, {{0, 0}, {1, 0}, {2, 0}, {2, 1}});
    drawBoard(screen.context(), state);
    drawHints(screen.context(), state);
    SDL_Surface* before = screen.copyOfTarget();

    std::vector<CellPos> seen;
    const CellPos passed[] = {{1, 0}, {2, 0}};
    screen.onSleep = [&] {
        const CellPos cell = passed[seen.size()];
        EXPECT_TRUE(cellShows(screen, cell, 4, 0));
        EXPECT_TRUE(cellShows(screen, {0, 0}, 0, 0));  // start already erased
        seen.push_back(cell);
    };
    const Board boardBefore = state.board;
    animateMove(screen.context(), state);

    EXPECT_EQ(screen.sleeps, (std::vector<uint32_t>{30, 30}));
    EXPECT_EQ(seen.size(), 2u);
    for (const CellPos c : passed) {
        const Point at = cellOrigin(c.x, c.y);
        EXPECT_TRUE(sameArea(screen.target(), at.x, at.y, before, at.x, at.y, 21, 21));
    }
    EXPECT_TRUE(cellShows(screen, {0, 0}, 0, 0));
    EXPECT_TRUE(cellShows(screen, {2, 1}, 4, 0));
    EXPECT_EQ(state.board, boardBefore);  // the rules move the ball
    EXPECT_TRUE(screen.allSheetsReleased());
    SDL_FreeSurface(before);
}

TEST(AnimateMove, NeighbourCellAndNonPositiveDelaysDoNotWait) {
    FakeScreen screen;
    GameState state = emptyBoard();
    state.board.at(5, 5) = 3;
    state.settings.moveDelay = 100;
    setRoute(state, {{5, 5}, {5, 6}});
    animateMove(screen.context(), state);
    EXPECT_TRUE(screen.sleeps.empty());
    EXPECT_TRUE(cellShows(screen, {5, 6}, 3, 0));

    for (const uint32_t delay : {0u, 0xFFFFFFFFu, 0x80000000u}) {
        state.settings.moveDelay = delay;
        setRoute(state, {{5, 5}, {6, 5}, {7, 5}, {8, 5}});
        animateMove(screen.context(), state);
    }
    EXPECT_TRUE(screen.sleeps.empty());
}

TEST(AnimateMove, MissingBallSheetDrawsNothing) {
    FakeScreen screen;
    GameState state = emptyBoard();
    state.board.at(0, 0) = 1;
    setRoute(state, {{0, 0}, {0, 1}, {0, 2}});
    screen.failing.insert(res::kBallSheet);
    animateMove(screen.context(), state);
    EXPECT_TRUE(screen.presents.empty());
    EXPECT_TRUE(screen.sleeps.empty());
    EXPECT_TRUE(screen.messages.empty());
}

TEST(AnimateAppearance, GrowsThreeBallsFrameByFrame) {
    FakeScreen screen;
    GameState state = emptyBoard();
    state.appearColors[0] = 2;
    state.appearColors[1] = 5;
    state.appearColors[2] = -1;
    state.appearCells[0] = {0, 8};
    state.appearCells[1] = {7, 3};
    state.appearCells[2] = {4, 4};
    state.settings.appearDelay = 40;
    std::vector<int> rows;
    screen.onSleep = [&] {
        const int row = 3 - static_cast<int>(rows.size());
        EXPECT_TRUE(cellShows(screen, {0, 8}, 2, row));
        EXPECT_TRUE(cellShows(screen, {7, 3}, 5, row));
        rows.push_back(row);
    };
    animateAppearance(screen.context(), state);
    EXPECT_EQ(rows, (std::vector<int>{3, 2, 1, 0}));
    EXPECT_EQ(screen.sleeps, (std::vector<uint32_t>(4, 40)));  // after the last frame too
    EXPECT_EQ(pixel(screen.target(), cellOrigin(4, 4).x, cellOrigin(4, 4).y), kBackground);
    EXPECT_EQ(screen.presents.size(), 8u);
    EXPECT_TRUE(screen.allSheetsReleased());
}

TEST(AnimateAppearance, MissingBallSheetReportsOnceAndShowsNoFrame) {
    FakeScreen screen;
    GameState state = emptyBoard();
    state.appearColors[0] = 2;
    state.appearCells[0] = {0, 0};
    screen.failing.insert(res::kBallSheet);
    animateAppearance(screen.context(), state);
    EXPECT_EQ(screen.messages, (std::vector<std::string>{"ERROR!"}));
    EXPECT_TRUE(screen.sleeps.empty());
    EXPECT_TRUE(screen.presents.empty());
}

TEST(ExplosionFrame, DrawsTheFigureRowOverTheBoardAsShown) {
    FakeScreen screen;
    GameState state = emptyBoard();
    state.board.at(0, 0) = 1;
    for (int x = 2; x < 7; ++x) {
        state.board.at(x, 4) = 6;
    }
    drawBoard(screen.context(), state);
    drawClockDigits(screen.context(), kClockPos.x, kClockPos.y, 0);
    SDL_Surface* before = screen.copyOfTarget();
    FigureRecord& figure = state.figures[2];
    figure.color = 6;
    figure.count = 5;
    for (int i = 0; i < 5; ++i) {
        figure.cells[i] = {2 + i, 4};
    }
    screen.presents.clear();
    for (int r = ballRow::kExplosionFirst; r <= ballRow::kExplosionLast; ++r) {
        drawExplosionFrame(screen.context(), state, 2, r);
        for (int x = 2; x < 7; ++x) {
            EXPECT_TRUE(cellShows(screen, {x, 4}, 6, r)) << x << " row " << r;
        }
    }
    EXPECT_TRUE(cellShows(screen, {0, 0}, 1, 0));
    EXPECT_TRUE(sameArea(screen.target(), 0, 0, before, 0, 0, 240, 32));  // panel untouched
    EXPECT_EQ(screen.presents.size(), 5u);
    EXPECT_TRUE(screen.allSheetsReleased());
    SDL_FreeSurface(before);
}

TEST(ExplosionFrame, CorruptFigureOrMissingSheetLeavesTheBoard) {
    FakeScreen screen;
    GameState state = emptyBoard();
    drawBoard(screen.context(), state);
    SDL_Surface* before = screen.copyOfTarget();
    state.figures[0].color = 3;
    state.figures[0].count = 1000;  // beyond the record: only its own cells count
    drawExplosionFrame(screen.context(), state, 0, 5);
    EXPECT_TRUE(sameArea(screen.target(), 0, 0, before, 0, 0, 240, 268));
    drawExplosionFrame(screen.context(), state, 4, 5);
    state.figures[0].count = 1;
    state.figures[0].cells[0] = {1, 1};
    screen.failing.insert(res::kBallSheet);
    drawExplosionFrame(screen.context(), state, 0, 5);
    EXPECT_TRUE(sameArea(screen.target(), 0, 0, before, 0, 0, 240, 268));
    EXPECT_TRUE(screen.messages.empty());
    SDL_FreeSurface(before);
}

}  // namespace
}  // namespace korvat::ui::test
