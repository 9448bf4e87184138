#pragma once
// The menu bar along the bottom of the device screen: drop-down buttons for the pop-ups of a
// menu resource, then image buttons from a toolbar resource. Choosing an item or a button
// sends onCommand to the page that owns the bar (Page::commandBar).
#include <SDL.h>

#include <string>
#include <vector>

namespace korvat::platform {

class CommandBar {
  public:
    CommandBar() = default;
    ~CommandBar();
    CommandBar(const CommandBar&) = delete;
    CommandBar& operator=(const CommandBar&) = delete;

    // One drop-down button per pop-up of menu resource `menuId`; false if there is no such menu.
    bool addMenus(int menuId);
    void addSeparator(int width = 6);
    // The buttons of toolbar resource `toolbarId`, the k-th image of bitmap `toolbarId` on the
    // k-th button; separators of the toolbar are 6 pixels wide. False if there is no toolbar.
    bool addButtons(int toolbarId);

    // Check marks of menu items, found by command in every pop-up and sub-pop-up.
    void setCheck(int command, bool checked);
    bool isChecked(int command) const;
    // Text shown at the right of a menu item, such as "Ctrl+Z"; empty or nullptr removes it.
    void setShortcutLabel(int command, const char* label);

    // What an input event did to the bar.
    struct Outcome {
        bool handled = false;  // the event belonged to the bar
        bool redraw = false;   // the bar or its pop-ups look different
        int command = 0;       // chosen command, 0 for none
    };
    // Device-screen coordinates. While a pop-up is open every press goes here; a press outside
    // the bar and the pop-ups closes it.
    Outcome mouseDown(int x, int y);
    Outcome mouseUp(int x, int y);
    Outcome mouseMove(int x, int y);
    // Alt+letter opens a drop-down; with a pop-up open, arrows, Enter and Escape work it.
    Outcome keyDown(const SDL_Keysym& key);

    bool menuOpen() const { return openMenu_ >= 0; }
    void closeMenu();
    // The open pop-ups' rectangles on the device screen (none when closed).
    std::vector<SDL_Rect> popupRects() const;
    // The command of the button or open pop-up item at a device point; 0 for none.
    int commandAt(int x, int y) const;
    // The drop-down button of pop-up `index` (for tests and keyboard hints).
    SDL_Rect dropDownRect(int index) const;
    int dropDownCount() const { return static_cast<int>(menus_.size()); }

    // The strip at the bottom of `screen`, and the open pop-ups over the client area.
    void drawStrip(SDL_Surface* screen) const;
    void drawPopups(SDL_Surface* screen) const;
    // The bar of a page without one.
    static void drawEmptyStrip(SDL_Surface* screen);

  private:
    struct Item {
        std::string text;      // without the "&" marks
        int accessIndex = -1;  // byte of the underlined letter in `text`, -1 for none
        // The letters that choose the entry, lower case, '\0' for none: its own, and the English
        // label's, which still works in a translation whose own letter a keyboard of another
        // script may not have.
        char access = '\0';
        char englishAccess = '\0';
        int command = 0;
        bool separator = false;
        bool checked = false;
        std::string shortcut;
        std::vector<Item> items;  // sub-pop-up
    };
    struct DropDown {
        Item menu;  // text: the label; items: the pop-up
        SDL_Rect rect;
    };
    struct Button {
        int command = 0;  // 0 for a separator
        int image = -1;   // index in the strip
        SDL_Rect rect;
    };
    struct Level {  // an open pop-up: which items, where, which one is lit
        const std::vector<Item>* items = nullptr;
        SDL_Rect rect{};
        int lit = -1;
    };

    std::vector<Level> openLevels() const;
    int itemAt(const Level& level, int x, int y) const;
    void openMenu(int index, bool lightFirst);
    Outcome choose(const Item& item, int depth, int index);
    Outcome moveLight(int step);

    std::vector<DropDown> menus_;
    std::vector<Button> buttons_;
    int end_ = 0;  // x after the last element
    SDL_Surface* images_ = nullptr;
    int imageWidth_ = 16;
    int imageHeight_ = 15;

    int openMenu_ = -1;
    int lit_ = -1;      // lit item of the open pop-up
    int openSub_ = -1;  // item of the open pop-up whose sub-pop-up is open
    int subLit_ = -1;
    int pressedButton_ = -1;
};

}  // namespace korvat::platform
