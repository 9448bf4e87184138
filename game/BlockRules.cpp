// Block rules: 2 x 2 squares of one colour that contain one cell.
#include "Game.h"

namespace korvat {

namespace {

// The four squares around a cell, in the order tested: the corner cell, then the two cells
// that share an edge with the tested one, each as an offset from it.
struct SquareOffsets {
    int32_t cells[3][2];
};
constexpr SquareOffsets kSquares[4]{
    {{{-1, -1}, {-1, 0}, {0, -1}}},  // up-left
    {{{1, -1}, {0, -1}, {1, 0}}},    // up-right
    {{{-1, 1}, {-1, 0}, {0, 1}}},    // down-left
    {{{1, 1}, {1, 0}, {0, 1}}},      // down-right
};

}  // namespace

bool Game::scanBlocks(int32_t x, int32_t y) {
    if (!onBoard(x, y) || state.board.at(x, y) == EMPTY) {
        return false;
    }
    FigureRecord& block = state.figures[0];
    block.color = state.board.at(x, y);
    block.cells[0] = CellPos{x, y};
    block.count = 1;

    bool found = false;
    for (const SquareOffsets& square : kSquares) {
        bool complete = true;
        for (const auto& offset : square.cells) {
            const int32_t cx = x + offset[0];
            const int32_t cy = y + offset[1];
            complete = complete && onBoard(cx, cy) && state.board.at(cx, cy) == block.color;
        }
        if (!complete) {
            continue;
        }
        for (const auto& offset : square.cells) {
            block.cells[block.count++] = CellPos{x + offset[0], y + offset[1]};
        }
        found = true;
    }
    return found;
}

void Game::clearBlock() {
    deselect();
    const int32_t figure = turn_.addFigure(state.figures[0]);
    for (int32_t frame = 5; frame <= 9; ++frame) {
        Step& step = turn_.add(StepKind::ExplosionFrame);  // the Block burst does not wait
        step.figure = figure;
        step.frame = frame;
    }

    const FigureRecord& block = state.figures[0];
    for (uint32_t i = 0; i < block.count; ++i) {
        state.board.at(block.cells[i].x, block.cells[i].y) = EMPTY;
    }
    const uint32_t n = block.count;
    state.score += n <= 4 ? n : 2 * (n - 1);

    turn_.add(StepKind::Hints).wave = state.next;
    scoresStep();
}

}  // namespace korvat
