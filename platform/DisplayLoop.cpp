#include "platform/DisplayState.h"

#include <algorithm>
#include <vector>

#include "platform/CommandBar.h"
#include "platform/Page.h"
#include "platform/SingleInstance.h"
#include "platform/TitleBar.h"

namespace korvat::platform {
namespace screen {
namespace {

// How often raise requests are looked for while the loop has nothing else to do.
constexpr uint32_t kRaisePollMs = 250;
// The steps in which a wait sleeps between serving the window system.
constexpr uint32_t kServeStepMs = 10;

void closeMenus() {
    if (CommandBar* bar = shownBar(); bar != nullptr && bar->menuOpen()) {
        bar->closeMenu();
        composeAndShowAll();
    }
}

void pollRaiseRequests() {
    SingleInstance* source = state().raiseSource;
    if (source != nullptr && source->takeRaiseRequests()) {
        Display::instance().raise();
    }
}

bool onOkButton(int windowX, int windowY) {
    int x = -1;
    int y = -1;
    return windowToDevice(state().fit, windowX, windowY, x, y) &&
           contains(titleBarOkButton(), x, y);
}

// An end request in the queue: a quit (the window's close button, SIGTERM, SIGINT), a click
// on the title bar's OK of the bottom page, whose loop is the program's, or a key the top page
// ends the program with.
bool endRequestQueued() {
    State& s = state();
    if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) > 0) {
        return true;
    }
    if (s.stack.empty()) {
        return false;
    }
    constexpr int kLookAhead = 64;
    SDL_Event queued[kLookAhead];
    const int keys = SDL_PeepEvents(queued, kLookAhead, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYDOWN);
    for (int i = 0; i < keys; ++i) {
        if (s.stack.back().page->endsProgram(queued[i].key.keysym)) {
            return true;
        }
    }
    if (s.stack.size() != 1 || (shownBar() != nullptr && shownBar()->menuOpen())) {
        return false;
    }
    const int buttons =
        SDL_PeepEvents(queued, kLookAhead, SDL_PEEKEVENT, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP);
    bool pressed = s.okPressed;
    for (int i = 0; i < buttons; ++i) {
        const SDL_MouseButtonEvent& button = queued[i].button;
        if (button.button != SDL_BUTTON_LEFT) {
            continue;
        }
        const bool onOk = onOkButton(button.x, button.y);
        if (button.type == SDL_MOUSEBUTTONUP && pressed && onOk) {
            return true;
        }
        pressed = button.type == SDL_MOUSEBUTTONDOWN && onOk;
    }
    return false;
}

void fireTimers() {
    state().timers.fireDue(tickCount(), [](Page& page, int id) { page.onTimer(id); });
}

// A loop ends with its page, with any page below it (its owner), or with a quit.
bool loopEnded(size_t depth) {
    State& s = state();
    if (s.quit) {
        return true;
    }
    for (size_t i = 0; i < depth && i < s.stack.size(); ++i) {
        if (s.stack[i].page->modalEnded()) {
            return true;
        }
    }
    return false;
}

int runLayer(Page& page, bool overlay, const SDL_Rect& area) {
    State& s = state();
    closeMenus();
    s.okPressed = false;
    s.trackedBar = nullptr;
    page.resetModal();
    s.stack.push_back(Layer{&page, overlay, area});
    const size_t depth = s.stack.size();
    paintTop();
    SDL_Event event;
    while (!loopEnded(depth)) {
        // Timer ticks come only when no other input waits, as window timers do.
        while (!loopEnded(depth) && SDL_PollEvent(&event) != 0) {
            dispatch(event);
        }
        if (loopEnded(depth)) {
            break;
        }
        fireTimers();
        if (loopEnded(depth)) {
            break;
        }
        int32_t wait = s.timers.msUntilNext(tickCount());
        if (s.raiseSource != nullptr && (wait < 0 || wait > int32_t{kRaisePollMs})) {
            wait = kRaisePollMs;
        }
        if (SDL_WaitEventTimeout(&event, wait < 0 ? -1 : wait) != 0) {
            dispatch(event);
        }
        pollRaiseRequests();
    }
    // Nested loops end from the top, so this page is the top one here.
    if (!s.stack.empty() && s.stack.back().page == &page) {
        s.stack.pop_back();
    } else {
        std::erase_if(s.stack, [&](const Layer& l) { return l.page == &page; });
    }
    s.timers.killAll(&page);
    s.okPressed = false;
    s.trackedBar = nullptr;
    if (!loopEnded(s.stack.size() + 1)) {
        paintTop();
    }
    return page.modalEnded() ? page.modalResult() : 0;
}

}  // namespace
}  // namespace screen

using screen::dispatch;
using screen::endRequestQueued;
using screen::kServeStepMs;
using screen::pollRaiseRequests;
using screen::runLayer;
using screen::State;
using screen::state;

int Display::runModal(Page& page) {
    return runLayer(page, false, SDL_Rect{0, 0, kClientWidth, kClientHeight});
}

int Display::runModalOver(Page& page, const SDL_Rect& area) {
    return runLayer(page, true, area);
}

Page* Display::topPage() const {
    const auto& stack = state().stack;
    return stack.empty() ? nullptr : stack.back().page;
}

void Display::postQuit(int exitCode) {
    State& s = state();
    s.quit = true;
    s.quitCode = exitCode;
    // Wakes a loop that waits for events.
    SDL_Event wake{};
    wake.type = SDL_USEREVENT;
    SDL_PushEvent(&wake);
}

bool Display::quitPosted() const {
    return state().quit;
}

int Display::quitCode() const {
    return state().quitCode;
}

void Display::setTimer(Page& page, int id, uint32_t periodMs) {
    state().timers.set(&page, id, periodMs, tickCount());
}

void Display::killTimer(Page& page, int id) {
    state().timers.kill(&page, id);
}

void Display::killTimers(Page& page) {
    state().timers.killAll(&page);
}

void Display::serveRaiseRequests(SingleInstance* instance) {
    state().raiseSource = instance;
}

void Display::waitServing(uint32_t ms) {
    State& s = state();
    if (!s.sdlStarted) {
        SDL_Delay(ms);
        return;
    }
    const uint32_t start = tickCount();
    for (;;) {
        SDL_PumpEvents();  // answers the window manager's ping on the way
        SDL_Event events[16];
        int count;
        while ((count = SDL_PeepEvents(events, 16, SDL_GETEVENT, SDL_WINDOWEVENT,
                                       SDL_WINDOWEVENT)) > 0) {
            for (int i = 0; i < count; ++i) {
                dispatch(events[i]);
            }
        }
        pollRaiseRequests();
        if (endRequestQueued()) {
            return;
        }
        const uint32_t waited = tickCount() - start;
        if (waited >= ms) {
            return;
        }
        SDL_Delay(std::min(ms - waited, kServeStepMs));
    }
}

uint32_t tickCount() {
    return SDL_GetTicks();
}

}  // namespace korvat::platform
