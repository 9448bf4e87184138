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

}  // namespace
}  // namespace korvat::test
