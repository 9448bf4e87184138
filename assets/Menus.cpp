// Menu 139 and toolbar 141 of the menu bar.
#include "Commands.h"
#include "Resources.h"
#include "TextMarker.h"

namespace korvat::res {

namespace {

constexpr MenuItem kNewGameItems[] = {
    // TRANSLATORS: the two rule sets, in the New game sub-menu; their names are those of the
    // About text.
    {N_("Lines [5 balls]"), command::kLinesMode, true, nullptr, 0},
    {N_("Block [2x2 balls]"), command::kBlockMode, false, nullptr, 0},
};

constexpr MenuItem kGameItems[] = {
    {N_("New game"), 0, false, kNewGameItems, 2},
    {nullptr, 0, false, nullptr, 0},
    // TRANSLATORS: Game menu items. "&" stands before the letter a key chooses the item by:
    // one letter for each item of the menu.
    {N_("&Save game"), command::kSaveGame, false, nullptr, 0},
    {N_("&Load game"), command::kLoadGame, false, nullptr, 0},
    {nullptr, 0, false, nullptr, 0},
    {N_("&Option"), command::kOption, false, nullptr, 0},
    {N_("High scores"), command::kHighScores, false, nullptr, 0},
    {nullptr, 0, false, nullptr, 0},
    {N_("E&xit"), command::kExit, false, nullptr, 0},
};

constexpr MenuItem kInfoItems[] = {
    {N_("&About"), command::kAbout, false, nullptr, 0},
};

constexpr MenuItem kPopups[] = {
    // TRANSLATORS: the menu bar's two labels, together in about 100 pixels; Alt and the first
    // letter open them.
    {N_("Game"), 0, false, kGameItems, sizeof kGameItems / sizeof kGameItems[0]},
    {N_("Info"), 0, false, kInfoItems, 1},
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
