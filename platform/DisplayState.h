#pragma once
// What the display's files share: the window, the composed device screen, the stack of modal
// pages and the input in progress. Display.cpp presents, DisplayInput.cpp dispatches events,
// DisplayLoop.cpp runs the modal loops and timers, and keeps input back while a turn plays.
#include <SDL.h>

#include <deque>
#include <functional>
#include <vector>

#include "platform/Display.h"
#include "platform/ScreenFit.h"
#include "platform/WindowTimers.h"

namespace korvat::platform {

class CommandBar;

namespace screen {

constexpr SDL_Rect kScreenRect{0, 0, kScreenWidth, kScreenHeight};
constexpr SDL_Rect kWholeClient{0, 0, kClientWidth, kClientHeight};  // in client coordinates
constexpr SDL_Rect kClientRect{0, kClientTop, kClientWidth, kClientHeight};
constexpr SDL_Rect kTitleRect{0, 0, kScreenWidth, kTitleBarHeight};
constexpr SDL_Rect kMenuBarRect{0, kMenuBarTop, kScreenWidth, kMenuBarHeight};

struct Layer {
    Page* page;
    bool overlay;                     // shows only `area` of its client over the layer below
    SDL_Rect area;                    // client coordinates
    bool opened;                      // served by the running loop rather than a loop of its own
    std::function<void(int)> closed;  // an opened page's owner, told its result
};

// The press and release of the title bar's OK button, in device coordinates: a click is a
// release on the button after a press on it.
struct OkButtonPress {
    bool pressed = false;  // drawn pressed in

    // Whether the press is on the button (it is then pressed).
    bool press(int x, int y);
    // Whether the release completes a click; `inside` is false off the device screen.
    bool release(int x, int y, bool inside);
};

// An input event kept back while input is held.
struct HeldEvent {
    SDL_Event event;
    bool endRequest;  // asks to end the program
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
    OkButtonPress ok;
    CommandBar* trackedBar = nullptr;  // the bar that took the last press
    bool holding = false;
    std::deque<HeldEvent> held;  // oldest first
    OkButtonPress heldOk;        // the OK button as it will be once `held` is dispatched
    SingleInstance* raiseSource = nullptr;
    SDL_Rect windowedPlace{};  // where the window was before full screen without a manager
    bool largeWithoutManager = false;
};

State& state();

// Presenting (Display.cpp).
Page* chromePage();
CommandBar* shownBar();
// The page's place in the stack, -1 when it is not there.
int layerIndex(const Page& page);
void showWindow();
void composeAndShowAll();
void refit();
void paintTop();

// Hands an event to the top page, its bar or the window (DisplayInput.cpp).
void dispatch(const SDL_Event& event);

}  // namespace screen
}  // namespace korvat::platform
