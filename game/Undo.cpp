// The one-step undo: the position just before the last move.
#include "Game.h"

namespace korvat {

const Turn& Game::onUndo() {
    beginTurn();
    if (!state.undoAvailable) {
        return turn_;
    }
    // The selection, the bounce, the rules and the clock stay as they are.
    restore(state.undo);
    state.undoAvailable = false;
    turn_.add(StepKind::NextColors).wave = state.next;
    turn_.add(StepKind::RedrawAll);
    return turn_;
}

}  // namespace korvat
