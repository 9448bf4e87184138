#pragma once
// What the display's files share: the window, the composed device screen, the stack of modal
// pages and the input in progress. Display.cpp presents, DisplayInput.cpp dispatches events,
// DisplayLoop.cpp runs the modal loops, waits and timers.
#include <SDL.h>

#include <vector>

#include "platform/Display.h"
#include "platform/ScreenFit.h"
#include "platform/WindowTimers.h"

namespace korvat::platform {

class CommandBar;

namespace screen {

constexpr SDL_Rect kClientRect{0, kClientTop, kClientWidth, kClientHeight};
constexpr SDL_Rect kTitleRect{0, 0, kScreenWidth, kTitleBarHeight};
constexpr SDL_Rect kMenuBarRect{0, kMenuBarTop, kScreenWidth, kMenuBarHeight};

struct Layer {
    Page* page;
    bool overlay;   // shows only `area` of its client over the layer below
    SDL_Rect area;  // client coordinates
};

struct State {
    bool sdlStarted = false;
    SDL_Window* window = nullptr;
    SDL_Surface* device = nullptr;  // the composed 240 x 320 screen, in the window's format
    ScreenFit fit;
    std::vector<Layer> stack;
    WindowTimers timers;
    bool quit = false;
    int quitCode = 0;
    bool okPressed = false;            // the title bar's "ok" is held down
    CommandBar* trackedBar = nullptr;  // the bar that took the last press
    SingleInstance* raiseSource = nullptr;
    SDL_Rect windowedPlace{};  // where the window was before full screen without a manager
    bool largeWithoutManager = false;
};

State& state();

inline bool contains(const SDL_Rect& r, int x, int y) {
    const SDL_Point p{x, y};
    return SDL_PointInRect(&p, &r);
}

// Presenting (Display.cpp).
Page* chromePage();
CommandBar* shownBar();
void showWindow();
void composeAndShowAll();
void showChrome();
void refit();
void paintTop();

// Hands an event to the top page, its bar or the window (DisplayInput.cpp).
void dispatch(const SDL_Event& event);

}  // namespace screen
}  // namespace korvat::platform
