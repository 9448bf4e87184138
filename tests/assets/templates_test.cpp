// Dialog templates, menu 139 and toolbar 141: the ids and commands the shell relies on.
#include <gtest/gtest.h>

#include <vector>

#include "assets/Resources.h"

namespace korvat::test {
namespace {

TEST(Dialogs, ControlIdsInTemplateOrder) {
    struct Expected {
        int dialog;
        std::vector<int> ids;  // -1: a label
    };
    for (const Expected& e :
         {Expected{res::kMainDialog, {}},
          {res::kAboutDialog, {}},
          {res::kOptionsDialog, {1, 2, 1002, -1, -1, 1003, -1, 1004, -1, 1005, -1, 1008}},
          {res::kHighScoresDialog, {1}},
          {res::kPlayerNameDialog, {-1, 1002, 1}}}) {
        const res::DialogTemplate* d = res::findDialog(e.dialog);
        ASSERT_NE(d, nullptr) << e.dialog;
        std::vector<int> ids;
        for (int i = 0; i < d->controlCount; ++i) {
            ids.push_back(d->controls[i].id);
            // OK is the default button wherever it is.
            EXPECT_EQ(d->controls[i].id == 1, bool(d->controls[i].style & res::kStyleDefault));
        }
        EXPECT_EQ(ids, e.ids) << e.dialog;
    }
    EXPECT_EQ(res::findDialog(101), nullptr);
}

TEST(MainMenu, CommandsOfTheItemsAndButtons) {
    const res::Menu* menu = res::findMenu(res::kMainMenu);
    ASSERT_NE(menu, nullptr);
    std::vector<int> commands;  // every item in order, sub-pop-up items after their pop-up
    for (int p = 0; p < menu->popupCount; ++p) {
        for (int i = 0; i < menu->popups[p].itemCount; ++i) {
            const res::MenuItem& item = menu->popups[p].items[i];
            commands.push_back(item.command);
            for (int k = 0; k < item.itemCount; ++k) {
                commands.push_back(item.items[k].command);
            }
        }
    }
    EXPECT_EQ(commands, (std::vector<int>{0, 32796, 32797, 0, 32778, 32780, 0, 32781, 32798, 0,
                                          32782, 32777}));
    const res::Toolbar* bar = res::findToolbar(res::kToolbar);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(std::vector<int>(bar->commands, bar->commands + bar->commandCount),
              (std::vector<int>{32783, 0, 32790, 32793, 32789}));
}

}  // namespace
}  // namespace korvat::test
