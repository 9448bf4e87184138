// The least an SDL program of the game's kind does: the same subsystems, a window of the
// same size made the same way, one white frame on its surface, then it waits for events.
// The start-up benchmark measures the game against it.
#include <SDL.h>

#include <algorithm>

namespace {

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;

}  // namespace

int main(int, char**) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_TIMER) != 0 &&
        SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        return 1;
    }
    SDL_Rect usable{0, 0, kScreenWidth, kScreenHeight};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) {
        usable = SDL_Rect{0, 0, kScreenWidth, kScreenHeight};
    }
    const int scale = std::max(1, std::min(usable.w / kScreenWidth, usable.h / kScreenHeight));
    SDL_Window* window =
        SDL_CreateWindow("Bare window", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         kScreenWidth * scale, kScreenHeight * scale, SDL_WINDOW_RESIZABLE);
    if (window == nullptr) {
        SDL_Quit();
        return 1;
    }
    SDL_SetWindowMinimumSize(window, kScreenWidth, kScreenHeight);
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface != nullptr) {
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 255, 255, 255));
        SDL_UpdateWindowSurface(window);
    }
    SDL_Event event;
    while (SDL_WaitEvent(&event) != 0 && event.type != SDL_QUIT) {
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            SDL_UpdateWindowSurface(window);
        }
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
