// The page sizes the game's window to the viewport in device pixels (Page.js); the game then
// fits the device screen in it as in any window that is resized.
#include <SDL.h>
#include <emscripten.h>

#include "platform/Display.h"

extern "C" EMSCRIPTEN_KEEPALIVE int korvatViewport(int width, int height) {
    SDL_Window* window = korvat::platform::Display::instance().window();
    if (window == nullptr || width <= 0 || height <= 0) {
        return 0;
    }
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window, &w, &h);
    if (w != width || h != height) {
        SDL_SetWindowSize(window, width, height);
    }
    return 1;
}
