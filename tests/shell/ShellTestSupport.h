#pragma once
// In-process support for the shell tests: the display on SDL's offscreen driver, a fresh home
// folder per test, dialogs answered by the test, and the main window run in its real modal loop
// with a fixed clock and generator.
#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "PlatformTestSupport.h"
#include "game/Game.h"
#include "shell/GameDialog.h"

namespace korvat::shell::testing {

// The display opened; HOME and the XDG folders in a temporary folder, removed afterwards, set
// before the fixture's members are made (a settings store takes its path when it is made).
class ShellTest : public platform::testing::DisplayTest {
  protected:
    ShellTest();
    ~ShellTest() override;
    std::string file(const std::string& name) const { return home_ + "/" + name; }

    std::string home_;
};

// The main window in its modal loop, with a clock that stands still (the playing time stays
// 0:00), a fixed generator and its animation pauses noted instead of slept. A script of steps
// runs inside the loop, one per tick of a window timer: the events a step queues are all
// handled before the next step, because the loop takes waiting input before timer ticks.
class ScriptedWindow : public GameDialog {
  public:
    using Step = std::function<void()>;
    using GameDialog::GameDialog;

    // The first paint starts the first game, then the steps run. The window ends when a step
    // ends it or after the last step. A modal window left waiting for input fails the test.
    int run(std::vector<Step> steps);

    std::vector<uint32_t> sleeps;  // animation and rule pauses, in order

    uint32_t tickCount() override { return 5'000'000; }
    void seedRandom() override { generator_ = kSeed; }
    int nextRandom() override;
    void sleepMs(uint32_t ms) override { sleeps.push_back(ms); }
    void onTimer(int id) override;

  private:
    static constexpr uint32_t kSeed = 1'234'567;  // stands for the calendar second
    std::vector<Step> steps_;
    size_t next_ = 0;
    uint32_t generator_ = kSeed;
};

// A ball and a reachable empty cell that no coming ball is planned for, with a route of at
// least `minRouteCells` cells (start and destination included); {-1,-1} twice when none.
struct Move {
    CellPos from;
    CellPos to;
};
Move findMove(Game& game, int32_t minRouteCells = 2);
int32_t routeCells(const GameState& state);  // of the route last searched
inline auto ballCount(const Board& board) {
    return std::ranges::count_if(board.cells, [](int32_t c) { return c != EMPTY; });
}
// Left clicks on the middles of the move's cells, for the display's loop.
void queueMove(const Move& move);

SDL_Color pixelAt(SDL_Surface* surface, int x, int y);
bool sameColor(SDL_Color a, SDL_Color b);
// True when the surfaces hold the same pixels in the rectangle.
bool samePixels(SDL_Surface* a, SDL_Surface* b, const SDL_Rect& r);

}  // namespace korvat::shell::testing
