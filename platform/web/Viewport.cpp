// The game's window fills the viewport in device pixels, so that the game's own whole-factor
// fit is the largest one of the screen's pixels: sized as it is shown, before its first paint,
// and again on every resize (Page.js).
#include "platform/web/Viewport.h"

#include <SDL.h>
#include <emscripten.h>

#include "platform/Display.h"

namespace {

EM_JS(int, viewportWidth, (),
      { return Math.round(window.innerWidth * (window.devicePixelRatio || 1)); });
EM_JS(int, viewportHeight, (),
      { return Math.round(window.innerHeight * (window.devicePixelRatio || 1)); });

void fit(SDL_Window* window, int width, int height) {
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window, &w, &h);
    if (width > 0 && height > 0 && (w != width || h != height)) {
        SDL_SetWindowSize(window, width, height);
    }
}

int fitWhenShown(void*, SDL_Event* event) {
    if (event->type == SDL_WINDOWEVENT && event->window.event == SDL_WINDOWEVENT_SHOWN) {
        if (SDL_Window* window = SDL_GetWindowFromID(event->window.windowID)) {
            fit(window, viewportWidth(), viewportHeight());
        }
    }
    return 1;
}

}  // namespace

namespace korvat::platform::web {

void fitWindowsToViewport() {
    SDL_AddEventWatch(fitWhenShown, nullptr);
}

}  // namespace korvat::platform::web

extern "C" EMSCRIPTEN_KEEPALIVE int korvatViewport(int width, int height) {
    SDL_Window* window = korvat::platform::Display::instance().window();
    if (window == nullptr) {
        return 0;
    }
    fit(window, width, height);
    return 1;
}
