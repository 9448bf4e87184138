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

// Opens the display once and empties the event queue before each test.
class DisplayTest : public ::testing::Test {
  protected:
    void SetUp() override;
};

// Logs "paint", "down x,y", "wheel n" and "command n"; paints itself in one flat grey.
class RecordingPage : public Page {
  public:
    explicit RecordingPage(Uint8 shade = 200) : shade_(shade) {}

    const char* caption() const override { return "page"; }
    void onPaint() override;
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

  private:
    Uint8 shade_;
};

// Runs `page` modally and calls each step from a tick of the page's timer while the page is on
// top, so the input a step queues is taken before the next step. The loop ends on the tick
// after the last step unless a step ends it; returns the loop's result.
int runSteps(RecordingPage& page, const std::vector<std::function<void()>>& steps);

// Injected input, in device-screen pixels.
void pushClick(int deviceX, int deviceY);
void pushKey(SDL_Keycode key, Uint16 mod = KMOD_NONE);
void pushText(const char* utf8);              // typed text, as a text-input event
void pushWheel(int y, bool flipped = false);  // flipped: a natural-scrolling wheel

// A key for a page's or a control's onKeyDown.
inline SDL_Keysym key(SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
    return {SDL_GetScancodeFromKey(sym), sym, mod, 0};
}

// The colour of a device-screen pixel as shown.
SDL_Color screenPixel(int x, int y);

}  // namespace korvat::platform::testing
