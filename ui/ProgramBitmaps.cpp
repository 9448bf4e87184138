#include "ui/ProgramBitmaps.h"

#include "platform/Resources.h"

namespace korvat::ui {

SDL_Surface* loadProgramBitmap(int id) {
    return platform::loadBitmap(id);
}

}  // namespace korvat::ui
