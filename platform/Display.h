#pragma once
// The device screen in one desktop window: 240 x 320 logical pixels, a 26-pixel title bar
// (caption, OK button), the 240 x 268 client area and the 26-pixel menu bar, scaled by a whole
// factor. Owns the event loop, the window timers and the stack of modal pages.
#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>

namespace korvat::platform {

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;
constexpr int kTitleBarHeight = 26;
constexpr int kMenuBarHeight = 26;
constexpr int kClientWidth = 240;
constexpr int kClientHeight = 268;
constexpr int kClientTop = kTitleBarHeight;
constexpr int kMenuBarTop = kTitleBarHeight + kClientHeight;

class Page;
class SingleInstance;

inline bool contains(const SDL_Rect& r, int x, int y) {
    const SDL_Point p{x, y};
    return SDL_PointInRect(&p, &r);
}

class Display {
  public:
    static Display& instance();

    // Initialises SDL's video and timer. A video driver that shows nothing (offscreen, dummy)
    // counts as a failure, with the reason, unless SDL_VIDEODRIVER asked for it.
    bool start(std::string& reason);
    // Starts if need be, adds audio where there is a device, and opens the window titled `title`.
    bool open(const char* title);
    void close();
    bool isOpen() const;

    // Runs a modal loop for `page` on top of the stack until it ends (Page::endModal) or a
    // quit is posted; returns the page's result. The page below gets onPaint when it is
    // uncovered. Timers keep firing for every page of the stack. Pages opened over this one
    // (openModal) and still open when the loop ends go with it, their owners untold.
    int runModal(Page& page);
    // As runModal, but only `area` (client coordinates) of the page's client surface is shown,
    // over the page below, which keeps its title bar and menu bar (a message box).
    int runModalOver(Page& page, const SDL_Rect& area);

    // Puts `page` on top of the stack and paints it, without a loop of its own: the loop that
    // runs serves it. After the event or timer in which the page ends (Page::endModal), the loop
    // takes it off, with its timers, repaints the page below and then calls `closed` with the
    // result; `closed` may open or run other pages and may destroy this one. A quit, or the
    // end of the loop's own page, takes the page off without calling `closed`.
    void openModal(Page& page, std::function<void(int result)> closed);
    // As openModal, showing only `area` of the page over the page below (runModalOver).
    void openModalOver(Page& page, const SDL_Rect& area, std::function<void(int result)> closed);
    // Takes an opened page off at once, without calling its `closed` (the program must end while
    // it is open); the owner may destroy it right after. Pages with a loop of their own are left.
    void closeModal(Page& page);

    Page* topPage() const;

    // Ends every modal loop; the process is to exit with `exitCode`.
    void postQuit(int exitCode);
    bool quitPosted() const;
    int quitCode() const;

    // Window timers: onTimer(id) of `page` every periodMs; a late timer fires once.
    void setTimer(Page& page, int id, uint32_t periodMs);
    void killTimer(Page& page, int id);
    void killTimers(Page& page);

    // Copies a client rectangle of `page` to the screen if the page is on top, and shows it.
    void presentClient(Page& page, const SDL_Rect* area);
    // Redraws the title bar and menu bar of the top page (after a caption or check mark change).
    void presentChrome();

    // Brings the window to the front (another start of the program asked for it).
    void raise();
    // Polls `instance` for later starts' raise requests while a loop runs.
    void serveRaiseRequests(SingleInstance* instance);

    // While input is held (a turn plays), the player's input (keys, text, mouse, touch) is
    // kept back in its order instead of reaching the pages; the window, timers and quits are
    // served as usual. Once holding ends, the loop hands the held input out, one event at a
    // time, before anything newer; an event that holds input again keeps the rest back.
    // A held event that asks to end the program (a key the top page's endsProgram takes, a
    // click on the title bar's OK while the bottom page is alone) calls the bottom page's
    // onEndRequest as it is held.
    void holdInput(bool held);
    bool inputHeld() const;
    // Whether such a request is among the held input.
    bool endRequestHeld() const;

    // A copy of the 240 x 320 device screen as shown (for tests), caller frees.
    SDL_Surface* snapshot() const;
    // Window coordinates of the centre of a device-screen pixel, for injected mouse events.
    SDL_Point windowPoint(int deviceX, int deviceY) const;
    SDL_Window* window() const;
};

uint32_t tickCount();  // milliseconds, 32-bit, wraps

// A modal message box over the current page: caption (the program file's base name when
// null), text, one OK button.
void messageBox(const char* text, const char* caption = nullptr);
// The same box with Yes (also Enter) and No (also Escape); true for Yes.
bool askYesNo(const char* text, const char* caption);

}  // namespace korvat::platform
