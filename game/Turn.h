#pragma once
// What the player sees and hears of a turn, as plain data: the rules compute the steps of one
// phase at a time, and the host plays them on its own clock, waiting the delay after each. A
// phase is computed only when the previous one has played, so that every draw of the
// generator, every timer and every reading of the clock comes at the moment it always has.
#include <cstdint>

#include "Types.h"

namespace korvat {

enum class StepKind : uint8_t {
    MoveStart,       // the ball leaves `cell`; the board as it is now is what the move restores
    MoveBall,        // `from` (if a cell) back as the move found it, the ball of `color` on `cell`
    AppearFrame,     // frame `frame` of the balls of `wave` growing on their cells
    ExplosionFrame,  // ball sheet row `frame` of Turn::figures[figure] on each of its cells
    RestingBall,     // the ball of `color` at rest on `cell`
    BounceFrame,     // bounce frame `frame` of the ball of `color` on `cell`
    Sound,           // `sound`
    Panel,           // the empty panel
    BoardImage,      // the empty board
    NextColors,      // the coming colours of `wave` in the panel
    Hints,           // the small balls of `wave` on its cells
    Scores,          // `best` and `score` on the panel
    Clock,           // the clock showing `clock` (hhmmss)
    RedrawAll,       // the whole game as the phase leaves it
    RuleMarks,       // the menu's check marks: Block when `block`, else Lines
    Message,         // a message box with `text`; the turn goes on when it is closed
    NameDialog,      // asks for a player's name; the answer goes to Game::enterName
    HighScores,      // the high-score table; it reloads the table as it opens
};

// Which steps wait for the player rather than for a delay.
constexpr bool isDialog(StepKind kind) {
    return kind == StepKind::Message || kind == StepKind::NameDialog ||
           kind == StepKind::HighScores;
}

struct Wave {
    int32_t colors[kWaveSize]{-1, -1, -1};
    CellPos cells[kWaveSize]{};
    friend bool operator==(const Wave&, const Wave&) = default;
};

struct Step {
    StepKind kind = StepKind::RedrawAll;
    uint32_t delayMs = 0;  // to wait after the step, 0 for none
    CellPos cell{};
    CellPos from{};
    int32_t color = EMPTY;
    int32_t frame = 0;
    int32_t figure = 0;
    SoundId sound = SoundId::BounceTick;
    bool block = false;
    uint32_t best = 0;
    uint32_t score = 0;
    uint32_t clock = 0;
    Wave wave{};
    const char* text = nullptr;
};

constexpr int32_t kAppearanceFrames = 4;

// The steps of one phase. The longest phase is a move along the longest route (81 cells) with
// the bursts of Lines and Block after it; a wave's phase is shorter.
struct Turn {
    static constexpr int32_t kStepCapacity = 160;
    static constexpr int32_t kFigureCapacity = 16;  // four lines through each of three balls

    Step steps[kStepCapacity];
    int32_t stepCount = 0;
    FigureRecord figures[kFigureCapacity];
    int32_t figureCount = 0;

    void clear() {
        stepCount = 0;
        figureCount = 0;
    }
    // Past the capacity, which no phase reaches, steps are dropped rather than overrun.
    Step& add(StepKind kind, uint32_t delayMs = 0) {
        static Step spare;
        Step& step = stepCount < kStepCapacity ? steps[stepCount++] : spare;
        step = Step{};
        step.kind = kind;
        step.delayMs = delayMs;
        return step;
    }
    int32_t addFigure(const FigureRecord& figure) {
        if (figureCount == kFigureCapacity) {
            return kFigureCapacity - 1;
        }
        figures[figureCount] = figure;
        return figureCount++;
    }
};

// A delay from the settings as the animations take it: none unless positive as a signed number.
constexpr uint32_t stepDelay(uint32_t settingMs) {
    return static_cast<int32_t>(settingMs) > 0 ? settingMs : 0;
}

}  // namespace korvat
