#pragma once
// The bitmaps compiled into the program, for contexts that bring no loader of their own.
#include <SDL.h>

namespace korvat::ui {

SDL_Surface* loadProgramBitmap(int id);  // caller frees; null on failure

}  // namespace korvat::ui
