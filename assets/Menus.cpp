// Menu 139 and toolbar 141 of the menu bar.
#include "Commands.h"
#include "Resources.h"

namespace korvat::res {

namespace {

constexpr MenuItem kNewGameItems[] = {
    {"Lines [5 balls]", command::kLinesMode, true, nullptr, 0},
    {"Block [2x2 balls]", command::kBlockMode, false, nullptr, 0},
};

constexpr MenuItem kGameItems[] = {
    {"New game", 0, false, kNewGameItems, 2},
    {nullptr, 0, false, nullptr, 0},
    {"&Save game", command::kSaveGame, false, nullptr, 0},
    {"&Load game", command::kLoadGame, false, nullptr, 0},
    {nullptr, 0, false, nullptr, 0},
    {"&Option", command::kOption, false, nullptr, 0},
    {"High scores", command::kHighScores, false, nullptr, 0},
    {nullptr, 0, false, nullptr, 0},
    {"E&xit", command::kExit, false, nullptr, 0},
};

constexpr MenuItem kInfoItems[] = {
    {"&About", command::kAbout, false, nullptr, 0},
};

constexpr MenuItem kPopups[] = {
    {"Game", 0, false, kGameItems, sizeof kGameItems / sizeof kGameItems[0]},
    {"Info", 0, false, kInfoItems, 1},
};

constexpr Menu kMainMenuResource = {kPopups, 2};

constexpr int kToolbarCommands[] = {command::kUndo, 0, command::kToolLoad, command::kToolSave,
                                    command::kNewGame};

constexpr Toolbar kToolbarResource = {16, 15, kToolbarCommands, 5};

}  // namespace

const Menu* findMenu(int id) {
    return id == kMainMenu ? &kMainMenuResource : nullptr;
}

const Toolbar* findToolbar(int id) {
    return id == kToolbar ? &kToolbarResource : nullptr;
}

}  // namespace korvat::res
