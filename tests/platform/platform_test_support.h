#pragma once
// Shared by the platform tests: the display on SDL's offscreen driver, a page that records
// what reaches it, and injected input in device-screen coordinates.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Display.h"
#include "platform/Page.h"

namespace korvat::platform::testing {

class DisplayTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// Records its calls; draws itself in one flat colour.
class RecordingPage : public Page {
  public:
    explicit RecordingPage(std::string name = "page", Uint8 shade = 200)
        : name_(std::move(name)), shade_(shade) {}

    const char* caption() const override { return name_.c_str(); }
    void onPaint() override;
    void onMouseDown(int x, int y) override { log.push_back(fmt("down", x, y)); }
    bool onKeyDown(const SDL_Keysym& key) override;
    void onOK() override;
    void onCancel() override;
    void onCommand(int command) override { commands.push_back(command); }
    void onTimer(int id) override;
    CommandBar* commandBar() override { return bar; }

    std::vector<std::string> log;
    std::vector<int> commands;
    std::vector<int> ticks;  // timer ids in order
    int paints = 0;
    bool takeKeys = false;  // onKeyDown reports keys as handled
    CommandBar* bar = nullptr;
    // Called from onTimer after recording, to script a test.
    std::function<void(int)> timerScript;
    std::function<void()> okScript;

  private:
    static std::string fmt(const char* what, int x, int y);
    std::string name_;
    Uint8 shade_;
};

// Injected input, in device-screen pixels.
void pushMouse(Uint32 type, int deviceX, int deviceY);
void pushClick(int deviceX, int deviceY);
void pushKey(SDL_Keycode key, Uint16 mod = KMOD_NONE);
void pushText(const char* utf8);

// F12 ends a RecordingPage's loop with result 7 (queued behind the input under test).
constexpr SDL_Keycode kEndKey = SDLK_F12;
constexpr int kEndResult = 7;
void pushEnd();

// The colour of a device-screen pixel as shown.
SDL_Color screenPixel(int x, int y);

}  // namespace korvat::platform::testing
