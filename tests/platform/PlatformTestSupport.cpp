#include "PlatformTestSupport.h"

namespace korvat::platform::testing {

void DisplayTest::SetUp() {
    ASSERT_TRUE(Display::instance().open("Korvat 1.2")) << SDL_GetError();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

void RecordingPage::onPaint() {
    SDL_Surface* s = clientSurface();
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, shade_, shade_, shade_));
    log.push_back("paint");
}

int runSteps(RecordingPage& page, const std::vector<std::function<void()>>& steps) {
    constexpr int kStepTimer = 99;
    Display& display = Display::instance();
    size_t next = 0;
    const auto previous = page.timerScript;
    page.timerScript = [&](int id) {
        if (id != kStepTimer) {
            previous(id);
        } else if (display.topPage() != &page) {
            // A step's nested loop runs: the next step waits for it to end.
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

void pushClick(int deviceX, int deviceY) {
    const SDL_Point p = Display::instance().windowPoint(deviceX, deviceY);
    for (const Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        SDL_Event event{};
        event.type = type;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = p.x;
        event.button.y = p.y;
        SDL_PushEvent(&event);
    }
}

void pushKey(SDL_Keycode key, Uint16 mod) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym = testing::key(key, mod);
    SDL_PushEvent(&event);
}

void pushText(const char* utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, utf8, sizeof event.text.text);
    SDL_PushEvent(&event);
}

void pushWheel(int y, bool flipped) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = y;
    event.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
    SDL_PushEvent(&event);
}

SDL_Color screenPixel(int x, int y) {
    SDL_Surface* shot = Display::instance().snapshot();
    SDL_Color c{0, 0, 0, 255};
    if (shot != nullptr) {
        const Uint32 v = static_cast<const Uint32*>(shot->pixels)[y * shot->pitch / 4 + x];
        SDL_GetRGB(v, shot->format, &c.r, &c.g, &c.b);
        SDL_FreeSurface(shot);
    }
    return c;
}

}  // namespace korvat::platform::testing
