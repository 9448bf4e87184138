// A tap on the board and the phases of a turn: the move and its burst, the wave, the next
// colours, in that order, each computed when the one before has played.
#include <iterator>

#include "Game.h"
#include "Geometry.h"

namespace korvat {

void Game::push(Phase phase) {
    if (state.phaseCount < static_cast<int32_t>(std::size(state.phases))) {
        state.phases[state.phaseCount++] = phase;
    }
}

const Turn& Game::continueTurn() {
    turn_.clear();
    if (state.phaseCount > 0) {
        runPhase(state.phases[--state.phaseCount]);
    }
    return turn_;
}

void Game::runPhase(Phase phase) {
    using Run = void (*)(Game&);
    // In the order of Phase.
    static constexpr Run kPhases[] = {
        [](Game& g) { g.landWave(); },
        [](Game& g) { g.announceWave(); },
        [](Game& g) { g.showNextWave(); },
        [](Game& g) { g.refillEmptyBoard(); },
        [](Game& g) { g.deselect(); },
        [](Game& g) { g.afterEndMessage(); },
        [](Game& g) { g.enterHighScore(); },
        [](Game& g) { g.startGame(); },
        [](Game& g) { g.announceFirstWave(); },
        [](Game& g) { g.resumePlay(); },
        [](Game& g) { g.turn_.add(StepKind::RedrawAll); },
    };
    static_assert(std::size(kPhases) == static_cast<size_t>(Phase::RedrawAll) + 1);
    kPhases[static_cast<size_t>(phase)](*this);
}

void Game::deselect() {
    state.selectedX = -1;
    state.selectedY = -1;
}

// The next selected ball starts its bounce from the top.
void Game::restBounce() {
    state.bounceStep = -1;
    state.bounceFrame = 9;
}

void Game::sound(SoundId id) {
    if (state.settings.soundOn != 0) {
        turn_.add(StepKind::Sound).sound = id;
    }
}

void Game::scoresStep() {
    Step& step = turn_.add(StepKind::Scores);
    step.best = state.settings.bestScore;
    step.score = state.score;
}

const Turn& Game::onBoardTap(int32_t x, int32_t y) {
    turn_.clear();
    const Rect& area = kBoardRect;
    // The rectangle's edges count as inside; its last two pixels map to index 9, no cell.
    if (x < area.left || x > area.right || y < area.top || y > area.bottom) {
        return turn_;
    }
    const int32_t tapX = (x - area.left) / kCellPitch;
    const int32_t tapY = (y - area.top) / kRowPitch;
    if (!onBoard(tapX, tapY)) {
        return turn_;
    }

    const int32_t selX = state.selectedX;
    const int32_t selY = state.selectedY;
    const bool ballSelected = onBoard(selX, selY) && state.board.at(selX, selY) != EMPTY;

    if (state.board.at(tapX, tapY) != EMPTY) {
        if (ballSelected && (selX != tapX || selY != tapY)) {
            Step& step = turn_.add(StepKind::RestingBall);
            step.cell = CellPos{selX, selY};
            step.color = state.board.at(selX, selY);
            restBounce();
        }
        state.selectedX = tapX;
        state.selectedY = tapY;
        return turn_;
    }
    if (!ballSelected) {
        return turn_;
    }

    if (findRoute(selX, selY, tapX, tapY) == 0) {
        sound(SoundId::Refusal);
        return turn_;
    }
    state.undo = position();
    state.undoAvailable = true;
    moveSteps();
    state.board.at(tapX, tapY) = state.board.at(selX, selY);
    state.board.at(selX, selY) = EMPTY;
    push(Phase::EndTap);
    // A board emptied by the move's burst or by the wave's leaves nothing to move: the
    // announced wave comes at once. Three balls on an empty board form no figure.
    push(Phase::RefillEmptyBoard);
    if (!testFigures(tapX, tapY)) {
        push(Phase::AnnounceWave);
        push(Phase::LandWave);
    }
    return turn_;
}

void Game::moveSteps() {
    int32_t n = 0;
    while (n < kCellCount && onBoard(state.route[n].x, state.route[n].y)) {
        ++n;
    }
    if (n < 2) {
        return;
    }
    const int32_t color = state.board.at(state.route[0].x, state.route[0].y);
    turn_.add(StepKind::MoveStart).cell = state.route[0];
    CellPos from{};
    for (int32_t i = 1; i < n; ++i) {
        // The ball rests on every cell it passes for the move delay, not on the last.
        Step& step =
            turn_.add(StepKind::MoveBall, i < n - 1 ? stepDelay(state.settings.moveDelay) : 0);
        step.cell = state.route[i];
        step.from = from;
        step.color = color;
        from = state.route[i];
    }
}

void Game::landWave() {
    takeNextColors();
    settleAppearCells();
    placeWave();
    sound(SoundId::Appearance);
}

void Game::announceWave() {
    pickNextColors();
    if (planNextCells()) {
        showNextWave();
        return;
    }
    push(Phase::ShowNextWave);  // of the game that follows
    endGame();
}

void Game::showNextWave() {
    turn_.add(StepKind::NextColors).wave = state.next;
    turn_.add(StepKind::Hints).wave = state.next;
}

void Game::refillEmptyBoard() {
    if (state.board.emptyCount() == kCellCount) {
        push(Phase::AnnounceWave);
        push(Phase::LandWave);
    }
}

void Game::startGame() {
    host_.progress.newGameStarting();
    host_.clock.stopTimer(TimerId::Bounce);
    host_.clock.stopTimer(TimerId::Clock);
    state.carriedSeconds = 0;
    resetState();
    turn_.add(StepKind::Panel);
    turn_.add(StepKind::BoardImage);

    // The first wave lands at once, without the appearance sound; the second is announced.
    pickNextColors();
    planNextCells();  // the board is empty
    takeNextColors();
    settleAppearCells();
    placeWave();
    push(Phase::AnnounceFirstWave);
}

void Game::announceFirstWave() {
    pickNextColors();
    planNextCells();
    showNextWave();
    scoresStep();
    host_.clock.startTimer(TimerId::Bounce, bouncePeriodMs(state.settings));
    host_.clock.startTimer(TimerId::Clock, kClockPeriodMs);
    state.clockStartTick = host_.clock.tickCount();
}

const Turn& Game::onNewGame() {
    turn_.clear();
    startGame();
    return turn_;
}

const Turn& Game::onLinesMode() {
    return startGameWith(Rules::Lines);
}

const Turn& Game::onBlockMode() {
    return startGameWith(Rules::Block);
}

const Turn& Game::startGameWith(Rules rules) {
    turn_.clear();
    state.rules = rules;
    turn_.add(StepKind::RuleMarks).block = rules == Rules::Block;
    startGame();
    return turn_;
}

}  // namespace korvat
