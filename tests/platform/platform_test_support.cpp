#include "platform_test_support.h"

namespace korvat::platform::testing {

void DisplayTest::SetUp() {
    ASSERT_TRUE(Display::instance().open("Korvat 1.2")) << SDL_GetError();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

void DisplayTest::TearDown() {
    // A posted quit stays for the process; reopening clears it for the next test.
    if (Display::instance().quitPosted()) {
        Display::instance().close();
    }
}

void RecordingPage::onPaint() {
    ++paints;
    SDL_Surface* s = clientSurface();
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, shade_, shade_, shade_));
    log.push_back("paint");
}

bool RecordingPage::onKeyDown(const SDL_Keysym& key) {
    if (key.sym == kEndKey) {
        endModal(kEndResult);
        return true;
    }
    log.push_back(std::string("key ") + SDL_GetKeyName(key.sym));
    return takeKeys;
}

void RecordingPage::onOK() {
    log.push_back("ok");
    if (okScript) {
        okScript();
    } else {
        Page::onOK();
    }
}

void RecordingPage::onCancel() {
    log.push_back("cancel");
    Page::onCancel();
}

void RecordingPage::onTimer(int id) {
    ticks.push_back(id);
    if (timerScript) {
        timerScript(id);
    }
}

std::string RecordingPage::fmt(const char* what, int x, int y) {
    return std::string(what) + " " + std::to_string(x) + "," + std::to_string(y);
}

void pushMouse(Uint32 type, int deviceX, int deviceY) {
    const SDL_Point p = Display::instance().windowPoint(deviceX, deviceY);
    SDL_Event event{};
    event.type = type;
    event.button.windowID = SDL_GetWindowID(Display::instance().window());
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = p.x;
    event.button.y = p.y;
    SDL_PushEvent(&event);
}

void pushClick(int deviceX, int deviceY) {
    pushMouse(SDL_MOUSEBUTTONDOWN, deviceX, deviceY);
    pushMouse(SDL_MOUSEBUTTONUP, deviceX, deviceY);
}

void pushKey(SDL_Keycode key, Uint16 mod) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.windowID = SDL_GetWindowID(Display::instance().window());
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    event.key.keysym.mod = mod;
    SDL_PushEvent(&event);
}

void pushText(const char* utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    event.text.windowID = SDL_GetWindowID(Display::instance().window());
    SDL_strlcpy(event.text.text, utf8, sizeof(event.text.text));
    SDL_PushEvent(&event);
}

void pushEnd() {
    pushKey(kEndKey);
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
