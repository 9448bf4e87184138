#include "AboutDialog.h"

#include "assets/Resources.h"
#include "ui/ProgramBitmaps.h"

namespace korvat::shell {

AboutDialog::AboutDialog() : Dialog(res::kAboutDialog) {}

void AboutDialog::onPaintExtra(SDL_Surface* surface) {
    SDL_Surface* picture = ui::loadProgramBitmap(res::kAboutPicture);
    if (picture == nullptr) {
        return;  // an empty dialog that can still be closed
    }
    SDL_Rect to{0, 0, picture->w, picture->h};
    SDL_BlitSurface(picture, nullptr, surface, &to);
    SDL_FreeSurface(picture);
}

}  // namespace korvat::shell
