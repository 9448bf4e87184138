#include "platform/CommandBar.h"

#include <algorithm>
#include <cctype>

#include "assets/Resources.h"
#include "platform/Display.h"
#include "platform/Font.h"
#include "platform/Resources.h"

namespace korvat::platform {
namespace {

constexpr int kTextPixels = 12;
constexpr int kDropDownPadding = 8;  // left and right of a drop-down label
constexpr int kButtonWidth = 23;     // a 16-pixel image with its frame
constexpr int kToolbarSeparator = 6;
constexpr int kItemHeight = 20;
constexpr int kSeparatorHeight = 7;
constexpr int kCheckColumn = 18;  // left of the item texts
constexpr int kArrowColumn = 16;  // right of the texts, room for the sub-pop-up arrow
constexpr int kShortcutGap = 14;

constexpr SDL_Color kBlack{0, 0, 0, 255};
constexpr SDL_Color kWhiteText{255, 255, 255, 255};

struct Rgb {
    Uint8 r, g, b;
};
constexpr Rgb kFace{192, 192, 192};
constexpr Rgb kShadow{128, 128, 128};
constexpr Rgb kLight{255, 255, 255};
constexpr Rgb kDark{0, 0, 0};
constexpr Rgb kLit{0, 0, 128};

void fill(SDL_Surface* s, const SDL_Rect& r, Rgb c) {
    SDL_FillRect(s, &r, SDL_MapRGB(s->format, c.r, c.g, c.b));
}

void frame(SDL_Surface* s, const SDL_Rect& r, Rgb topLeft, Rgb bottomRight) {
    fill(s, SDL_Rect{r.x, r.y, r.w, 1}, topLeft);
    fill(s, SDL_Rect{r.x, r.y, 1, r.h}, topLeft);
    fill(s, SDL_Rect{r.x, r.y + r.h - 1, r.w, 1}, bottomRight);
    fill(s, SDL_Rect{r.x + r.w - 1, r.y, 1, r.h}, bottomRight);
}

bool contains(const SDL_Rect& r, int x, int y) {
    const SDL_Point p{x, y};
    return SDL_PointInRect(&p, &r);
}

// Removes the "&" marks ("&&" is a plain "&") and finds the underlined letter.
void parseLabel(const char* source, std::string& text, int& accessIndex) {
    text.clear();
    accessIndex = -1;
    for (const char* p = source; *p != '\0'; ++p) {
        if (*p == '&' && p[1] != '\0') {
            ++p;
            if (*p != '&' && accessIndex < 0) {
                accessIndex = static_cast<int>(text.size());
            }
        }
        text.push_back(*p);
    }
}

// The letter that opens or chooses an entry: the underlined one, else the first.
char accessLetter(const std::string& text, int accessIndex) {
    const int at = accessIndex >= 0 ? accessIndex : 0;
    if (at >= static_cast<int>(text.size())) {
        return '\0';
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(text[at])));
}

void drawLabel(SDL_Surface* s, int x, int y, const std::string& text, int accessIndex,
               SDL_Color color) {
    drawText(s, x, y, text.c_str(), color, FontFace::System, kTextPixels);
    if (accessIndex < 0 || accessIndex >= static_cast<int>(text.size())) {
        return;
    }
    const std::string before = text.substr(0, accessIndex);
    const std::string letter = text.substr(accessIndex, 1);
    const int left = x + (before.empty() ? 0 : textWidth(before.c_str()));
    const int width = textWidth(letter.c_str());
    fill(s, SDL_Rect{left, y + kTextPixels + 2, std::max(width, 1), 1},
         Rgb{color.r, color.g, color.b});
}

// A small filled disc: the radio mark of a checked item.
void drawRadioMark(SDL_Surface* s, int cx, int cy, SDL_Color color) {
    static constexpr int kHalfWidths[] = {1, 2, 3, 3, 3, 2, 1};
    for (int row = 0; row < 7; ++row) {
        const int half = kHalfWidths[row];
        fill(s, SDL_Rect{cx - half + 1, cy - 3 + row, half * 2 - 1, 1},
             Rgb{color.r, color.g, color.b});
    }
}

void drawSubArrow(SDL_Surface* s, int x, int cy, SDL_Color color) {
    for (int col = 0; col < 4; ++col) {
        fill(s, SDL_Rect{x + col, cy - 3 + col, 1, 7 - 2 * col}, Rgb{color.r, color.g, color.b});
    }
}

// Stand-in pictures while no strip bitmap is at hand: a grey square with a dark border.
void drawPlaceholderImage(SDL_Surface* s, const SDL_Rect& r) {
    fill(s, r, kShadow);
    fill(s, SDL_Rect{r.x + 2, r.y + 2, r.w - 4, r.h - 4}, kLight);
}

}  // namespace

CommandBar::~CommandBar() {
    SDL_FreeSurface(images_);
}

bool CommandBar::addMenus(int menuId) {
    const res::Menu* menu = res::findMenu(menuId);
    if (menu == nullptr) {
        return false;
    }
    // Copies the resource tree, so check marks and shortcut labels can change per bar.
    struct Copier {
        static void copy(const res::MenuItem* from, int count, std::vector<Item>& to) {
            for (int i = 0; i < count; ++i) {
                Item item;
                if (from[i].text == nullptr) {
                    item.separator = true;
                } else {
                    parseLabel(from[i].text, item.text, item.accessIndex);
                }
                item.command = from[i].command;
                item.checked = from[i].checked;
                if (from[i].items != nullptr) {
                    copy(from[i].items, from[i].itemCount, item.items);
                }
                to.push_back(std::move(item));
            }
        }
    };
    for (int i = 0; i < menu->popupCount; ++i) {
        const res::MenuItem& popup = menu->popups[i];
        DropDown dropDown;
        // The bar's labels carry no access marks; Alt takes the first letter.
        std::string text;
        int access = -1;
        parseLabel(popup.text != nullptr ? popup.text : "", text, access);
        dropDown.menu.text = text;
        if (popup.items != nullptr) {
            Copier::copy(popup.items, popup.itemCount, dropDown.menu.items);
        }
        const int width = textWidth(text.c_str()) + 2 * kDropDownPadding;
        dropDown.rect = SDL_Rect{end_, kMenuBarTop, width, kMenuBarHeight};
        end_ += width;
        menus_.push_back(std::move(dropDown));
    }
    return true;
}

void CommandBar::addSeparator(int width) {
    end_ += std::max(width, 0);
}

bool CommandBar::addButtons(int toolbarId) {
    const res::Toolbar* toolbar = res::findToolbar(toolbarId);
    if (toolbar == nullptr) {
        return false;
    }
    imageWidth_ = toolbar->buttonWidth;
    imageHeight_ = toolbar->buttonHeight;
    if (images_ == nullptr) {
        images_ = loadBitmap(toolbarId);  // without it the buttons show plain frames
    }
    int image = 0;
    for (int i = 0; i < toolbar->commandCount; ++i) {
        const int command = toolbar->commands[i];
        if (command == 0) {
            end_ += kToolbarSeparator;
            continue;
        }
        const int width = std::max(kButtonWidth, imageWidth_ + 7);
        buttons_.push_back(
            Button{command, image++, SDL_Rect{end_, kMenuBarTop, width, kMenuBarHeight}});
        end_ += width;
    }
    return true;
}

CommandBar::Item* CommandBar::findItem(std::vector<Item>& items, int command) {
    for (Item& item : items) {
        if (!item.separator && item.command == command && command != 0) {
            return &item;
        }
        if (Item* inner = findItem(item.items, command)) {
            return inner;
        }
    }
    return nullptr;
}

const CommandBar::Item* CommandBar::findItem(const std::vector<Item>& items, int command) const {
    return const_cast<CommandBar*>(this)->findItem(const_cast<std::vector<Item>&>(items), command);
}

void CommandBar::setCheck(int command, bool checked) {
    for (DropDown& dropDown : menus_) {
        if (Item* item = findItem(dropDown.menu.items, command)) {
            item->checked = checked;
        }
    }
}

bool CommandBar::isChecked(int command) const {
    for (const DropDown& dropDown : menus_) {
        if (const Item* item = findItem(dropDown.menu.items, command)) {
            return item->checked;
        }
    }
    return false;
}

void CommandBar::setShortcutLabel(int command, const char* label) {
    for (DropDown& dropDown : menus_) {
        if (Item* item = findItem(dropDown.menu.items, command)) {
            item->shortcut = label != nullptr ? label : "";
        }
    }
}

// --- pop-up geometry --------------------------------------------------------------------

namespace {

int itemsHeight(const auto& items) {
    int height = 2;  // the border
    for (const auto& item : items) {
        height += item.separator ? kSeparatorHeight : kItemHeight;
    }
    return height;
}

int itemsWidth(const auto& items) {
    int text = 0;
    int shortcut = 0;
    for (const auto& item : items) {
        if (item.separator) {
            continue;
        }
        text = std::max(text, textWidth(item.text.c_str()));
        if (!item.shortcut.empty()) {
            shortcut = std::max(shortcut, textWidth(item.shortcut.c_str()));
        }
    }
    const int right = shortcut > 0 ? shortcut + kShortcutGap : 0;
    return std::min(kScreenWidth, 2 + kCheckColumn + text + right + kArrowColumn);
}

}  // namespace

std::vector<CommandBar::Level> CommandBar::openLevels() const {
    std::vector<Level> levels;
    if (openMenu_ < 0 || openMenu_ >= static_cast<int>(menus_.size())) {
        return levels;
    }
    const DropDown& dropDown = menus_[openMenu_];
    Level top;
    top.items = &dropDown.menu.items;
    const int w = itemsWidth(*top.items);
    const int h = itemsHeight(*top.items);
    top.rect = SDL_Rect{std::clamp(dropDown.rect.x, 0, kScreenWidth - w), kMenuBarTop - h, w, h};
    top.lit = lit_;
    levels.push_back(top);
    if (openSub_ >= 0 && openSub_ < static_cast<int>(top.items->size())) {
        const Item& owner = (*top.items)[openSub_];
        int itemTop = top.rect.y + 1;
        for (int i = 0; i < openSub_; ++i) {
            itemTop += (*top.items)[i].separator ? kSeparatorHeight : kItemHeight;
        }
        Level sub;
        sub.items = &owner.items;
        const int sw = itemsWidth(*sub.items);
        const int sh = itemsHeight(*sub.items);
        // To the right of its item, moved left and up as far as the screen needs.
        const int x = std::min(top.rect.x + top.rect.w - 3, kScreenWidth - sw);
        const int y = std::clamp(itemTop - 1, 0, kMenuBarTop - sh);
        sub.rect = SDL_Rect{std::max(x, 0), y, sw, sh};
        sub.lit = subLit_;
        levels.push_back(sub);
    }
    return levels;
}

int CommandBar::itemAt(const Level& level, int x, int y) const {
    if (!contains(level.rect, x, y)) {
        return -1;
    }
    int top = level.rect.y + 1;
    for (int i = 0; i < static_cast<int>(level.items->size()); ++i) {
        const int h = (*level.items)[i].separator ? kSeparatorHeight : kItemHeight;
        if (y >= top && y < top + h) {
            return i;
        }
        top += h;
    }
    return -1;
}

int CommandBar::dropDownAt(int x, int y) const {
    for (int i = 0; i < static_cast<int>(menus_.size()); ++i) {
        if (contains(menus_[i].rect, x, y)) {
            return i;
        }
    }
    return -1;
}

int CommandBar::buttonAt(int x, int y) const {
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        if (contains(buttons_[i].rect, x, y)) {
            return i;
        }
    }
    return -1;
}

std::vector<SDL_Rect> CommandBar::popupRects() const {
    std::vector<SDL_Rect> rects;
    for (const Level& level : openLevels()) {
        rects.push_back(level.rect);
    }
    return rects;
}

SDL_Rect CommandBar::dropDownRect(int index) const {
    if (index < 0 || index >= static_cast<int>(menus_.size())) {
        return SDL_Rect{0, 0, 0, 0};
    }
    return menus_[index].rect;
}

int CommandBar::commandAt(int x, int y) const {
    const std::vector<Level> levels = openLevels();
    for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
        const int index = itemAt(*level, x, y);
        if (index >= 0) {
            const Item& item = (*level->items)[index];
            return item.separator || !item.items.empty() ? 0 : item.command;
        }
        if (contains(level->rect, x, y)) {
            return 0;
        }
    }
    const int button = buttonAt(x, y);
    return button >= 0 ? buttons_[button].command : 0;
}

// --- input ------------------------------------------------------------------------------

namespace {

template <typename Items>
int firstSelectable(const Items& items, int from, int step) {
    const int n = static_cast<int>(items.size());
    for (int k = 0; k < n; ++k) {
        const int i = ((from + step * k) % n + n) % n;
        if (!items[i].separator) {
            return i;
        }
    }
    return -1;
}

}  // namespace

void CommandBar::openMenu(int index, bool lightFirst) {
    openMenu_ = index;
    openSub_ = -1;
    subLit_ = -1;
    lit_ = lightFirst ? firstSelectable(menus_[index].menu.items, 0, 1) : -1;
}

void CommandBar::closeMenu() {
    openMenu_ = -1;
    lit_ = -1;
    openSub_ = -1;
    subLit_ = -1;
}

// A command item closes the menu and is sent; a sub-pop-up item opens its sub-pop-up.
CommandBar::Outcome CommandBar::choose(const Item& item, int depth, int index) {
    Outcome outcome{true, true, 0};
    if (item.separator) {
        outcome.redraw = false;
        return outcome;
    }
    if (!item.items.empty()) {
        if (depth == 0) {
            openSub_ = index;
            lit_ = index;
            subLit_ = firstSelectable(item.items, 0, 1);
        }
        return outcome;
    }
    outcome.command = item.command;
    closeMenu();
    return outcome;
}

CommandBar::Outcome CommandBar::mouseDown(int x, int y) {
    Outcome outcome;
    if (menuOpen()) {
        outcome.handled = true;
        outcome.redraw = true;
        const std::vector<Level> levels = openLevels();
        for (int depth = static_cast<int>(levels.size()) - 1; depth >= 0; --depth) {
            const int index = itemAt(levels[depth], x, y);
            if (index < 0) {
                if (contains(levels[depth].rect, x, y)) {
                    return outcome;  // the border
                }
                continue;
            }
            const Item& item = (*levels[depth].items)[index];
            if (depth == 0) {
                lit_ = index;
                if (!item.items.empty()) {
                    return choose(item, 0, index);
                }
                openSub_ = -1;
                subLit_ = -1;
            } else {
                subLit_ = index;
            }
            return outcome;  // the item is chosen when the button comes up over it
        }
        const int dropDown = dropDownAt(x, y);
        if (dropDown >= 0 && dropDown != openMenu_) {
            openMenu(dropDown, false);
        } else {
            closeMenu();
        }
        return outcome;
    }
    const int dropDown = dropDownAt(x, y);
    if (dropDown >= 0) {
        openMenu(dropDown, false);
        return Outcome{true, true, 0};
    }
    const int button = buttonAt(x, y);
    if (button >= 0) {
        pressedButton_ = button;
        return Outcome{true, true, 0};
    }
    return Outcome{contains(SDL_Rect{0, kMenuBarTop, kScreenWidth, kMenuBarHeight}, x, y), false,
                   0};
}

CommandBar::Outcome CommandBar::mouseUp(int x, int y) {
    if (pressedButton_ >= 0) {
        const Button& button = buttons_[pressedButton_];
        pressedButton_ = -1;
        return Outcome{true, true, contains(button.rect, x, y) ? button.command : 0};
    }
    if (!menuOpen()) {
        return Outcome{};
    }
    const std::vector<Level> levels = openLevels();
    for (int depth = static_cast<int>(levels.size()) - 1; depth >= 0; --depth) {
        const int index = itemAt(levels[depth], x, y);
        if (index >= 0) {
            const Item& item = (*levels[depth].items)[index];
            if (item.items.empty()) {
                return choose(item, depth, index);
            }
            return Outcome{true, false, 0};
        }
    }
    return Outcome{true, false, 0};
}

CommandBar::Outcome CommandBar::mouseMove(int x, int y) {
    if (!menuOpen()) {
        return Outcome{};
    }
    const std::vector<Level> levels = openLevels();
    for (int depth = static_cast<int>(levels.size()) - 1; depth >= 0; --depth) {
        const int index = itemAt(levels[depth], x, y);
        if (index < 0 || (*levels[depth].items)[index].separator) {
            continue;
        }
        int& lit = depth == 0 ? lit_ : subLit_;
        if (lit == index) {
            return Outcome{true, false, 0};
        }
        lit = index;
        return Outcome{true, true, 0};
    }
    return Outcome{true, false, 0};
}

CommandBar::Outcome CommandBar::moveLight(int step) {
    const std::vector<Level> levels = openLevels();
    const bool inSub = levels.size() > 1;
    int& lit = inSub ? subLit_ : lit_;
    const auto& items = *levels.back().items;
    const int from = lit < 0 ? (step > 0 ? 0 : -1) : lit + step;
    lit = firstSelectable(items, from, step);
    return Outcome{true, true, 0};
}

CommandBar::Outcome CommandBar::keyDown(const SDL_Keysym& key) {
    const bool alt = (key.mod & KMOD_ALT) != 0;
    const bool letter = key.sym >= SDLK_a && key.sym <= SDLK_z;
    if (alt && letter) {
        for (int i = 0; i < static_cast<int>(menus_.size()); ++i) {
            if (accessLetter(menus_[i].menu.text, -1) == static_cast<char>(key.sym)) {
                if (openMenu_ == i) {
                    closeMenu();
                } else {
                    openMenu(i, true);
                }
                return Outcome{true, true, 0};
            }
        }
        if (!menuOpen()) {
            return Outcome{};
        }
    }
    if (!menuOpen()) {
        return Outcome{};
    }
    const std::vector<Level> levels = openLevels();
    const bool inSub = levels.size() > 1;
    const int count = static_cast<int>(menus_.size());
    switch (key.sym) {
        case SDLK_ESCAPE:
        case SDLK_AC_BACK:
            if (inSub) {
                openSub_ = -1;
                subLit_ = -1;
            } else {
                closeMenu();
            }
            return Outcome{true, true, 0};
        case SDLK_UP:
            return moveLight(-1);
        case SDLK_DOWN:
            return moveLight(1);
        case SDLK_LEFT:
            if (inSub) {
                openSub_ = -1;
                subLit_ = -1;
            } else {
                openMenu((openMenu_ + count - 1) % count, true);
            }
            return Outcome{true, true, 0};
        case SDLK_RIGHT:
            if (!inSub && lit_ >= 0 && !(*levels[0].items)[lit_].items.empty()) {
                return choose((*levels[0].items)[lit_], 0, lit_);
            }
            openMenu((openMenu_ + 1) % count, true);
            return Outcome{true, true, 0};
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
        case SDLK_SPACE: {
            const int lit = inSub ? subLit_ : lit_;
            if (lit < 0) {
                return Outcome{true, false, 0};
            }
            return choose((*levels.back().items)[lit], inSub ? 1 : 0, lit);
        }
        default:
            break;
    }
    if (letter && !alt) {
        // The underlined letter of an item in the innermost pop-up chooses it.
        const auto& items = *levels.back().items;
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            const Item& item = items[i];
            if (!item.separator && item.accessIndex >= 0 &&
                accessLetter(item.text, item.accessIndex) == static_cast<char>(key.sym)) {
                return choose(item, inSub ? 1 : 0, i);
            }
        }
    }
    return Outcome{true, false, 0};  // the open menu keeps the keyboard
}

// --- drawing ----------------------------------------------------------------------------

void CommandBar::drawEmptyStrip(SDL_Surface* screen) {
    const SDL_Rect bar{0, kMenuBarTop, kScreenWidth, kMenuBarHeight};
    fill(screen, bar, kFace);
    fill(screen, SDL_Rect{0, kMenuBarTop, kScreenWidth, 1}, kShadow);
    fill(screen, SDL_Rect{0, kMenuBarTop + 1, kScreenWidth, 1}, kLight);
}

void CommandBar::drawStrip(SDL_Surface* screen) const {
    drawEmptyStrip(screen);
    const int textTop = kMenuBarTop + (kMenuBarHeight - kTextPixels) / 2 - 2;
    for (int i = 0; i < static_cast<int>(menus_.size()); ++i) {
        const DropDown& dropDown = menus_[i];
        SDL_Color color = kBlack;
        if (i == openMenu_) {
            fill(screen,
                 SDL_Rect{dropDown.rect.x, kMenuBarTop + 2, dropDown.rect.w, kMenuBarHeight - 2},
                 kLit);
            color = kWhiteText;
        }
        drawText(screen, dropDown.rect.x + kDropDownPadding, textTop, dropDown.menu.text.c_str(),
                 color, FontFace::System, kTextPixels);
    }
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        const Button& button = buttons_[i];
        const bool pressed = i == pressedButton_;
        const SDL_Rect face{button.rect.x, kMenuBarTop + 2, button.rect.w, kMenuBarHeight - 2};
        if (pressed) {
            frame(screen, face, kShadow, kLight);
        }
        const int shift = pressed ? 1 : 0;
        SDL_Rect to{button.rect.x + (button.rect.w - imageWidth_) / 2 + shift,
                    kMenuBarTop + 2 + (kMenuBarHeight - 2 - imageHeight_) / 2 + shift, imageWidth_,
                    imageHeight_};
        if (images_ != nullptr) {
            SDL_Rect from{button.image * imageWidth_, 0, imageWidth_, imageHeight_};
            SDL_BlitSurface(images_, &from, screen, &to);
        } else {
            drawPlaceholderImage(screen, to);
        }
    }
}

void CommandBar::drawPopups(SDL_Surface* screen) const {
    for (const Level& level : openLevels()) {
        const SDL_Rect& r = level.rect;
        fill(screen, r, kLight);
        frame(screen, r, kDark, kDark);
        SDL_SetClipRect(screen, &r);
        int top = r.y + 1;
        for (int i = 0; i < static_cast<int>(level.items->size()); ++i) {
            const Item& item = (*level.items)[i];
            if (item.separator) {
                fill(screen, SDL_Rect{r.x + 2, top + kSeparatorHeight / 2, r.w - 4, 1}, kShadow);
                top += kSeparatorHeight;
                continue;
            }
            const bool lit = i == level.lit;
            SDL_Color color = kBlack;
            if (lit) {
                fill(screen, SDL_Rect{r.x + 1, top, r.w - 2, kItemHeight}, kLit);
                color = kWhiteText;
            }
            const int textTop = top + (kItemHeight - kTextPixels) / 2 - 2;
            const int midY = top + kItemHeight / 2;
            if (item.checked) {
                drawRadioMark(screen, r.x + 1 + kCheckColumn / 2, midY, color);
            }
            drawLabel(screen, r.x + 1 + kCheckColumn, textTop, item.text, item.accessIndex, color);
            if (!item.shortcut.empty()) {
                const int w = textWidth(item.shortcut.c_str());
                drawText(screen, r.x + r.w - 1 - kArrowColumn - w, textTop, item.shortcut.c_str(),
                         color, FontFace::System, kTextPixels);
            }
            if (!item.items.empty()) {
                drawSubArrow(screen, r.x + r.w - 1 - kArrowColumn / 2 - 2, midY, color);
            }
            top += kItemHeight;
        }
        SDL_SetClipRect(screen, nullptr);
    }
}

}  // namespace korvat::platform
