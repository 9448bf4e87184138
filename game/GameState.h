#pragma once
// The whole state of the game in plain fixed-size members: the position, the turn in progress,
// the settings and the clock.
#include <cstdint>

#include "Settings.h"
#include "Turn.h"
#include "Types.h"

namespace korvat {

enum class Rules : uint8_t { Lines, Block };

// What a move changes and undo brings back: the board, the coming wave and the two scores.
struct Position {
    Board board{};
    Wave next{};
    uint32_t score = 0;
    uint32_t best = 0;
};

// The rest of a turn, as the phases still to compute (Game::continueTurn), the last on top.
enum class Phase : uint8_t {
    LandWave,           // the announced balls grow, land and may burst
    AnnounceWave,       // the next colours and cells, or the end of the game
    ShowNextWave,       // the coming colours and hints of the game in play
    RefillEmptyBoard,   // a board emptied by bursts gets the announced wave at once
    EndTap,             // the moved ball is no longer selected
    AfterEndMessage,    // the best score, then the name dialog if the score enters the table
    EnterHighScore,     // the row goes in with the name typed, the table is shown
    StartGame,          // a new game: its first wave lands
    AnnounceFirstWave,  // the new game's second wave is announced and its clock starts
    ResumePlay,         // a loaded game (or the one in play) goes on with a fresh wave
    RedrawAll,          // the whole window again
};

struct GameState {
    bool newGamePending = true;  // the first paint starts the first game

    // The position.
    Board board{};
    Wave next{};       // the coming wave: colours in the panel, hints on the board
    Wave appearing{};  // the wave being placed
    uint32_t score = 0;
    Rules rules = Rules::Lines;

    Position undo{};
    bool undoAvailable = false;

    // The move in progress and the figures found.
    int32_t distanceGrid[kCellCount]{};
    CellPos route[kCellCount]{};  // start, cells passed, destination, then (-1, -1)
    FigureRecord figures[4]{};
    int32_t selectedX = -1;
    int32_t selectedY = -1;
    int32_t bounceStep = -1;
    int32_t bounceFrame = 9;

    // The phases of the turn still to come, and what the end of a game carries across them.
    Phase phases[12]{};
    int32_t phaseCount = 0;
    uint32_t endedScore = 0;
    bool entersTable = false;
    char typedName[64]{};  // 15 UTF-16 units as UTF-8, at most three bytes each, and the zero

    // Settings (bestScore among them) and the clock.
    Settings settings{};
    uint32_t clockStartTick = 0;
    uint32_t carriedSeconds = 0;
};

}  // namespace korvat
