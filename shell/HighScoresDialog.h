#pragma once
// The ten best results as drawn text. Each opening reloads the game's table from its file.
#include <SDL.h>

#include <string>

#include "game/HighScoreTable.h"
#include "platform/Dialog.h"

namespace korvat {
class Game;
}

namespace korvat::shell {

class HighScoresDialog : public platform::Dialog {
  public:
    HighScoresDialog();

    // The game whose table is shown; reloaded (or defaulted) on opening.
    void attach(Game& game) { game_ = &game; }

    bool onInitDialog() override;
    void onPaintExtra(SDL_Surface* surface) override;

    // "R . NAME     SCORE     H:M:S", the name blank-padded as stored.
    static std::string rowText(int rank, const HighScoreEntry& entry);

  private:
    Game* game_ = nullptr;
};

}  // namespace korvat::shell
