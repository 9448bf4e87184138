#pragma once
// The whole state of the game, in plain fixed-size members, in the order the main window
// holds them: first-paint flag, layout constants, game state, settings and clock.
#include <cstdint>

#include "Geometry.h"
#include "Settings.h"
#include "Types.h"

namespace korvat {

struct GameState {
    int32_t newGamePending = 1;  // the first paint starts the first game

    // Layout constants, set by resetState.
    Rect panelRect = kPanelRect;
    int32_t boardColumns = kBoardSize;
    int32_t boardRows = kBoardSize;
    int32_t ballWidth = kBallWidth;
    int32_t ballHeight = kBallHeight;
    int32_t cellInset = kCellInset;
    int32_t gridLine = kGridLine;
    Rect boardRect = kBoardRect;
    int32_t digitWidth = kDigitWidth;
    int32_t digitHeight = kDigitHeight;

    // Rules.
    Board board{};
    int32_t distanceGrid[kCellCount]{};
    int32_t nextColors[kWaveSize]{-1, -1, -1};
    int32_t appearColors[kWaveSize]{-1, -1, -1};
    Board undoBoard{};
    int32_t undoNextColors[kWaveSize]{-1, -1, -1};
    CellPos route[kCellCount]{};    // start, cells passed, destination, then (-1, -1)
    int32_t stepX[4]{0, 1, 0, -1};  // down, right, up, left
    int32_t stepY[4]{1, 0, -1, 0};
    CellPos nextCells[kWaveSize]{};
    CellPos appearCells[kWaveSize]{};
    CellPos undoNextCells[kWaveSize]{};
    int32_t selectedX = -1;
    int32_t selectedY = -1;
    int32_t bounceStep = -1;
    int32_t bounceFrame = 9;
    FigureRecord figures[4]{};
    int32_t lineSteps[8][2]{{-1, 0}, {-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}};
    uint32_t score = 0;
    uint32_t undoScore = 0;
    uint32_t undoBestScore = 0;
    int32_t undoAvailable = 0;
    int32_t blockMode = 0;
    int32_t linesMode = 1;

    // Settings (bestScore among them) and the clock.
    Settings settings{};
    uint32_t clockStartTick = 0;
    uint32_t carriedSeconds = 0;
};

}  // namespace korvat
