#pragma once
// Plays the turns of the game on the main window's clock: the steps of a phase one after the
// other with the delay after each, the next phase once they have played, the dialogs of a turn
// as pauses that end when they close. An end request makes the rest of the turn come at once.
#include <cstdint>

#include "game/Game.h"
#include "game/Turn.h"

namespace korvat::shell {

class TurnPlayer {
  public:
    // What the player needs of the window.
    class Stage {
      public:
        // Draws or sounds a step that is not a dialog.
        virtual void showStep(const Turn& turn, const Step& step) = 0;
        // Opens the dialog of a step; the window calls dialogClosed when it has closed.
        virtual void openDialog(const Step& step) = 0;
        // The program ends while the dialog is open: it goes without an answer.
        virtual void closeDialog() = 0;
        // Calls waited() after `ms`.
        virtual void wait(uint32_t ms) = 0;
        virtual void cancelWait() = 0;
        virtual void turnOver() = 0;

      protected:
        ~Stage() = default;
    };

    TurnPlayer(Game& game, Stage& stage) : game_(game), stage_(stage) {}

    // Plays the phase an event of the game has just computed, and the rest of its turn.
    void play(const Turn& first);
    void waited();
    void dialogClosed();
    // The rest of the turn without its delays or dialogs: a message counts as read, and a
    // name that was not given leaves the turn there, with nothing stored.
    void hurry();

    bool playing() const { return turn_ != nullptr; }
    bool inDialog() const { return inDialog_; }

  private:
    void playOn();
    void finish();

    Game& game_;
    Stage& stage_;
    const Turn* turn_ = nullptr;
    int32_t next_ = 0;
    bool waiting_ = false;
    bool inDialog_ = false;
    bool hurrying_ = false;
};

}  // namespace korvat::shell
