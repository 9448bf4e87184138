#pragma once
// A full-screen page of the device screen: the main window, a dialog, a message box. The page
// draws on its own client surface; only the page on top is shown.
#include <SDL.h>

#include <cstdint>

namespace korvat::platform {

class CommandBar;

class Page {
  public:
    Page() = default;
    virtual ~Page();
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    // Title-bar text (UTF-8).
    virtual const char* caption() const = 0;
    // Redraw the whole client area from the page's state; called when the page comes on top
    // (again) and whenever the screen needs it.
    virtual void onPaint() = 0;
    virtual void onMouseDown(int /*x*/, int /*y*/) {}  // client coordinates
    // Keys reach the page first; return true to keep Enter and Escape from becoming onOK and
    // onCancel (a dialog's default button, an edit box).
    virtual bool onKeyDown(const SDL_Keysym& /*key*/) { return false; }
    virtual void onTextInput(const char* /*utf8*/) {}
    // Mouse-wheel turns in rows, positive towards the end of a list (the wheel turned down).
    virtual void onMouseWheel(int /*rows*/) {}
    virtual void onOK() { endModal(1); }        // the OK button of the title bar, Enter
    virtual void onCancel() { endModal(2); }    // Escape
    virtual void onCommand(int /*command*/) {}  // menu items and menu-bar buttons
    virtual void onTimer(int /*id*/) {}         // timers set for this page
    // Whether the key, pressed while the page is on top, asks to end the program; held back
    // during a turn (Display::holdInput), it makes the bottom page's onEndRequest come at once.
    virtual bool endsProgram(const SDL_Keysym& /*key*/) const { return false; }
    // Sent to the bottom page when held input asks to end the program, so that a turn in
    // progress can finish without its remaining delays; the request itself comes when the
    // input is no longer held.
    virtual void onEndRequest() {}
    // The desktop window is being closed; sent to the bottom page of the stack. Posts a quit
    // with code 0 unless overridden.
    virtual void onClose();
    // The menu-bar contents while this page is on top; nullptr for an empty bar.
    virtual CommandBar* commandBar() { return nullptr; }

    // The 240 x 268 client surface, made white on first use: pages made at start-up and never
    // shown (the high-score list) cost no memory; drawings show once presented.
    SDL_Surface* clientSurface() const;
    // Shows the given client rectangle (all of it for nullptr) when the page is on top.
    void present(const SDL_Rect* area = nullptr);

    // Ends this page's modal loop with a result (runModal returns it, openModal passes it on).
    void endModal(int result);
    bool modalEnded() const { return ended_; }
    int modalResult() const { return result_; }
    void resetModal() { ended_ = false; }

  private:
    mutable SDL_Surface* client_ = nullptr;
    bool ended_ = false;
    int result_ = 0;
};

}  // namespace korvat::platform
