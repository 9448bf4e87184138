#include "platform/DisplayState.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "platform/CommandBar.h"
#include "platform/Page.h"
#include "platform/TitleBar.h"

namespace korvat::platform::screen {
namespace {

// The bar takes input only while its page is on top (not under a message box).
CommandBar* inputBar() {
    const auto& stack = state().stack;
    if (stack.empty() || stack.back().overlay) {
        return nullptr;
    }
    return stack.back().page->commandBar();
}

// Applies what the bar did with an event; the command goes out once the pop-up is gone.
void applyBarOutcome(const CommandBar::Outcome& outcome) {
    if (outcome.redraw) {
        composeAndShowAll();
    }
    if (Page* page = chromePage(); page != nullptr && outcome.command != 0) {
        page->onCommand(outcome.command);
    }
}

void onMouseDown(int x, int y) {
    State& s = state();
    if (s.stack.empty()) {
        return;
    }
    Page& top = *s.stack.back().page;
    CommandBar* bar = inputBar();
    if (bar != nullptr && (bar->menuOpen() || contains(kMenuBarRect, x, y))) {
        s.trackedBar = bar;
        applyBarOutcome(bar->mouseDown(x, y));
        return;
    }
    if (s.ok.press(x, y)) {
        Display::instance().presentChrome();
    } else if (contains(kClientRect, x, y)) {
        top.onMouseDown(x, y - kClientTop);
    }
}

void onMouseUp(int x, int y, bool inside) {
    State& s = state();
    if (s.trackedBar != nullptr) {
        CommandBar* bar = s.trackedBar;
        s.trackedBar = nullptr;
        if (bar == inputBar()) {
            applyBarOutcome(bar->mouseUp(inside ? x : -1, inside ? y : -1));
        }
        return;
    }
    if (s.ok.pressed) {
        const bool click = s.ok.release(x, y, inside);
        Display::instance().presentChrome();
        if (click && !s.stack.empty()) {
            s.stack.back().page->onOK();
        }
    }
}

bool isAltLetter(const SDL_Keysym& key) {
    return (key.mod & KMOD_ALT) != 0 && key.sym >= SDLK_a && key.sym <= SDLK_z;
}

// Whether a window manager runs on the window's X display (one that says so on the root).
bool windowManaged() {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(state().window, &info) || info.subsystem != SDL_SYSWM_X11) {
        return true;  // not X: the desktop is assumed to act on the request
    }
    ::Display* x = info.info.x11.display;
    const Atom check = XInternAtom(x, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(x, DefaultRootWindow(x), check, 0, 1, False, XA_WINDOW,
                                          &type, &format, &items, &left, &data) == Success &&
                       type == XA_WINDOW && items == 1;
    if (data != nullptr) {
        XFree(data);
    }
    return found;
#else
    return true;  // no X: the system acts on the request (a browser's full screen)
#endif
}

void toggleFullScreen() {
    State& s = state();
    if (windowManaged()) {
        const bool full = (SDL_GetWindowFlags(s.window) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
                          SDL_WINDOW_FULLSCREEN_DESKTOP;
        SDL_SetWindowFullscreen(s.window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
        return;
    }
    // Nobody would act on a full-screen request, while SDL would take the window for as large
    // as the display and draw it so: the window is made that large, and back, by hand.
    if (s.largeWithoutManager) {
        SDL_SetWindowSize(s.window, s.windowedPlace.w, s.windowedPlace.h);
        SDL_SetWindowPosition(s.window, s.windowedPlace.x, s.windowedPlace.y);
    } else {
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(s.window), &bounds) != 0) {
            return;
        }
        SDL_GetWindowPosition(s.window, &s.windowedPlace.x, &s.windowedPlace.y);
        SDL_GetWindowSize(s.window, &s.windowedPlace.w, &s.windowedPlace.h);
        SDL_SetWindowPosition(s.window, bounds.x, bounds.y);
        SDL_SetWindowSize(s.window, bounds.w, bounds.h);
    }
    s.largeWithoutManager = !s.largeWithoutManager;
}

void onKeyDown(const SDL_KeyboardEvent& event) {
    State& s = state();
    const SDL_Keysym& key = event.keysym;
    if (key.sym == SDLK_F11) {
        if (!event.repeat && s.window != nullptr) {
            toggleFullScreen();
        }
        return;
    }
    if (s.stack.empty()) {
        return;
    }
    CommandBar* bar = inputBar();
    if (bar != nullptr && (bar->menuOpen() || isAltLetter(key))) {
        const CommandBar::Outcome outcome = bar->keyDown(key);
        if (outcome.handled) {
            applyBarOutcome(outcome);
            return;
        }
    }
    Page& top = *s.stack.back().page;
    if (top.onKeyDown(key)) {
        return;
    }
    if (event.repeat) {
        return;
    }
    if (key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER) {
        top.onOK();
    } else if (key.sym == SDLK_ESCAPE || key.sym == SDLK_AC_BACK) {
        top.onCancel();
    }
}

// One notch of the wheel scrolls as many rows as desktop lists do.
constexpr int kRowsPerNotch = 3;

void onWheel(const SDL_MouseWheelEvent& wheel) {
    State& s = state();
    const CommandBar* bar = shownBar();
    // An open menu has no use for it, and the page below it must not scroll unseen.
    if (s.stack.empty() || wheel.y == 0 || (bar != nullptr && bar->menuOpen())) {
        return;
    }
    const int notches = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? wheel.y : -wheel.y;
    s.stack.back().page->onMouseWheel(notches * kRowsPerNotch);
}

}  // namespace

bool OkButtonPress::press(int x, int y) {
    const bool onButton = contains(titleBarOkButton(), x, y);
    pressed = pressed || onButton;
    return onButton;
}

bool OkButtonPress::release(int x, int y, bool inside) {
    const bool click = pressed && inside && contains(titleBarOkButton(), x, y);
    pressed = false;
    return click;
}

void dispatch(const SDL_Event& event) {
    State& s = state();
    switch (event.type) {
        case SDL_QUIT:
            if (!s.stack.empty()) {
                s.stack.front().page->onClose();
            } else {
                Display::instance().postQuit(0);
            }
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                refit();
                showWindow();
            } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                showWindow();
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            if (event.button.button != SDL_BUTTON_LEFT) {
                break;
            }
            int x = -1;
            int y = -1;
            const bool inside = windowToDevice(s.fit, event.button.x, event.button.y, x, y);
            if (event.type == SDL_MOUSEBUTTONUP) {
                onMouseUp(x, y, inside);
            } else if (inside) {
                onMouseDown(x, y);
            }
            break;
        }
        case SDL_MOUSEMOTION: {
            CommandBar* bar = inputBar();
            int x = -1;
            int y = -1;
            if (bar != nullptr && bar->menuOpen() &&
                windowToDevice(s.fit, event.motion.x, event.motion.y, x, y)) {
                applyBarOutcome(bar->mouseMove(x, y));
            }
            break;
        }
        case SDL_KEYDOWN:
            onKeyDown(event.key);
            break;
        case SDL_MOUSEWHEEL:
            onWheel(event.wheel);
            break;
        case SDL_TEXTINPUT:
            if (!s.stack.empty()) {
                s.stack.back().page->onTextInput(event.text.text);
            }
            break;
        default:
            break;
    }
}

}  // namespace korvat::platform::screen
