#pragma once
// Shared by the platform and shell tests: the display on SDL's offscreen driver, a page that
// logs what reaches it, scripted steps inside its modal loop, and injected input.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Display.h"
#include "platform/Page.h"

namespace korvat::platform::testing {

// The display open and no input left over from an earlier test.
class DisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Display::instance().open("Korvat 1.2")) << SDL_GetError();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    Display& display = Display::instance();
};

// Logs "paint", "down x,y", "wheel n" and "command n"; paints itself in one flat grey.
class RecordingPage : public Page {
  public:
    explicit RecordingPage(Uint8 grey = 200) : shade(grey) {}

    const char* caption() const override { return "page"; }
    void onPaint() override {
        SDL_Surface* s = clientSurface();
        SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, shade, shade, shade));
        log.push_back("paint");
    }
    void onMouseDown(int x, int y) override {
        log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    }
    void onMouseWheel(int rows) override { log.push_back("wheel " + std::to_string(rows)); }
    void onCommand(int command) override { log.push_back("command " + std::to_string(command)); }
    void onTimer(int id) override { timerScript(id); }
    CommandBar* commandBar() override { return bar; }

    std::vector<std::string> log;
    CommandBar* bar = nullptr;
    std::function<void(int)> timerScript = [](int) {};
    const Uint8 shade;
};

// Runs `page` modally, one step per tick while it is on top, so a step's queued input is taken
// before the next step; ends on the tick after the last step unless a step ends it.
inline int runSteps(RecordingPage& page, const std::vector<std::function<void()>>& steps) {
    constexpr int kStepTimer = 99;
    Display& display = Display::instance();
    size_t next = 0;
    const auto previous = page.timerScript;
    page.timerScript = [&](int id) {
        if (id != kStepTimer) {
            previous(id);
        } else if (display.topPage() != &page) {
            return;  // a step's nested loop runs: the next step waits for it to end
        } else if (next < steps.size()) {
            steps[next++]();
        } else {
            page.endModal(7);
        }
    };
    display.setTimer(page, kStepTimer, 10);
    const int result = display.runModal(page);
    page.timerScript = previous;
    EXPECT_EQ(next, steps.size()) << "the loop ended before all steps ran";
    return result;
}

// A key for a page's or a control's onKeyDown.
inline SDL_Keysym key(SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
    return {SDL_GetScancodeFromKey(sym), sym, mod, 0};
}

// Half a click, in device-screen pixels.
inline void pushButton(Uint32 type, int deviceX, int deviceY) {
    const SDL_Point p = Display::instance().windowPoint(deviceX, deviceY);
    SDL_Event event{type};
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = p.x;
    event.button.y = p.y;
    SDL_PushEvent(&event);
}

inline void pushClick(int deviceX, int deviceY) {
    pushButton(SDL_MOUSEBUTTONDOWN, deviceX, deviceY);
    pushButton(SDL_MOUSEBUTTONUP, deviceX, deviceY);
}

inline void pushKey(SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
    SDL_Event event{SDL_KEYDOWN};
    event.key.keysym = key(sym, mod);
    SDL_PushEvent(&event);
}

// flipped: a natural-scrolling wheel, which reports the other sign.
inline void pushWheel(int y, bool flipped = false) {
    SDL_Event event{SDL_MOUSEWHEEL};
    event.wheel.y = y;
    event.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
    SDL_PushEvent(&event);
}

// The colour of a device-screen pixel as shown.
inline SDL_Color screenPixel(int x, int y) {
    SDL_Surface* shot = Display::instance().snapshot();  // the fixture has opened the display
    SDL_Color c{0, 0, 0, 255};
    SDL_GetRGB(static_cast<const Uint32*>(shot->pixels)[y * shot->pitch / 4 + x], shot->format,
               &c.r, &c.g, &c.b);
    SDL_FreeSurface(shot);
    return c;
}

}  // namespace korvat::platform::testing
