// Typing on a phone: the page (Page.js) shows the phone's own keyboard while the game waits for
// text in an edit box, and hands what is typed to the game as the desktop's keyboard would.
#include <SDL.h>
#include <emscripten.h>

#include <cstring>

#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/Display.h"

namespace {

void pushKey(Uint32 type, SDL_Keycode key, SDL_Scancode code) {
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = code;
    SDL_PushEvent(&event);
}

}  // namespace

// Whether the focus is in an edit box of the top page.
extern "C" EMSCRIPTEN_KEEPALIVE int korvatTypingWanted() {
    const auto* dialog = dynamic_cast<const korvat::platform::Dialog*>(
        korvat::platform::Display::instance().topPage());
    if (dialog == nullptr || dialog->focusId() < 0) {
        return 0;
    }
    return dynamic_cast<const korvat::platform::EditBox*>(dialog->control(dialog->focusId())) !=
                   nullptr
               ? 1
               : 0;
}

// Text as SDL's text events carry it: whole UTF-8 characters, a few at a time.
extern "C" EMSCRIPTEN_KEEPALIVE void korvatType(const char* utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    const size_t room = sizeof event.text.text - 1;
    size_t length = std::strlen(utf8);
    while (length > 0) {
        size_t take = length < room ? length : room;
        while (take < length && (static_cast<unsigned char>(utf8[take]) & 0xC0) == 0x80) {
            --take;  // not into the middle of a character
        }
        std::memset(event.text.text, 0, sizeof event.text.text);
        std::memcpy(event.text.text, utf8, take);
        SDL_PushEvent(&event);
        utf8 += take;
        length -= take;
    }
}

extern "C" EMSCRIPTEN_KEEPALIVE void korvatErase() {
    pushKey(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE);
    pushKey(SDL_KEYUP, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE);
}
