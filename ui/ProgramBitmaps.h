#pragma once
// The bitmaps compiled into the program, for contexts that bring no loader of their own.
#include <SDL.h>

#include "platform/Resources.h"

namespace korvat::ui {

// The caller frees it; null on failure.
inline SDL_Surface* loadProgramBitmap(int id) {
    return platform::loadBitmap(id);
}

}  // namespace korvat::ui
