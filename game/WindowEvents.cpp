// Paint requests and the two window timers.
#include "Game.h"

namespace korvat {

const Turn& Game::onPaint() {
    turn_.clear();
    if (!state.newGamePending) {
        turn_.add(StepKind::RedrawAll);
        return turn_;
    }
    state.newGamePending = false;
    push(Phase::RedrawAll);
    startGame();
    return turn_;
}

const Turn& Game::onTimer(TimerId id) {
    Turn& turn = timerTurn_;
    turn.clear();
    if (id == TimerId::Bounce) {
        const int32_t x = state.selectedX;
        const int32_t y = state.selectedY;
        if (x < 0 || y < 0) {
            return turn;
        }
        state.bounceFrame += state.bounceStep;
        if (state.bounceFrame <= 1 || state.bounceFrame >= 9) {
            state.bounceStep = -state.bounceStep;
        }
        // Frame 9 lies beyond the sheet and shows nothing; an emptied selection neither.
        const int32_t frame = state.bounceFrame;
        if (onBoard(x, y) && state.board.at(x, y) != EMPTY && frame >= 0 && frame <= 8) {
            Step& step = turn.add(StepKind::BounceFrame);
            step.cell = CellPos{x, y};
            step.color = state.board.at(x, y);
            step.frame = frame;
        }
        if (frame == 5 && state.settings.soundOn == 1) {
            turn.add(StepKind::Sound).sound = SoundId::BounceTick;
        }
    } else if (id == TimerId::Clock) {
        const uint32_t seconds = playSeconds();
        const uint32_t hours = seconds / 3600;
        const uint32_t withinHour = seconds % 3600;
        turn.add(StepKind::Clock).clock = hours * 10000 + (withinHour / 60) * 100 + withinHour % 60;
    }
    return turn;
}

}  // namespace korvat
