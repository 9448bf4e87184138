// Lines rules: straight runs of five or more balls of one colour through one cell.
#include <algorithm>
#include <iterator>

#include "Game.h"

namespace korvat {

namespace {

constexpr uint32_t kShortestLine = 5;
constexpr int32_t kLineDirections = 4;
// Direction d and d + 4 are opposite: left, up-left, up, up-right, then right, and so on.
constexpr int32_t kLineSteps[8][2]{{-1, 0}, {-1, -1}, {0, -1}, {1, -1},
                                   {1, 0},  {1, 1},   {0, 1},  {-1, 1}};

}  // namespace

void Game::collectLine(int32_t x, int32_t y, int32_t d) {
    FigureRecord& line = state.figures[d];
    line.color = state.board.at(x, y);
    line.cells[0] = CellPos{x, y};
    line.count = 1;
    // The side of step d outward, then the opposite side outward.
    const int32_t sides[2]{d, d + 4};
    for (const int32_t step : sides) {
        const int32_t dx = kLineSteps[step][0];
        const int32_t dy = kLineSteps[step][1];
        int32_t cx = x + dx;
        int32_t cy = y + dy;
        while (onBoard(cx, cy) && state.board.at(cx, cy) == line.color &&
               line.count < FigureRecord::kCapacity) {
            line.cells[line.count++] = CellPos{cx, cy};
            cx += dx;
            cy += dy;
        }
    }
}

bool Game::scanLines(int32_t x, int32_t y) {
    if (!onBoard(x, y) || state.board.at(x, y) == EMPTY) {
        return false;
    }
    for (int32_t d = 0; d < kLineDirections; ++d) {
        collectLine(x, y, d);
    }
    return std::any_of(std::begin(state.figures), std::end(state.figures),
                       [](const FigureRecord& line) { return line.count >= kShortestLine; });
}

void Game::clearLines() {
    deselect();
    int32_t shown[kLineDirections]{};
    for (int32_t f = 0; f < kLineDirections; ++f) {
        shown[f] = state.figures[f].count >= kShortestLine ? turn_.addFigure(state.figures[f]) : -1;
    }
    const uint32_t delay = stepDelay(state.settings.explosionDelay);
    for (int32_t frame = 5; frame <= 9; ++frame) {
        for (const int32_t figure : shown) {
            if (figure >= 0) {
                Step& step = turn_.add(StepKind::ExplosionFrame, delay);
                step.figure = figure;
                step.frame = frame;
            }
        }
    }

    // The tested ball belongs to every run and is counted once per run.
    uint32_t total = 0;
    for (const FigureRecord& record : state.figures) {
        if (record.count < kShortestLine) {
            continue;
        }
        for (uint32_t i = 0; i < record.count; ++i) {
            state.board.at(record.cells[i].x, record.cells[i].y) = EMPTY;
        }
        total += record.count;
    }
    state.score += (total % 5 + 1) * total;

    turn_.add(StepKind::Hints).wave = state.next;
    scoresStep();
}

}  // namespace korvat
