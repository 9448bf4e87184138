#include "platform/Display.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/CommandBar.h"
#include "platform/Page.h"
#include "platform/ScreenFit.h"
#include "platform/SingleInstance.h"
#include "platform/TitleBar.h"
#include "platform/WindowTimers.h"

namespace korvat::platform {
namespace {

constexpr SDL_Rect kClientRect{0, kClientTop, kClientWidth, kClientHeight};
constexpr SDL_Rect kTitleRect{0, 0, kScreenWidth, kTitleBarHeight};
constexpr SDL_Rect kMenuBarRect{0, kMenuBarTop, kScreenWidth, kMenuBarHeight};
// How often raise requests are looked for while the loop has nothing else to do.
constexpr uint32_t kRaisePollMs = 250;
// The steps in which a wait sleeps between serving the window system.
constexpr uint32_t kServeStepMs = 10;

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

State& state() {
    static State s;
    return s;
}

bool contains(const SDL_Rect& r, int x, int y) {
    const SDL_Point p{x, y};
    return SDL_PointInRect(&p, &r);
}

// The layer that owns the chrome and under which nothing shows: the top one that is not an
// overlay.
int baseLayer() {
    const auto& stack = state().stack;
    int i = static_cast<int>(stack.size()) - 1;
    while (i > 0 && stack[i].overlay) {
        --i;
    }
    return i;
}

Page* chromePage() {
    const int base = baseLayer();
    return base >= 0 ? state().stack[base].page : nullptr;
}

CommandBar* shownBar() {
    Page* page = chromePage();
    return page != nullptr ? page->commandBar() : nullptr;
}

// The bar takes input only while its page is on top (not under a message box).
CommandBar* inputBar() {
    const auto& stack = state().stack;
    if (stack.empty() || stack.back().overlay) {
        return nullptr;
    }
    return stack.back().page->commandBar();
}

bool isVisible(const Page& page) {
    const auto& stack = state().stack;
    const int base = baseLayer();
    for (int i = base; i >= 0 && i < static_cast<int>(stack.size()); ++i) {
        if (stack[i].page == &page) {
            return true;
        }
    }
    return false;
}

// Copies `area` (device coordinates) of the device screen to the window, scaled.
SDL_Rect scaleToWindow(const SDL_Rect& area, SDL_Surface* target) {
    State& s = state();
    const int k = s.fit.scale;
    const SDL_Rect wanted{s.fit.offsetX + area.x * k, s.fit.offsetY + area.y * k, area.w * k,
                          area.h * k};
    const SDL_Rect bounds{0, 0, target->w, target->h};
    SDL_Rect clipped;
    if (!SDL_IntersectRect(&wanted, &bounds, &clipped)) {
        return SDL_Rect{0, 0, 0, 0};
    }
    SDL_Surface* src = s.device;
    if (src->format->format != target->format->format || src->format->BytesPerPixel != 4) {
        SDL_Rect from = area;
        SDL_Rect to = wanted;
        SDL_BlitScaled(src, &from, target, &to);
        return clipped;
    }
    if (SDL_MUSTLOCK(target)) {
        SDL_LockSurface(target);
    }
    const Uint8* srcPixels = static_cast<const Uint8*>(src->pixels);
    Uint8* dstPixels = static_cast<Uint8*>(target->pixels);
    int lastSourceRow = -1;
    Uint8* lastRow = nullptr;
    for (int y = clipped.y; y < clipped.y + clipped.h; ++y) {
        const int sourceRow = (y - s.fit.offsetY) / k;
        Uint32* row = reinterpret_cast<Uint32*>(dstPixels + y * target->pitch) + clipped.x;
        if (sourceRow == lastSourceRow) {
            std::memcpy(row, lastRow, clipped.w * 4);
            continue;
        }
        const Uint32* from = reinterpret_cast<const Uint32*>(srcPixels + sourceRow * src->pitch);
        for (int x = 0; x < clipped.w; ++x) {
            row[x] = from[(clipped.x + x - s.fit.offsetX) / k];
        }
        lastSourceRow = sourceRow;
        lastRow = reinterpret_cast<Uint8*>(row);
    }
    if (SDL_MUSTLOCK(target)) {
        SDL_UnlockSurface(target);
    }
    return clipped;
}

// The window's framebuffer, or null while there is no window or device screen to show.
SDL_Surface* windowSurface() {
    const State& s = state();
    if (s.window == nullptr || s.device == nullptr) {
        return nullptr;
    }
    return SDL_GetWindowSurface(s.window);
}

// Shows device-screen rectangles in the window at once.
void show(const SDL_Rect* areas, int count) {
    SDL_Surface* target = windowSurface();
    if (target == nullptr) {
        return;
    }
    std::vector<SDL_Rect> shown;
    for (int i = 0; i < count; ++i) {
        const SDL_Rect r = scaleToWindow(areas[i], target);
        if (r.w > 0 && r.h > 0) {
            shown.push_back(r);
        }
    }
    if (!shown.empty()) {
        SDL_UpdateWindowSurfaceRects(state().window, shown.data(), static_cast<int>(shown.size()));
    }
}

// The whole window: black around the device screen (after a resize or an expose).
void showWindow() {
    SDL_Surface* target = windowSurface();
    if (target == nullptr) {
        return;
    }
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    const SDL_Rect all{0, 0, kScreenWidth, kScreenHeight};
    scaleToWindow(all, target);
    SDL_UpdateWindowSurface(state().window);
}

void composeChrome() {
    State& s = state();
    if (s.device == nullptr) {
        return;
    }
    Page* page = chromePage();
    drawTitleBar(s.device, page != nullptr ? page->caption() : "", s.okPressed);
    if (CommandBar* bar = shownBar()) {
        bar->drawStrip(s.device);
    } else {
        CommandBar::drawEmptyStrip(s.device);
    }
}

// Composes `area` (client coordinates) of the visible pages onto the device screen; returns
// the device rectangles that changed, the open pop-ups included.
std::vector<SDL_Rect> composeClient(const SDL_Rect& area) {
    State& s = state();
    std::vector<SDL_Rect> changed;
    SDL_Rect clip;
    const SDL_Rect client{0, 0, kClientWidth, kClientHeight};
    if (s.device == nullptr || s.stack.empty() || !SDL_IntersectRect(&area, &client, &clip)) {
        return changed;
    }
    for (int i = baseLayer(); i < static_cast<int>(s.stack.size()); ++i) {
        const Layer& layer = s.stack[i];
        SDL_Rect part = clip;
        if (layer.overlay && !SDL_IntersectRect(&clip, &layer.area, &part)) {
            continue;
        }
        SDL_Surface* surface = layer.page->clientSurface();
        if (surface == nullptr) {
            continue;
        }
        SDL_Rect from = part;
        SDL_Rect to{part.x, part.y + kClientTop, part.w, part.h};
        SDL_BlitSurface(surface, &from, s.device, &to);
    }
    changed.push_back(SDL_Rect{clip.x, clip.y + kClientTop, clip.w, clip.h});
    if (CommandBar* bar = shownBar(); bar != nullptr && bar->menuOpen()) {
        bar->drawPopups(s.device);
        for (const SDL_Rect& popup : bar->popupRects()) {
            changed.push_back(popup);
        }
    }
    return changed;
}

// Everything again: the chrome, the client of the visible pages, the pop-ups.
void composeAndShowAll() {
    State& s = state();
    if (s.device == nullptr) {
        return;
    }
    // Without pages the last picture stays until the window closes.
    if (s.stack.empty()) {
        return;
    }
    composeChrome();
    composeClient(SDL_Rect{0, 0, kClientWidth, kClientHeight});
    const SDL_Rect all{0, 0, kScreenWidth, kScreenHeight};
    show(&all, 1);
}

void showChrome() {
    composeChrome();
    // The pop-ups lie over the client area and are drawn with it.
    if (CommandBar* bar = shownBar(); bar != nullptr && bar->menuOpen()) {
        composeClient(SDL_Rect{0, 0, kClientWidth, kClientHeight});
        const SDL_Rect all{0, 0, kScreenWidth, kScreenHeight};
        show(&all, 1);
        return;
    }
    const SDL_Rect areas[] = {kTitleRect, kMenuBarRect};
    show(areas, 2);
}

void refit() {
    State& s = state();
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(s.window, &w, &h);
    s.fit = fitScreen(w, h);
}

void paintTop() {
    State& s = state();
    if (!s.stack.empty()) {
        s.stack.back().page->onPaint();
    }
    composeAndShowAll();
}

void closeMenus() {
    if (CommandBar* bar = shownBar(); bar != nullptr && bar->menuOpen()) {
        bar->closeMenu();
        composeAndShowAll();
    }
}

// Applies what the bar did with an event; the command goes out once the pop-up is gone.
void applyBarOutcome(const CommandBar::Outcome& outcome) {
    if (outcome.redraw) {
        composeAndShowAll();
    }
    if (outcome.command != 0) {
        if (Page* page = chromePage()) {
            page->onCommand(outcome.command);
        }
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
    if (contains(titleBarOkButton(), x, y)) {
        s.okPressed = true;
        showChrome();
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
    if (s.okPressed) {
        s.okPressed = false;
        showChrome();
        if (inside && contains(titleBarOkButton(), x, y) && !s.stack.empty()) {
            s.stack.back().page->onOK();
        }
    }
}

bool isAltLetter(const SDL_Keysym& key) {
    return (key.mod & KMOD_ALT) != 0 && key.sym >= SDLK_a && key.sym <= SDLK_z;
}

// Whether a window manager runs on the window's X display (one that says so on the root).
bool windowManaged() {
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
    // An open menu has no use for it, and the page below it must not scroll unseen.
    if (s.stack.empty() || wheel.y == 0) {
        return;
    }
    if (CommandBar* bar = shownBar(); bar != nullptr && bar->menuOpen()) {
        return;
    }
    const int notches = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? wheel.y : -wheel.y;
    s.stack.back().page->onMouseWheel(notches * kRowsPerNotch);
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

// Xlib's default handler ends the process on any protocol error. SDL's X11 driver can meet a
// harmless one, such as a wake-up event sent to a window that is already gone at shutdown;
// the game plays on (or ends as asked) instead.
int ignoreXError(::Display*, XErrorEvent*) {
    return 0;
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

Display& Display::instance() {
    static Display display;
    return display;
}

namespace {

std::string noDisplayReason() {
    const char* x11 = std::getenv("DISPLAY");
    return x11 != nullptr && x11[0] != '\0'
               ? std::string("cannot connect to display \"") + x11 + "\""
               : std::string("no display (DISPLAY is not set)");
}

}  // namespace

bool Display::start(std::string& reason) {
    State& s = state();
    if (s.sdlStarted) {
        return true;
    }
    // The plain window framebuffer: presenting is a synchronous copy of the changed rectangles.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // A tap counts even when it is the one that brings the window to the front, as on the device.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    XSetErrorHandler(ignoreXError);
    const bool driverAsked = std::getenv("SDL_VIDEODRIVER") != nullptr;
    // Without a runtime folder no Wayland display can be reached, and SDL's attempt would only
    // add the Wayland library's own complaint to our one line.
    if (!driverAsked && std::getenv("XDG_RUNTIME_DIR") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    }
    // Joysticks and game controllers stay off: with them SDL polls instead of waiting.
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        reason = driverAsked ? SDL_GetError() : noDisplayReason();
        return false;
    }
    s.sdlStarted = true;
    // Without a display SDL falls back to a driver that shows nothing: the game would run
    // unseen until killed. Tests ask for one on purpose.
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool invisible = driver != nullptr && (std::strcmp(driver, "offscreen") == 0 ||
                                                 std::strcmp(driver, "dummy") == 0);
    if (invisible && !driverAsked) {
        reason = noDisplayReason();
        close();
        return false;
    }
    return true;
}

bool Display::open(const char* title) {
    State& s = state();
    if (s.window != nullptr) {
        return true;
    }
    std::string reason;
    if (!start(reason)) {
        return false;
    }
    // Without a sound device the game still plays, silently.
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    SDL_Rect usable{0, 0, kScreenWidth, kScreenHeight};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) {
        usable = SDL_Rect{0, 0, kScreenWidth, kScreenHeight};
    }
    const int scale = chooseScale(usable.w, usable.h);
    s.window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                kScreenWidth * scale, kScreenHeight * scale, SDL_WINDOW_RESIZABLE);
    if (s.window == nullptr) {
        close();
        return false;
    }
    SDL_SetWindowMinimumSize(s.window, kScreenWidth, kScreenHeight);
    SDL_Surface* target = SDL_GetWindowSurface(s.window);
    const Uint32 format =
        target != nullptr ? target->format->format : Uint32{SDL_PIXELFORMAT_XRGB8888};
    s.device = SDL_CreateRGBSurfaceWithFormat(0, kScreenWidth, kScreenHeight, 32, format);
    if (s.device == nullptr) {
        close();
        return false;
    }
    SDL_SetSurfaceBlendMode(s.device, SDL_BLENDMODE_NONE);
    refit();
    s.quit = false;
    s.quitCode = 0;
    // Nothing is shown yet: the first page presents the whole screen, and the window's first
    // expose event shows it again.
    return true;
}

void Display::close() {
    State& s = state();
    SDL_FreeSurface(s.device);
    s.device = nullptr;
    if (s.window != nullptr) {
        SDL_DestroyWindow(s.window);
        s.window = nullptr;
    }
    if (s.sdlStarted) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_TIMER);
        s.sdlStarted = false;
    }
}

bool Display::isOpen() const {
    return state().window != nullptr;
}

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

void Display::presentClient(Page& page, const SDL_Rect* area) {
    if (!isVisible(page)) {
        return;
    }
    const SDL_Rect whole{0, 0, kClientWidth, kClientHeight};
    const std::vector<SDL_Rect> changed = composeClient(area != nullptr ? *area : whole);
    show(changed.data(), static_cast<int>(changed.size()));
}

void Display::presentChrome() {
    showChrome();
}

void Display::raise() {
    State& s = state();
    if (s.window != nullptr) {
        SDL_RestoreWindow(s.window);
        SDL_RaiseWindow(s.window);
    }
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

SDL_Surface* Display::snapshot() const {
    const State& s = state();
    if (s.device == nullptr) {
        return nullptr;
    }
    return SDL_ConvertSurfaceFormat(s.device, SDL_PIXELFORMAT_XRGB8888, 0);
}

int Display::scale() const {
    return state().fit.scale;
}

SDL_Point Display::windowPoint(int deviceX, int deviceY) const {
    SDL_Point p{0, 0};
    deviceToWindow(state().fit, deviceX, deviceY, p.x, p.y);
    return p;
}

SDL_Window* Display::window() const {
    return state().window;
}

uint32_t tickCount() {
    return SDL_GetTicks();
}

}  // namespace korvat::platform
