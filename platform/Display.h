#pragma once
// The device screen in one desktop window: 240 x 320 logical pixels, a 26-pixel title bar
// (caption, OK button), the 240 x 268 client area and the 26-pixel menu bar, scaled by a whole
// factor. Owns the event loop, the window timers and the stack of modal pages.
#include <SDL.h>

#include <cstdint>
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
    // uncovered. Timers keep firing for every page of the stack.
    int runModal(Page& page);
    // As runModal, but only `area` (client coordinates) of the page's client surface is shown,
    // over the page below, which keeps its title bar and menu bar (a message box).
    int runModalOver(Page& page, const SDL_Rect& area);
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
    // Polls `instance` for later starts' raise requests while a loop or a wait runs.
    void serveRaiseRequests(SingleInstance* instance);

    // Waits `ms` while serving the desktop: exposure and resizing re-present the screen, the
    // window manager's ping is answered, raise requests honoured. Input stays queued in its
    // order for the loop. Returns at once while an end request waits in the queue (the window
    // closed, SIGTERM or SIGINT, the bottom page's OK clicked, a key the top page says ends the
    // program), so no delay can hold it up.
    void waitServing(uint32_t ms);

    // A copy of the 240 x 320 device screen as shown (for tests), caller frees.
    SDL_Surface* snapshot() const;
    int scale() const;
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
