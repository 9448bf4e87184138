// Dialogs in the real modal loop of the display (offscreen), fed with queued SDL events, and
// the program's own dialog templates laid out on the device screen.
#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "platform/Display.h"
#include "platform_test_support.h"

namespace korvat::platform {
namespace {

using testing::DelaysDialog;
using testing::NameDialog;

using testing::pushKey;
using testing::pushText;

class ModalDialog : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!Display::instance().isOpen()) {
            ASSERT_TRUE(Display::instance().open("korvat dialogs"));
        }
    }
};

TEST_F(ModalDialog, QueuedKeysAndTextRunTheDialogToOk) {
    DelaysDialog dialog;
    pushKey(SDLK_TAB);
    pushKey(SDLK_TAB);  // from OK over Cancel to the Jump box
    pushText("42");
    pushKey(SDLK_RETURN);
    EXPECT_EQ(dialog.DoModal(), kIdOK);
    EXPECT_EQ(dialog.jump, 42u);
    EXPECT_EQ(dialog.move, 4u);
}

TEST_F(ModalDialog, EscapeEndsWithCancelButIsIgnoredByTheNameDialog) {
    DelaysDialog dialog;
    pushKey(SDLK_ESCAPE);
    EXPECT_EQ(dialog.DoModal(), kIdCancel);

    NameDialog name;
    pushText("Zoë");
    pushKey(SDLK_ESCAPE);
    pushKey(SDLK_KP_ENTER);
    EXPECT_EQ(name.DoModal(), kIdOK);
    EXPECT_EQ(name.name, "Zoë");
}

TEST_F(ModalDialog, DoModalStartsAfreshEachTime) {
    NameDialog name;
    pushText("first");
    pushKey(SDLK_RETURN);
    ASSERT_EQ(name.DoModal(), kIdOK);
    name.name.clear();
    pushKey(SDLK_RETURN);
    EXPECT_EQ(name.DoModal(), kIdOK);
    EXPECT_EQ(name.name, "");
}

TEST(DialogTemplates, ProgramDialogsFitTheClientArea) {
    for (int id : {res::kOptionsDialog, res::kHighScoresDialog, res::kPlayerNameDialog}) {
        const res::DialogTemplate* t = res::findDialog(id);
        ASSERT_NE(t, nullptr) << id;
        Dialog dialog(id);
        dialog.create();
        EXPECT_STREQ(dialog.caption(), t->caption);
        for (int i = 0; i < t->controlCount; ++i) {
            const Control* c = dialog.control(t->controls[i].id);
            ASSERT_NE(c, nullptr);
            const SDL_Rect r = c->rect();
            EXPECT_GE(r.x, 0) << id << '/' << t->controls[i].id;
            EXPECT_GE(r.y, 0) << id << '/' << t->controls[i].id;
            EXPECT_LE(r.x + r.w, kClientWidth) << id << '/' << t->controls[i].id;
            EXPECT_LE(r.y + r.h, kClientHeight) << id << '/' << t->controls[i].id;
        }
    }
}

TEST(DialogTemplates, OptionsTemplateBehavesLikeTheTestCopy) {
    const res::DialogTemplate* options = res::findDialog(res::kOptionsDialog);
    ASSERT_NE(options, nullptr);
    DelaysDialog dialog(*options);
    dialog.create();
    std::vector<int> order{dialog.focusId()};
    for (int i = 0; i < 6; ++i) {
        dialog.onKeyDown(testing::key(SDLK_TAB));
        order.push_back(dialog.focusId());
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 1002, 1003, 1004, 1005, 1008}));
    dialog.setFocus(1005);
    dialog.onTextInput("7x");
    EXPECT_EQ(dialog.itemText(1005), "7");
}

}  // namespace
}  // namespace korvat::platform
