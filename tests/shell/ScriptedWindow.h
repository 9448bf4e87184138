#pragma once
// The main window run in its real modal loop on the offscreen driver, with a fixed clock and
// generator and its animation pauses noted instead of slept. A script of steps runs inside the
// loop, one step per tick of a window timer: the events a step queues (keys, text, clicks) are
// all handled before the next step, because the loop takes waiting input before timer ticks.
#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/Game.h"
#include "shell/GameDialog.h"

namespace korvat::shell::testing {

class ScriptedWindow : public GameDialog {
  public:
    using Step = std::function<void()>;

    // The clock stands still: the playing time stays 0:00 however long the test takes.
    static constexpr uint32_t kFixedTick = 5'000'000;
    // Stands for the calendar second that seeds the generator.
    static constexpr uint32_t kSeed = 1'234'567;
    // An unexpected modal window (a message box) would wait for input for ever; after this
    // long the loops are ended and the test fails instead of hanging.
    static constexpr uint32_t kWatchdogMs = 60'000;

    explicit ScriptedWindow(DialogRunner* dialogs = nullptr) : GameDialog(dialogs) {}

    // Runs the window modally: the first paint starts the first game, then the steps. The
    // window ends when a step ends it (Enter, OK) or after the last step. Returns the result
    // of the modal loop.
    int run(std::vector<Step> steps);
    bool stoppedByWatchdog() const { return stoppedByWatchdog_; }

    // Animation and rule pauses, in the order asked for.
    std::vector<uint32_t> sleeps;

    uint32_t tickCount() override { return kFixedTick; }
    void seedRandom() override { generator_ = kSeed; }
    int nextRandom() override;
    void sleepMs(uint32_t ms) override { sleeps.push_back(ms); }
    void onTimer(int id) override;

  private:
    static constexpr int kStepTimer = 9001;
    static constexpr int kWatchdogTimer = 9002;
    // Result of a loop that ran out of steps.
    static constexpr int kScriptDone = 77;

    std::vector<Step> steps_;
    size_t next_ = 0;
    uint32_t generator_ = kSeed;
    bool stoppedByWatchdog_ = false;
};

// A ball and a reachable empty cell that no coming ball is planned for, with a route of at
// least `minRouteCells` cells (start and destination included); {-1,-1} twice when none.
struct Move {
    CellPos from;
    CellPos to;
};
Move findMove(Game& game, int32_t minRouteCells = 2);
// Cells of the route last searched, up to its end mark.
int32_t routeCells(const GameState& state);
int ballCount(const Board& board);

// Queues a left click on the cell's middle, in window coordinates, for the display's loop.
void queueTap(CellPos cell);
void queueKey(SDL_Keycode sym, Uint16 mod = KMOD_NONE);
void queueText(const char* utf8);

// Device-screen coordinates of pixel (dx, dy) of the ball sprite of cell (x, y).
SDL_Point spritePixel(CellPos cell, int dx, int dy);
// The tile interior of a cell without a ball.
constexpr SDL_Color kTileGrey{192, 192, 192, 255};
bool sameColor(SDL_Color a, SDL_Color b);
std::string describe(SDL_Color c);

}  // namespace korvat::shell::testing
