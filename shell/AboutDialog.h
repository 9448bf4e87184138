#pragma once
// One picture: the game's name, how to play, the publisher. Only OK closes it.
#include "platform/Dialog.h"

namespace korvat::shell {

class AboutDialog : public platform::Dialog {
  public:
    AboutDialog();

    void onCancel() override {}  // Escape is ignored
    // The picture is loaded, drawn at the top-left corner and released on every paint; it is
    // cut where the client area ends.
    void onPaintExtra(SDL_Surface* surface) override;
};

}  // namespace korvat::shell
