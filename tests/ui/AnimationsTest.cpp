// The animation frame sequences: what each frame shows when its pause starts.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeScreen.h"
#include "ui/Animations.h"
#include "ui/Drawing.h"

namespace korvat::ui::test {
namespace {

TEST(AnimateMove, WalksTheRouteAndGivesBackThePassedCellsHintsIncluded) {
    FakeScreen screen;
    GameState state;
    state.board.at(0, 0) = 4;
    state.nextColors[0] = 2;
    state.nextCells[0] = {2, 0};
    state.settings.moveDelay = 30;
    const CellPos route[] = {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {-1, -1}};
    std::copy(std::begin(route), std::end(route), state.route);
    drawBoard(screen.context(), state);
    drawHints(screen.context(), state);

    size_t frame = 0;
    screen.onSleep = [&] {
        EXPECT_TRUE(screen.cellShows(route[1 + frame++ % 2], 4, 0));
        EXPECT_TRUE(screen.cellShows({0, 0}, 0, 0));  // start already erased
    };
    animateMove(screen.context(), state);
    EXPECT_EQ(screen.sleeps, (std::vector<uint32_t>{30, 30}));
    const Point tile = boardCellOrigin(1, 0);
    EXPECT_TRUE(screen.shows(cellOrigin(1, 0), res::kBoardImage, {tile.x, tile.y, 21, 21}));
    EXPECT_TRUE(screen.cellShows({2, 0}, 2, ballRow::kHint));
    EXPECT_TRUE(screen.cellShows({0, 0}, 0, 0));
    EXPECT_TRUE(screen.cellShows({2, 1}, 4, 0));

    // Delays that are not positive as 32-bit signed values: no pause.
    for (const uint32_t delay : {0u, 0x80000000u}) {
        state.settings.moveDelay = delay;
        animateMove(screen.context(), state);
    }
    EXPECT_EQ(screen.sleeps.size(), 2u);
}

TEST(AnimateAppearance, GrowsTheWaveFrameByFrameWithAPauseAfterEach) {
    FakeScreen screen;
    GameState state;
    const int colors[] = {2, 5, -1};
    const CellPos cells[] = {{0, 8}, {7, 3}, {4, 4}};
    std::copy(std::begin(colors), std::end(colors), state.appearColors);
    std::copy(std::begin(cells), std::end(cells), state.appearCells);
    state.settings.appearDelay = 40;
    int row = 4;  // rows 3, 2, 1, 0 of the ball sheet, a pause after each
    screen.onSleep = [&] {
        --row;
        EXPECT_TRUE(screen.cellShows(cells[0], 2, row));
        EXPECT_TRUE(screen.cellShows(cells[1], 5, row));
    };
    animateAppearance(screen.context(), state);
    EXPECT_EQ(screen.sleeps, (std::vector<uint32_t>(4, 40)));
    EXPECT_EQ(pixel(screen.target(), cellOrigin(4, 4).x, cellOrigin(4, 4).y), kBackground);
    EXPECT_EQ(screen.presents.size(), 8u);
}

TEST(ExplosionFrame, FigureRowsOverTheBoardAsShownAndNoCellsBeyondTheRecord) {
    FakeScreen screen;
    GameState state;
    state.board.at(0, 0) = 1;
    drawBoard(screen.context(), state);
    FigureRecord& figure = state.figures[2];
    figure.color = 6;
    figure.count = 1000;  // damaged: only the record's own cells count
    for (int i = 0; i < FigureRecord::kCapacity; ++i) {
        figure.cells[i] = {i < 5 ? 2 + i : -1, 4};
    }
    screen.presents.clear();
    for (int r = ballRow::kExplosionFirst; r <= ballRow::kExplosionLast; ++r) {
        drawExplosionFrame(screen.context(), state, 2, r);
        for (int x = 2; x < 7; ++x) {
            EXPECT_TRUE(screen.cellShows({x, 4}, 6, r)) << x << " row " << r;
        }
    }
    EXPECT_TRUE(screen.cellShows({0, 0}, 1, 0));
    EXPECT_EQ(pixel(screen.target(), 100, 20), kBackground);  // the panel's area
    EXPECT_EQ(screen.presents.size(), 5u);
    drawExplosionFrame(screen.context(), state, 4, 5);  // there are four records
    EXPECT_EQ(screen.presents.size(), 5u);
}

}  // namespace
}  // namespace korvat::ui::test
