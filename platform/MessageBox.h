#pragma once
// The message box: a framed box over the current page with a caption, the wrapped text and
// one OK button, or Yes and No for a question. messageBox() and askYesNo() (Display.h) show
// it in a loop of their own, openMessageBox() and openYesNo() without one; the layout is here
// for tests.
#include <SDL.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvat::platform {

class Page;

// The message box opened over the current page for the running loop to serve
// (Display::openModalOver); `closed` gets 1 once the box is off the screen. The caller keeps
// the page until then, or takes it off with Display::closeModal.
std::unique_ptr<Page> openMessageBox(const char* text, const char* caption,
                                     std::function<void(int result)> closed);
// The question form: `answered` gets true for Yes.
std::unique_ptr<Page> openYesNo(const char* text, const char* caption,
                                std::function<void(bool yes)> answered);

struct MessageBoxLayout {
    SDL_Rect box;  // client coordinates
    SDL_Rect captionBar;
    SDL_Rect okButton;  // OK, or Yes in a question
    SDL_Rect noButton;  // empty unless the box asks a question
    int textLeft = 0;
    int textTop = 0;
    int lineHeight = 0;
    std::vector<std::string> lines;
};

MessageBoxLayout layoutMessageBox(const char* text, bool question = false);

// Breaks UTF-8 text into lines no wider than `width` pixels at the message font: at "\n",
// between words, and inside words longer than a line.
std::vector<std::string> wrapText(const char* text, int width);

}  // namespace korvat::platform
