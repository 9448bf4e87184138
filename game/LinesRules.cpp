// Lines rules: straight runs of five or more balls of one colour through one cell.
#include "Game.h"

namespace korvat {

namespace {

constexpr uint32_t kShortestLine = 5;
constexpr int32_t kLineDirections = 4;

}  // namespace

void Game::collectLine(int32_t x, int32_t y, int32_t d) {
    FigureRecord& line = state.figures[d];
    line.color = state.board.at(x, y);
    line.cells[0] = CellPos{x, y};
    line.count = 1;
    // The side of step d outward, then the opposite side outward.
    const int32_t sides[2]{d, d + 4};
    for (const int32_t step : sides) {
        const int32_t dx = state.lineSteps[step][0];
        const int32_t dy = state.lineSteps[step][1];
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

int32_t Game::scanLines(int32_t x, int32_t y) {
    if (!onBoard(x, y) || state.board.at(x, y) == EMPTY) {
        return 0;
    }
    for (FigureRecord& record : state.figures) {
        record.count = 0;
    }
    for (int32_t d = 0; d < kLineDirections; ++d) {
        collectLine(x, y, d);
    }
    for (const FigureRecord& record : state.figures) {
        if (record.count >= kShortestLine) {
            return 1;
        }
    }
    return 0;
}

void Game::clearLines() {
    state.selectedX = -1;
    state.selectedY = -1;
    const int32_t delay = static_cast<int32_t>(state.settings.explosionDelay);
    for (int32_t frame = 5; frame <= 9; ++frame) {
        for (int32_t f = 0; f < kLineDirections; ++f) {
            if (state.figures[f].count < kShortestLine) {
                continue;
            }
            host_.screen.drawExplosionFrame(f, frame);
            if (delay > 0) {
                host_.screen.sleepMs(static_cast<uint32_t>(delay));
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

    host_.screen.drawHints();
    host_.screen.drawScores();
}

}  // namespace korvat
