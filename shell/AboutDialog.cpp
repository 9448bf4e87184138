#include "AboutDialog.h"

#include "shell/AboutPicture.h"

namespace korvat::shell {

AboutDialog::AboutDialog() : Dialog(res::kAboutDialog) {}

void AboutDialog::onPaintExtra(SDL_Surface* surface) {
    SDL_Surface* picture = loadAboutPicture();
    if (picture == nullptr) {
        return;  // an empty dialog that can still be closed
    }
    SDL_Rect to{0, 0, picture->w, picture->h};
    SDL_BlitSurface(picture, nullptr, surface, &to);
    SDL_FreeSurface(picture);
}

}  // namespace korvat::shell
