#pragma once
// What a drawing operation needs from its caller: the surface to draw on and its services.
// Callbacks left null do nothing.
#include <SDL.h>

#include <cstdint>

namespace korvat::ui {

struct DrawContext {
    SDL_Surface* target = nullptr;
    // Show the given rectangle of the target (it has just been drawn).
    void (*present)(void* user, const SDL_Rect* area) = nullptr;
    // The modal message box of the main window ("ERROR!").
    void (*showMessage)(void* user, const char* text) = nullptr;
    void* user = nullptr;
    // Where the bitmaps come from (caller of it frees the result); null: the program's resources.
    SDL_Surface* (*loadBitmap)(void* user, int id) = nullptr;
};

}  // namespace korvat::ui
