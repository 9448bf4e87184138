#pragma once
// The rules of the game: the state, the generation of balls, the route search, the figures of
// both rule sets and the flow of a turn. The game is a callee: hosts feed it taps, paints,
// timer ticks and commands, and it calls out through the roles of its host for all the rest.
#include <cstdint>

#include "GameHost.h"
#include "GameState.h"
#include "HighScoreTable.h"

namespace korvat {

class Game {
  public:
    explicit Game(const GameHost& host) : host_(host) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState state;
    HighScoreTable highScores{};

    // Start-up: Lines rules, the high-score table (or its defaults), the best score from it,
    // resetState, then the settings.
    void initialise();
    // Reads the settings store, at start-up and after the Options dialog. A stored best score
    // below the table's highest gives way to it; a bouncing ball takes a new jump delay at once.
    void readSettings();

    // Events and commands, as the main window receives them.
    void onPaint();                         // first paint starts the first game; then redraw
    void onBoardTap(int32_t x, int32_t y);  // client-area pixels
    void onTimer(TimerId id);
    void onNewGame();
    void onLinesMode();
    void onBlockMode();
    void onUndo();
    void onSaveGame(const char* path);  // reports a write error with a message
    void resumeLoadedGame(const char* path);
    // What the high-scores dialog does on opening: reload from the file, or the defaults.
    void reloadHighScores();

    // carriedSeconds + (tick - clockStartTick) / 1000, unsigned.
    uint32_t playSeconds();
    SavedGame savedGame();

    // --- The steps of the rules, public so that tests can drive them one by one. ---
    void resetState();
    // Generation.
    void pickNextColors();
    void planNextCells();  // ends the game when fewer than three cells are free
    void takeNextColors();
    void settleAppearCells();
    void placeWave();  // the appearance step: animation, board, figure tests
    void endGame();
    // Route search.
    int32_t findRoute(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);
    void spreadDistances(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);
    void labelNeighbours(int32_t x, int32_t y);
    // Lines.
    void collectLine(int32_t x, int32_t y, int32_t d);
    int32_t scanLines(int32_t x, int32_t y);
    void clearLines();
    // Block.
    int32_t scanBlocks(int32_t x, int32_t y);
    void clearBlock();
    // Turn flow.
    void spawnBalls();
    void startNewGame();
    void saveUndo();
    void restoreUndo();

  private:
    bool onBoard(int32_t x, int32_t y) const;
    bool boardIsEmpty() const;
    void drawRandomEmptyCell(int32_t& x, int32_t& y);
    // Lines then Block test of one cell, with sounds and removal; true when a figure burst.
    bool testFigures(int32_t x, int32_t y);

    GameHost host_;
};

}  // namespace korvat
