// Editing, focus and buttons of template dialogs, driven through the page's handlers.
#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "platform/Display.h"

namespace korvat::platform {
namespace {

using testing::clickOn;
using testing::DelaysDialog;
using testing::editBox;
using testing::key;
using testing::NameDialog;

TEST(EditBox, LimitCountsUtf16UnitsOfAnyInput) {
    NameDialog dialog;
    dialog.create();
    ASSERT_EQ(dialog.focusId(), 1002);
    for (int i = 0; i < 5; ++i) {
        dialog.onTextInput("ÄÖÜ");
    }
    EXPECT_EQ(dialog.itemText(1002), "ÄÖÜÄÖÜÄÖÜÄÖÜÄÖÜ");  // 15 characters in 30 bytes
    dialog.onTextInput("x");
    EXPECT_EQ(dialog.itemText(1002), "ÄÖÜÄÖÜÄÖÜÄÖÜÄÖÜ");

    // An emoji takes two units: after 14 characters it no longer fits, after 13 it does.
    dialog.setItemText(1002, "abcdefghijklmn");
    dialog.onKeyDown(key(SDLK_END));
    dialog.onTextInput("😀");
    EXPECT_EQ(dialog.itemText(1002), "abcdefghijklmn");
    dialog.onKeyDown(key(SDLK_BACKSPACE));
    dialog.onTextInput("😀");
    EXPECT_EQ(dialog.itemText(1002), "abcdefghijklm😀");

    // Input longer than what is left is cut at a whole character.
    dialog.setItemText(1002, "");
    dialog.onTextInput("0123456789abcdefghij");
    EXPECT_EQ(dialog.itemText(1002), "0123456789abcde");
}

TEST(EditBox, CaretKeysMoveAndDeleteWholeCharacters) {
    NameDialog dialog;
    dialog.create();
    dialog.onTextInput("aÄ😀b");
    dialog.onKeyDown(key(SDLK_LEFT));
    dialog.onKeyDown(key(SDLK_BACKSPACE));  // the emoji, all four bytes
    EXPECT_EQ(dialog.itemText(1002), "aÄb");
    dialog.onKeyDown(key(SDLK_HOME));
    dialog.onKeyDown(key(SDLK_RIGHT));
    dialog.onKeyDown(key(SDLK_DELETE));
    EXPECT_EQ(dialog.itemText(1002), "ab");
    dialog.onTextInput("ü");
    EXPECT_EQ(dialog.itemText(1002), "aüb");
    dialog.onKeyDown(key(SDLK_END));
    dialog.onKeyDown(key(SDLK_DELETE));  // nothing after the caret
    dialog.onKeyDown(key(SDLK_HOME));
    dialog.onKeyDown(key(SDLK_BACKSPACE));  // nothing before it
    EXPECT_EQ(dialog.itemText(1002), "aüb");
    dialog.onTextInput(">");
    EXPECT_EQ(dialog.itemText(1002), ">aüb");
}

TEST(EditBox, DigitsOnlyBoxRefusesOtherCharacters) {
    DelaysDialog dialog;
    dialog.create();
    dialog.setItemText(1002, "");
    dialog.setFocus(1002);
    dialog.onTextInput("1");
    dialog.onTextInput("a");
    dialog.onTextInput("-");
    dialog.onTextInput("٣");  // a digit of another script is no decimal digit here
    dialog.onTextInput("2x3");
    dialog.onTextInput(" ");
    EXPECT_EQ(dialog.itemText(1002), "123");
}

TEST(EditBox, KeyboardFocusSelectsTheTextSoTypingReplacesIt) {
    DelaysDialog dialog;
    dialog.create();  // boxes hold 3 (Jump) and 4 (Movement)
    dialog.setFocus(1002);
    dialog.onTextInput("250");
    EXPECT_EQ(dialog.itemText(1002), "250");
    dialog.onKeyDown(key(SDLK_TAB));
    ASSERT_EQ(dialog.focusId(), 1003);
    dialog.onKeyDown(key(SDLK_BACKSPACE));
    EXPECT_EQ(dialog.itemText(1003), "");
    // A click puts the caret where it lands instead.
    clickOn(dialog, 1004);
    EXPECT_EQ(dialog.focusId(), 1004);
    EXPECT_FALSE(editBox(dialog, 1004).allSelected());
    dialog.onKeyDown(key(SDLK_END));
    dialog.onTextInput("5");
    EXPECT_EQ(dialog.itemText(1004), "25");
}

TEST(EditBox, LongTextScrollsToKeepTheCaretInView) {
    NameDialog dialog;
    dialog.create();
    dialog.limitText(1002, 0);  // back to the default limit
    const std::string wide(60, 'W');
    dialog.onTextInput(wide.c_str());
    EditBox& box = editBox(dialog, 1002);
    ASSERT_EQ(box.text(), wide);
    EXPECT_GT(box.scrollOffset(), 0);
    dialog.onKeyDown(key(SDLK_HOME));
    EXPECT_EQ(box.scrollOffset(), 0);
    dialog.onKeyDown(key(SDLK_END));
    EXPECT_GT(box.scrollOffset(), 0);
    dialog.setItemText(1002, "W");
    EXPECT_EQ(box.scrollOffset(), 0);
}

TEST(DialogFocus, TabFollowsTemplateOrderAndSkipsLabels) {
    DelaysDialog dialog;
    dialog.create();
    EXPECT_EQ(dialog.focusId(), 1);  // the first control that takes the focus
    std::vector<int> order;
    for (int i = 0; i < 7; ++i) {
        dialog.onKeyDown(key(SDLK_TAB));
        order.push_back(dialog.focusId());
    }
    EXPECT_EQ(order, (std::vector<int>{2, 1002, 1003, 1004, 1005, 1008, 1}));
    dialog.onKeyDown(key(SDLK_TAB, KMOD_LSHIFT));
    EXPECT_EQ(dialog.focusId(), 1008);
    dialog.onKeyDown(key(SDLK_TAB, KMOD_LSHIFT));
    EXPECT_EQ(dialog.focusId(), 1005);
}

TEST(DialogButtons, EnterPressesTheDefaultButtonUnlessAnotherHasTheFocus) {
    DelaysDialog dialog;
    dialog.create();
    dialog.setFocus(1003);
    EXPECT_TRUE(dialog.onKeyDown(key(SDLK_RETURN)));
    EXPECT_EQ(dialog.modalResult(), kIdOK);

    DelaysDialog other;
    other.create();
    other.setFocus(kIdCancel);
    EXPECT_TRUE(other.onKeyDown(key(SDLK_KP_ENTER)));
    EXPECT_EQ(other.modalResult(), kIdCancel);
}

TEST(DialogButtons, ClicksAndSpaceOnButtons) {
    DelaysDialog dialog;
    dialog.create();
    clickOn(dialog, kIdCancel);
    EXPECT_EQ(dialog.modalResult(), kIdCancel);

    DelaysDialog other;
    other.create();
    other.setFocus(kIdOK);
    other.onKeyDown(key(SDLK_SPACE));
    EXPECT_EQ(other.modalResult(), kIdOK);
}

TEST(DialogButtons, EscapeCancelsUnlessTheDialogIgnoresIt) {
    DelaysDialog dialog;
    dialog.create();
    EXPECT_TRUE(dialog.onKeyDown(key(SDLK_ESCAPE)));
    EXPECT_EQ(dialog.modalResult(), kIdCancel);

    NameDialog name;
    name.create();
    name.onTextInput("Ann");
    name.onKeyDown(key(SDLK_ESCAPE));
    EXPECT_FALSE(name.modalEnded());
    name.onKeyDown(key(SDLK_RETURN));
    EXPECT_TRUE(name.modalEnded());
    EXPECT_EQ(name.name, "Ann");
}

TEST(CheckBox, ClickAndSpaceToggle) {
    DelaysDialog dialog;
    dialog.create();
    ASSERT_TRUE(dialog.isChecked(1008));
    clickOn(dialog, 1008);
    EXPECT_FALSE(dialog.isChecked(1008));
    EXPECT_EQ(dialog.focusId(), 1008);
    dialog.onKeyDown(key(SDLK_SPACE));
    EXPECT_TRUE(dialog.isChecked(1008));
    dialog.onKeyDown(key(SDLK_SPACE));
    dialog.OnOK();
    EXPECT_FALSE(dialog.sound);
}

TEST(DialogLayout, ClicksOutsideControlsChangeNothing) {
    DelaysDialog dialog;
    dialog.create();
    dialog.setFocus(1003);
    dialog.onMouseDown(kClientWidth - 1, kClientHeight - 1);
    const SDL_Rect label = dialog.control(1002)->rect();
    dialog.onMouseDown(2, label.y + 2);  // the "Jump" label
    EXPECT_EQ(dialog.focusId(), 1003);
    EXPECT_FALSE(dialog.modalEnded());
}

}  // namespace
}  // namespace korvat::platform
