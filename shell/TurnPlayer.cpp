#include "shell/TurnPlayer.h"

#include <utility>

namespace korvat::shell {

void TurnPlayer::play(const Turn& first) {
    turn_ = &first;
    next_ = 0;
    playOn();
}

void TurnPlayer::waited() {
    if (std::exchange(waiting_, false)) {
        playOn();
    }
}

void TurnPlayer::dialogClosed() {
    if (std::exchange(inDialog_, false)) {
        playOn();
    }
}

void TurnPlayer::hurry() {
    if (turn_ == nullptr || hurrying_) {
        return;
    }
    hurrying_ = true;
    if (std::exchange(waiting_, false)) {
        stage_.cancelWait();
        playOn();
    } else if (std::exchange(inDialog_, false)) {
        stage_.closeDialog();
        --next_;  // the dialog's step again, now hurried
        playOn();
    }
}

void TurnPlayer::playOn() {
    while (turn_ != nullptr) {
        while (next_ < turn_->stepCount) {
            const Step& step = turn_->steps[next_++];
            if (isDialog(step.kind)) {
                if (!hurrying_) {
                    inDialog_ = true;
                    stage_.openDialog(step);  // may close at once, and play on from there
                    return;
                }
                if (step.kind == StepKind::NameDialog) {
                    game_.abandonTurn();
                    finish();
                    return;
                }
                continue;
            }
            stage_.showStep(*turn_, step);
            if (step.delayMs > 0 && !hurrying_) {
                waiting_ = true;
                stage_.wait(step.delayMs);
                return;
            }
        }
        if (!game_.turnPending()) {
            finish();
            return;
        }
        turn_ = &game_.continueTurn();
        next_ = 0;
    }
}

void TurnPlayer::finish() {
    turn_ = nullptr;
    next_ = 0;
    waiting_ = false;
    inDialog_ = false;
    hurrying_ = false;
    stage_.turnOver();
}

}  // namespace korvat::shell
