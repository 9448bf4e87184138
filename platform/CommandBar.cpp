#include "platform/CommandBar.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "assets/Resources.h"
#include "platform/CommandBarLayout.h"
#include "platform/Display.h"
#include "platform/Font.h"
#include "platform/Resources.h"
#include "platform/Translation.h"

namespace korvat::platform {

using namespace bar;

namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The letter a key chooses an entry by in English: the underlined one, else the first.
char englishLetter(const char* source) {
    const char* mark = std::strchr(source, '&');
    return lower(mark != nullptr ? mark[1] : source[0]);
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

// The item of `command` among `items` and their sub-pop-ups, const or not as `items` are.
template <typename Items>
auto* findItem(Items& items, int command) {
    for (auto& item : items) {
        if (!item.separator && item.command == command && command != 0) {
            return &item;
        }
        if (auto* inner = findItem(item.items, command)) {
            return inner;
        }
    }
    return decltype(&items.front()){nullptr};
}

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
                    parseLabel(tr(from[i].text), item.text, item.accessIndex);
                    // Only an underlined letter chooses an item.
                    if (item.accessIndex >= 0) {
                        item.access = lower(item.text[item.accessIndex]);
                        if (std::strchr(from[i].text, '&') != nullptr) {
                            item.englishAccess = englishLetter(from[i].text);
                        }
                    }
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
        int underlined = -1;
        parseLabel(popup.text != nullptr ? tr(popup.text) : "", dropDown.menu.text, underlined);
        dropDown.menu.access = lower(dropDown.menu.text[0]);
        dropDown.menu.englishAccess = englishLetter(popup.text != nullptr ? popup.text : "");
        if (popup.items != nullptr) {
            Copier::copy(popup.items, popup.itemCount, dropDown.menu.items);
        }
        const int width = textWidth(dropDown.menu.text.c_str()) + 2 * kDropDownPadding;
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

std::vector<CommandBar::Level> CommandBar::openLevels() const {
    std::vector<Level> levels;
    if (openMenu_ < 0 || openMenu_ >= static_cast<int>(menus_.size())) {
        return levels;
    }
    const DropDown& dropDown = menus_[openMenu_];
    const std::vector<Item>& items = dropDown.menu.items;
    const int w = itemsWidth(items);
    const int h = itemsHeight(items);
    const SDL_Rect top{std::clamp(dropDown.rect.x, 0, kScreenWidth - w), kMenuBarTop - h, w, h};
    levels.push_back(Level{&items, top, lit_});
    if (openSub_ < 0 || openSub_ >= static_cast<int>(items.size())) {
        return levels;
    }
    int itemTop = top.y + 1;
    for (int i = 0; i < openSub_; ++i) {
        itemTop += items[i].separator ? kSeparatorHeight : kItemHeight;
    }
    const std::vector<Item>& sub = items[openSub_].items;
    const int sw = itemsWidth(sub);
    const int sh = itemsHeight(sub);
    // To the right of its item, moved left and up as far as the screen needs.
    const int x = std::max(std::min(top.x + top.w - 3, kScreenWidth - sw), 0);
    levels.push_back(
        Level{&sub, SDL_Rect{x, std::clamp(itemTop - 1, 0, kMenuBarTop - sh), sw, sh}, subLit_});
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
    const int button = partAt(buttons_, x, y);
    return button >= 0 ? buttons_[button].command : 0;
}

}  // namespace korvat::platform
