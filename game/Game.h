#pragma once
// The rules of the game: the state, the generation of balls, the route search, the figures of
// both rule sets and the flow of a turn. The game is a callee: hosts feed it taps, paints,
// timer ticks and commands, and each of these hands back the first phase of what the player is
// to see and hear (Turn.h). The host plays it, then asks for the next phase while one is
// pending; for the rest the rules call out through the roles of their host.
#include <cstdint>

#include "GameHost.h"
#include "GameState.h"
#include "HighScoreTable.h"
#include "Turn.h"

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

    // Events and commands, as the main window receives them; none comes while a turn is
    // pending but the timer ticks, whose steps have a turn of their own.
    const Turn& onPaint();                         // first paint starts the first game
    const Turn& onBoardTap(int32_t x, int32_t y);  // client-area pixels
    const Turn& onTimer(TimerId id);
    const Turn& onNewGame();
    const Turn& onLinesMode();
    const Turn& onBlockMode();
    const Turn& onUndo();
    const Turn& onSaveGame(const char* path);  // reports a write error with a message
    const Turn& resumeLoadedGame(const char* path);

    // The turn in progress: once its steps have played, the next phase while one is pending.
    bool turnPending() const { return state.phaseCount > 0; }
    const Turn& continueTurn();
    // The answer of a NameDialog step, UTF-8; given before the turn goes on.
    void enterName(const char* utf8);
    // The program ends while a turn waits at a dialog: the rest of it does not happen.
    void abandonTurn() { state.phaseCount = 0; }

    // What the high-scores dialog does on opening: reload from the file, or the defaults.
    void reloadHighScores();
    // carriedSeconds + (tick - clockStartTick) / 1000, unsigned.
    uint32_t playSeconds();
    Position position() const;

    // Route search, public for the benchmark.
    int32_t findRoute(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);

  private:
    void resetState();
    // Generation.
    void pickNextColors();
    bool planNextCells();  // false when fewer than three cells are free: the game ends
    void takeNextColors();
    void settleAppearCells();
    void pickRandomEmptyCell(CellPos& cell);
    // Route search.
    void spreadDistances(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);
    void labelNeighbours(int32_t x, int32_t y);
    // Lines.
    void collectLine(int32_t x, int32_t y, int32_t d);
    bool scanLines(int32_t x, int32_t y);
    void clearLines();
    // Block.
    bool scanBlocks(int32_t x, int32_t y);
    void clearBlock();
    // Lines then Block test of one cell, with sounds and removal; true when a figure burst.
    bool testFigures(int32_t x, int32_t y);

    // The phases of a turn.
    void push(Phase phase);
    void runPhase(Phase phase);
    void moveSteps();
    void landWave();
    void announceWave();
    void showNextWave();
    void endGame();
    void afterEndMessage();
    void enterHighScore();
    void startGame();
    const Turn& startGameWith(Rules rules);
    void announceFirstWave();
    void refillEmptyBoard();
    void deselect();
    void restBounce();
    void resumePlay();
    void placeWave();
    void sound(SoundId id);
    void scoresStep();

    bool onBoard(int32_t x, int32_t y) const;

    GameHost host_;
    Turn turn_;
    Turn timerTurn_;  // a tick may come while a turn waits at a dialog
};

}  // namespace korvat
