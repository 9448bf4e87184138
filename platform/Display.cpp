#include "platform/DisplayState.h"

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/CommandBar.h"
#include "platform/Page.h"
#include "platform/TitleBar.h"

namespace korvat::platform {
namespace screen {
namespace {

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

bool isVisible(const Page& page) {
    const int index = layerIndex(page);
    return index >= 0 && index >= baseLayer();
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

void composeChrome() {
    State& s = state();
    if (s.device == nullptr) {
        return;
    }
    Page* page = chromePage();
    drawTitleBar(s.device, page != nullptr ? page->caption() : "", s.ok.pressed);
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
    if (s.device == nullptr || s.stack.empty() || !SDL_IntersectRect(&area, &kWholeClient, &clip)) {
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

// Xlib's default handler ends the process on any protocol error. SDL's X11 driver can meet a
// harmless one, such as a wake-up event sent to a window that is already gone at shutdown;
// the game plays on (or ends as asked) instead.
#if defined(SDL_VIDEO_DRIVER_X11)
int ignoreXError(::Display*, XErrorEvent*) {
    return 0;
}
#endif

std::string noDisplayReason() {
    const char* x11 = std::getenv("DISPLAY");
    return x11 != nullptr && x11[0] != '\0'
               ? std::string("cannot connect to display \"") + x11 + "\""
               : std::string("no display (DISPLAY is not set)");
}

}  // namespace

State& state() {
    static State s;
    return s;
}

Page* chromePage() {
    const int base = baseLayer();
    return base >= 0 ? state().stack[base].page : nullptr;
}

CommandBar* shownBar() {
    Page* page = chromePage();
    return page != nullptr ? page->commandBar() : nullptr;
}

int layerIndex(const Page& page) {
    const auto& stack = state().stack;
    const auto hit = std::find_if(stack.begin(), stack.end(),
                                  [&](const Layer& layer) { return layer.page == &page; });
    return hit != stack.end() ? static_cast<int>(hit - stack.begin()) : -1;
}

// The whole window: black around the device screen (after a resize or an expose).
void showWindow() {
    SDL_Surface* target = windowSurface();
    if (target == nullptr) {
        return;
    }
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    scaleToWindow(kScreenRect, target);
    SDL_UpdateWindowSurface(state().window);
}

// Everything again: the chrome, the client of the visible pages, the pop-ups.
void composeAndShowAll() {
    // Without pages the last picture stays until the window closes.
    if (state().device == nullptr || state().stack.empty()) {
        return;
    }
    composeChrome();
    composeClient(kWholeClient);
    show(&kScreenRect, 1);
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

}  // namespace screen

using namespace screen;

Display& Display::instance() {
    static Display display;
    return display;
}

bool Display::start(std::string& reason) {
    State& s = state();
    if (s.sdlStarted) {
        return true;
    }
    // The plain window framebuffer: presenting is a synchronous copy of the changed rectangles.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // A tap counts even when it is the one that brings the window to the front, as on the device.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
#if defined(SDL_VIDEO_DRIVER_X11)
    XSetErrorHandler(ignoreXError);
#endif
    const bool driverAsked = std::getenv("SDL_VIDEODRIVER") != nullptr;
    // Without a runtime folder no Wayland display can be reached, and SDL's attempt would only
    // add the Wayland library's own complaint to our one line.
#if defined(SDL_VIDEO_DRIVER_X11)
    if (!driverAsked && std::getenv("XDG_RUNTIME_DIR") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    }
#endif
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

void Display::presentClient(Page& page, const SDL_Rect* area) {
    if (!isVisible(page)) {
        return;
    }
    const std::vector<SDL_Rect> changed = composeClient(area != nullptr ? *area : kWholeClient);
    show(changed.data(), static_cast<int>(changed.size()));
}

void Display::presentChrome() {
    // The pop-ups lie over the client area and are drawn with it.
    if (CommandBar* bar = shownBar(); bar != nullptr && bar->menuOpen()) {
        composeAndShowAll();
        return;
    }
    composeChrome();
    const SDL_Rect areas[] = {kTitleRect, kMenuBarRect};
    show(areas, 2);
}

void Display::raise() {
    State& s = state();
    if (s.window != nullptr) {
        SDL_RestoreWindow(s.window);
        SDL_RaiseWindow(s.window);
    }
}

SDL_Surface* Display::snapshot() const {
    const State& s = state();
    if (s.device == nullptr) {
        return nullptr;
    }
    return SDL_ConvertSurfaceFormat(s.device, SDL_PIXELFORMAT_XRGB8888, 0);
}

SDL_Point Display::windowPoint(int deviceX, int deviceY) const {
    SDL_Point p{0, 0};
    deviceToWindow(state().fit, deviceX, deviceY, p.x, p.y);
    return p;
}

SDL_Window* Display::window() const {
    return state().window;
}

}  // namespace korvat::platform
