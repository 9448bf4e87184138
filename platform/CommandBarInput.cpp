#include "platform/CommandBar.h"

#include "platform/CommandBarLayout.h"

namespace korvat::platform {

using bar::partAt;

namespace {

// The entry whose own letter is `letter`, else the first whose English letter is; -1 for none.
// `itemOf` gives an entry's item.
template <typename Entries, typename ItemOf>
int matchingEntry(const Entries& entries, char letter, ItemOf itemOf) {
    for (const bool english : {false, true}) {
        for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
            const auto& item = itemOf(entries[i]);
            if ((english ? item.englishAccess : item.access) == letter && letter != '\0') {
                return i;
            }
        }
    }
    return -1;
}

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
    if (item.separator) {
        return Outcome{true, false, 0};
    }
    if (!item.items.empty()) {
        if (depth == 0) {
            openSub_ = index;
            lit_ = index;
            subLit_ = firstSelectable(item.items, 0, 1);
        }
        return Outcome{true, true, 0};
    }
    closeMenu();
    return Outcome{true, true, item.command};
}

CommandBar::Outcome CommandBar::mouseDown(int x, int y) {
    const Outcome taken{true, true, 0};
    if (menuOpen()) {
        const std::vector<Level> levels = openLevels();
        for (int depth = static_cast<int>(levels.size()) - 1; depth >= 0; --depth) {
            const int index = itemAt(levels[depth], x, y);
            if (index < 0) {
                if (contains(levels[depth].rect, x, y)) {
                    return taken;  // the border
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
            return taken;  // the item is chosen when the button comes up over it
        }
        const int dropDown = partAt(menus_, x, y);
        if (dropDown >= 0 && dropDown != openMenu_) {
            openMenu(dropDown, false);
        } else {
            closeMenu();
        }
        return taken;
    }
    const int dropDown = partAt(menus_, x, y);
    if (dropDown >= 0) {
        openMenu(dropDown, false);
        return taken;
    }
    const int button = partAt(buttons_, x, y);
    if (button >= 0) {
        pressedButton_ = button;
        return taken;
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
        if (index >= 0 && (*levels[depth].items)[index].items.empty()) {
            return choose((*levels[depth].items)[index], depth, index);
        }
        if (index >= 0) {
            break;  // a sub-pop-up's item opened it on the press
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
        const int index = matchingEntry(menus_, static_cast<char>(key.sym),
                                        [](const DropDown& d) -> const Item& { return d.menu; });
        if (index >= 0) {
            if (openMenu_ == index) {
                closeMenu();
            } else {
                openMenu(index, true);
            }
            return Outcome{true, true, 0};
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
        const int index = matchingEntry(items, static_cast<char>(key.sym),
                                        [](const Item& item) -> const Item& { return item; });
        if (index >= 0) {
            return choose(items[index], inSub ? 1 : 0, index);
        }
    }
    return Outcome{true, false, 0};  // the open menu keeps the keyboard
}

}  // namespace korvat::platform
