// Paint requests and the two window timers.
#include "Game.h"

namespace korvat {

void Game::onPaint() {
    if (state.newGamePending != 0) {
        state.newGamePending = 0;
        startNewGame();
    }
    host_.screen.redrawAll();
}

void Game::onTimer(TimerId id) {
    if (id == TimerId::Bounce) {
        const int32_t x = state.selectedX;
        const int32_t y = state.selectedY;
        if (x < 0 || y < 0) {
            return;
        }
        state.bounceFrame += state.bounceStep;
        if (state.bounceFrame <= 1 || state.bounceFrame >= 9) {
            state.bounceStep = -state.bounceStep;
        }
        // Frame 9 lies beyond the sheet and shows nothing; an emptied selection neither.
        const int32_t frame = state.bounceFrame;
        if (onBoard(x, y) && state.board.at(x, y) != EMPTY && frame >= 0 && frame <= 8) {
            host_.screen.drawBounceFrame(CellPos{x, y}, state.board.at(x, y), frame);
        }
        if (frame == 5 && state.settings.soundOn == 1) {
            host_.screen.playSound(SoundId::BounceTick);
        }
    } else if (id == TimerId::Clock) {
        const uint32_t seconds = playSeconds();
        const uint32_t hours = seconds / 3600;
        const uint32_t withinHour = seconds % 3600;
        const uint32_t value = hours * 10000 + (withinHour / 60) * 100 + withinHour % 60;
        host_.screen.drawClock(value);
    }
}

}  // namespace korvat
