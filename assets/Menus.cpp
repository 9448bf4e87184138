// Menu 139 and toolbar 141 of the menu bar.
#include "Resources.h"

namespace korvat::res {

namespace {

constexpr MenuItem kNewGameItems[] = {
    {"Lines [5 balls]", 32796, true, nullptr, 0},
    {"Block [2x2 balls]", 32797, false, nullptr, 0},
};

constexpr MenuItem kGameItems[] = {
    {"New game", 0, false, kNewGameItems, 2},  {nullptr, 0, false, nullptr, 0},
    {"&Save game", 32778, false, nullptr, 0},  {"&Load game", 32780, false, nullptr, 0},
    {nullptr, 0, false, nullptr, 0},           {"&Option", 32781, false, nullptr, 0},
    {"High scores", 32798, false, nullptr, 0}, {nullptr, 0, false, nullptr, 0},
    {"E&xit", 32782, false, nullptr, 0},
};

constexpr MenuItem kInfoItems[] = {
    {"&About", 32777, false, nullptr, 0},
};

constexpr MenuItem kPopups[] = {
    {"Game", 0, false, kGameItems, sizeof kGameItems / sizeof kGameItems[0]},
    {"Info", 0, false, kInfoItems, 1},
};

constexpr Menu kMainMenuResource = {kPopups, 2};

constexpr int kToolbarCommands[] = {32783, 0, 32790, 32793, 32789};

constexpr Toolbar kToolbarResource = {16, 15, kToolbarCommands, 5};

}  // namespace

const Menu* findMenu(int id) {
    return id == kMainMenu ? &kMainMenuResource : nullptr;
}

const Toolbar* findToolbar(int id) {
    return id == kToolbar ? &kToolbarResource : nullptr;
}

}  // namespace korvat::res
