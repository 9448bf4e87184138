#include "platform/CommandBar.h"
#include "platform/DisplayState.h"
#include "platform/Page.h"

namespace korvat::platform {
namespace screen {
namespace {

// Whether the held event asks to end the program: a key the top page ends it with, or a click
// on the title bar's OK while the bottom page, whose loop is the program's, is the only one.
bool asksToEnd(const SDL_Event& event) {
    State& s = state();
    if (s.stack.empty()) {
        return false;
    }
    if (event.type == SDL_KEYDOWN) {
        return s.stack.back().page->endsProgram(event.key.keysym);
    }
    if ((event.type != SDL_MOUSEBUTTONDOWN && event.type != SDL_MOUSEBUTTONUP) ||
        event.button.button != SDL_BUTTON_LEFT) {
        return false;
    }
    int x = -1;
    int y = -1;
    const bool inside = windowToDevice(s.fit, event.button.x, event.button.y, x, y);
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        if (inside) {
            s.heldOk.press(x, y);
        }
        return false;
    }
    const bool click = s.heldOk.release(x, y, inside);
    const CommandBar* bar = shownBar();
    return click && s.stack.size() == 1 && (bar == nullptr || !bar->menuOpen());
}

}  // namespace

bool isInput(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
        case SDL_TEXTEDITING:
        case SDL_TEXTEDITING_EXT:
        case SDL_TEXTINPUT:
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
        case SDL_MOUSEWHEEL:
        case SDL_FINGERDOWN:
        case SDL_FINGERUP:
        case SDL_FINGERMOTION:
        case SDL_MULTIGESTURE:
        case SDL_DOLLARGESTURE:
            return true;
        default:
            return false;
    }
}

void holdEvent(const SDL_Event& event) {
    State& s = state();
    const bool endRequest = asksToEnd(event);
    s.held.push_back(HeldEvent{event, endRequest});
    if (endRequest) {
        ++s.heldEndRequests;
        s.stack.front().page->onEndRequest();
    }
}

bool takeHeldEvent(SDL_Event& event) {
    State& s = state();
    if (s.holding || s.held.empty()) {
        return false;
    }
    event = s.held.front().event;
    if (s.held.front().endRequest) {
        --s.heldEndRequests;
    }
    s.held.pop_front();
    return true;
}

bool heldEventWaiting() {
    const State& s = state();
    return !s.holding && !s.held.empty();
}

void dropHeldInput() {
    State& s = state();
    s.holding = false;
    s.held.clear();
    s.heldEndRequests = 0;
}

}  // namespace screen

using namespace screen;

void Display::holdInput(bool held) {
    State& s = state();
    // Held events already stand for the button's state after them.
    if (held && !s.holding && s.held.empty()) {
        s.heldOk = s.ok;
    }
    s.holding = held;
}

bool Display::inputHeld() const {
    return state().holding;
}

bool Display::endRequestHeld() const {
    return state().heldEndRequests > 0;
}

}  // namespace korvat::platform
