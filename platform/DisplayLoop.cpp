#include "platform/DisplayState.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "platform/CommandBar.h"
#include "platform/Page.h"
#include "platform/SingleInstance.h"

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

// The player's input, kept back while a turn plays; the window's events and quits are not.
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

// One that asks to end the program tells the bottom page at once.
void holdEvent(const SDL_Event& event) {
    State& s = state();
    const bool endRequest = asksToEnd(event);
    s.held.push_back(HeldEvent{event, endRequest});
    if (endRequest) {
        s.stack.front().page->onEndRequest();
    }
}

bool heldEventWaiting() {
    const State& s = state();
    return !s.holding && !s.held.empty();
}

// The oldest held event, once holding has ended.
bool takeHeldEvent(SDL_Event& event) {
    if (!heldEventWaiting()) {
        return false;
    }
    event = state().held.front().event;
    state().held.pop_front();
    return true;
}

// No page is left to take the held input.
void dropHeldInput() {
    State& s = state();
    s.holding = false;
    s.held.clear();
}

// How often raise requests are looked for while the loop has nothing else to do.
constexpr uint32_t kRaisePollMs = 250;

void pollRaiseRequests() {
    SingleInstance* source = state().raiseSource;
    if (source != nullptr && source->takeRaiseRequests()) {
        Display::instance().raise();
    }
}

void fireTimers() {
    state().timers.fireDue(tickCount(), [](Page& page, int id) { page.onTimer(id); });
}

// A loop ends with its page, with any page below it (its owner), or with a quit.
bool loopEnded(const Page& page) {
    State& s = state();
    const int index = layerIndex(page);
    return s.quit || index < 0 ||
           std::any_of(s.stack.begin(), s.stack.begin() + index + 1,
                       [](const Layer& l) { return l.page->modalEnded(); });
}

// Whether the pages that remain would have their loops go on.
bool stackLives() {
    const State& s = state();
    return !s.quit && std::none_of(s.stack.begin(), s.stack.end(),
                                   [](const Layer& l) { return l.page->modalEnded(); });
}

void pushLayer(Page& page, bool overlay, const SDL_Rect& area, bool opened,
               std::function<void(int)> closed) {
    State& s = state();
    // A menu open on the page below closes first.
    if (CommandBar* bar = shownBar(); bar != nullptr && bar->menuOpen()) {
        bar->closeMenu();
        composeAndShowAll();
    }
    s.ok.pressed = false;
    s.trackedBar = nullptr;
    page.resetModal();
    s.stack.push_back(Layer{&page, overlay, area, opened, std::move(closed)});
    paintTop();
}

// Takes the page off the stack with its timers; the caller repaints.
void takeOff(int index) {
    State& s = state();
    Page* page = s.stack[index].page;
    s.stack.erase(s.stack.begin() + index);
    s.timers.killAll(page);
    s.ok.pressed = false;
    s.trackedBar = nullptr;
    if (s.stack.empty()) {
        dropHeldInput();
    }
}

// Takes off the ended pages opened over the loop's page, the top one first, and tells their
// owners once each is off, unless the loop is ending. One at a time: a callback may open,
// close or run pages.
void closeEndedOpened(const Page& loopPage) {
    State& s = state();
    for (;;) {
        if (loopEnded(loopPage)) {
            return;
        }
        int ended = -1;
        for (int i = static_cast<int>(s.stack.size()) - 1; i > layerIndex(loopPage); --i) {
            if (s.stack[i].opened && s.stack[i].page->modalEnded()) {
                ended = i;
                break;
            }
        }
        if (ended < 0) {
            return;
        }
        const int result = s.stack[ended].page->modalResult();
        const std::function<void(int)> closed = std::move(s.stack[ended].closed);
        takeOff(ended);
        paintTop();
        if (closed) {
            closed(result);
        }
    }
}

void take(const SDL_Event& event, const Page& loopPage) {
    if (state().holding && isInput(event)) {
        holdEvent(event);
    } else {
        dispatch(event);
    }
    closeEndedOpened(loopPage);
}

// Held input whose holding ended comes before anything newer.
bool nextEvent(SDL_Event& event) {
    return takeHeldEvent(event) || SDL_PollEvent(&event) != 0;
}

// Serves the stack until the loop of `page` ends: events, held input, timers, and the pages
// opened over it.
void serve(const Page& page) {
    State& s = state();
    SDL_Event event;
    while (!loopEnded(page)) {
        // Timer ticks come only when no other input waits, as window timers do.
        while (!loopEnded(page) && nextEvent(event)) {
            take(event, page);
        }
        if (loopEnded(page)) {
            break;
        }
        fireTimers();
        closeEndedOpened(page);
        if (loopEnded(page) || heldEventWaiting()) {
            continue;  // a timer ended the hold: the held input goes first
        }
        int32_t wait = s.timers.msUntilNext(tickCount());
        if (s.raiseSource != nullptr && (wait < 0 || wait > int32_t{kRaisePollMs})) {
            wait = kRaisePollMs;
        }
        if (SDL_WaitEventTimeout(&event, wait < 0 ? -1 : wait) != 0) {
            take(event, page);
        }
        pollRaiseRequests();
    }
}

int runLayer(Page& page, bool overlay, const SDL_Rect& area) {
    State& s = state();
    pushLayer(page, overlay, area, false, nullptr);
    serve(page);
    // Nested loops end from the top, so only pages opened over this one remain above it; they
    // go with it, unannounced.
    while (layerIndex(page) >= 0) {
        takeOff(static_cast<int>(s.stack.size()) - 1);
    }
    if (stackLives()) {
        paintTop();
    }
    return page.modalEnded() ? page.modalResult() : 0;
}

}  // namespace
}  // namespace screen

using namespace screen;

int Display::runModal(Page& page) {
    return runLayer(page, false, kWholeClient);
}

int Display::runModalOver(Page& page, const SDL_Rect& area) {
    return runLayer(page, true, area);
}

void Display::openModal(Page& page, std::function<void(int)> closed) {
    pushLayer(page, false, kWholeClient, true, std::move(closed));
}

void Display::openModalOver(Page& page, const SDL_Rect& area, std::function<void(int)> closed) {
    pushLayer(page, true, area, true, std::move(closed));
}

void Display::closeModal(Page& page) {
    State& s = state();
    const int index = layerIndex(page);
    if (index < 0 || !s.stack[index].opened) {
        return;
    }
    const bool wasTop = index == static_cast<int>(s.stack.size()) - 1;
    takeOff(index);
    if (wasTop && !s.quit) {
        paintTop();
    } else {
        composeAndShowAll();
    }
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
    const auto& held = state().held;
    return std::any_of(held.begin(), held.end(), [](const HeldEvent& e) { return e.endRequest; });
}

uint32_t tickCount() {
    return SDL_GetTicks();
}

}  // namespace korvat::platform
