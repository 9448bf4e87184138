// Template dialogs: editing, focus and buttons driven through the page's handlers, then in
// the display's real modal loop fed with queued SDL events.
#include <gtest/gtest.h>

#include "assets/Resources.h"
#include "platform/Dialog.h"
#include "platform_test_support.h"

namespace korvat::platform {
namespace {

using testing::key;

// The four delays and the sound switch, exchanged in the order the game uses.
class DelaysDialog : public Dialog {
  public:
    DelaysDialog() : Dialog(res::kOptionsDialog) {}
    bool DoDataExchange(bool save) override {
        exchangeCheck(save, 1008, sound);
        return exchangeUnsigned(save, 1005, appear) && exchangeUnsigned(save, 1004, explosion) &&
               exchangeUnsigned(save, 1002, jump) && exchangeUnsigned(save, 1003, move);
    }
    uint32_t appear = 1, explosion = 2, jump = 3, move = 4;
    bool sound = true;
};

// The name dialog: a box of 15 units, and no way out but OK.
class NameDialog : public Dialog {
  public:
    NameDialog() : Dialog(res::kPlayerNameDialog) {}
    bool OnInitDialog() override {
        Dialog::OnInitDialog();
        limitText(1002, 15);
        return true;
    }
    bool DoDataExchange(bool save) override {
        exchangeText(save, 1002, name);
        return true;
    }
    void OnCancel() override {}
    std::string name;
};

// A click in the middle of a control.
void clickOn(Dialog& dialog, int id) {
    const SDL_Rect r = dialog.control(id)->rect();
    dialog.onMouseDown(r.x + r.w / 2, r.y + r.h / 2);
}

TEST(EditBox, LimitCountsUtf16UnitsOfAnyInput) {
    NameDialog dialog;
    dialog.create();
    ASSERT_EQ(dialog.focusId(), 1002);
    for (int i = 0; i < 6; ++i) {
        dialog.onTextInput("ÄÖÜ");
    }
    EXPECT_EQ(dialog.itemText(1002), "ÄÖÜÄÖÜÄÖÜÄÖÜÄÖÜ");  // 15 characters in 30 bytes

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
    dialog.onTextInput(">");
    EXPECT_EQ(dialog.itemText(1002), ">aüb");
}

TEST(EditBox, DigitsOnlyBoxRefusesOtherCharacters) {
    DelaysDialog dialog;
    dialog.create();
    dialog.setItemText(1002, "");
    dialog.setFocus(1002);
    // A digit of another script is no decimal digit here.
    for (const char* text : {"1", "a", "-", "٣", "2x3", " "}) {
        dialog.onTextInput(text);
    }
    EXPECT_EQ(dialog.itemText(1002), "123");
}

TEST(DialogFocus, TabFollowsTemplateOrderAndSelectsTheBoxItReaches) {
    DelaysDialog dialog;
    dialog.create();
    std::vector<int> order{dialog.focusId()};  // the first control that takes the focus
    for (int i = 0; i < 7; ++i) {
        dialog.onKeyDown(key(SDLK_TAB));
        order.push_back(dialog.focusId());
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 1002, 1003, 1004, 1005, 1008, 1}));
    dialog.onKeyDown(key(SDLK_TAB, KMOD_LSHIFT));
    dialog.onKeyDown(key(SDLK_TAB, KMOD_LSHIFT));
    EXPECT_EQ(dialog.focusId(), 1005);
    // Reached by the keyboard the text is selected, so typing replaces it.
    dialog.onTextInput("9");
    EXPECT_EQ(dialog.itemText(1005), "9");
    // A click puts the caret where it lands instead.
    clickOn(dialog, 1004);
    EXPECT_EQ(dialog.focusId(), 1004);
    EXPECT_FALSE(dynamic_cast<EditBox*>(dialog.control(1004))->allSelected());
    dialog.onKeyDown(key(SDLK_END));
    dialog.onTextInput("5");
    EXPECT_EQ(dialog.itemText(1004), "25");
}

TEST(DialogButtons, EnterEscapeSpaceAndClicksEndWithTheirButton) {
    struct Case {
        int focus;
        SDL_Keycode key;  // SDLK_UNKNOWN: a click on the focused control
        int result;
    };
    for (const Case c : {Case{1003, SDLK_RETURN, kIdOK},
                         {kIdCancel, SDLK_KP_ENTER, kIdCancel},
                         {1003, SDLK_ESCAPE, kIdCancel},
                         {kIdOK, SDLK_SPACE, kIdOK},
                         {kIdCancel, SDLK_UNKNOWN, kIdCancel}}) {
        DelaysDialog dialog;
        dialog.create();
        dialog.setFocus(c.focus);
        if (c.key == SDLK_UNKNOWN) {
            clickOn(dialog, c.focus);
        } else {
            EXPECT_TRUE(dialog.onKeyDown(key(c.key)));
        }
        EXPECT_EQ(dialog.modalResult(), c.result) << c.focus << " " << SDL_GetKeyName(c.key);
    }
    NameDialog name;  // ignores Escape
    name.create();
    name.onKeyDown(key(SDLK_ESCAPE));
    EXPECT_FALSE(name.modalEnded());
}

TEST(CheckBox, ClickAndSpaceToggle) {
    DelaysDialog dialog;
    dialog.create();
    ASSERT_TRUE(dialog.isChecked(1008));
    clickOn(dialog, 1008);
    EXPECT_FALSE(dialog.isChecked(1008));
    EXPECT_EQ(dialog.focusId(), 1008);
    dialog.onKeyDown(key(SDLK_SPACE));
    dialog.onKeyDown(key(SDLK_SPACE));
    dialog.OnOK();
    EXPECT_FALSE(dialog.sound);
}

TEST(ParseUnsigned, TakesDecimalsWithBlanksAroundAndRefusesAllElse) {
    const std::pair<const char*, uint32_t> accepted[] = {
        {"0", 0}, {" \t 250\t ", 250}, {"0042", 42}, {"4294967295", 4294967295u}};
    for (const auto& [text, expected] : accepted) {
        uint32_t value = 7;
        EXPECT_TRUE(parseUnsigned(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, expected);
    }
    for (const char* text : {"", " ", "\t", "4294967296", "99999999999999999999", "-1", "+5", "1 2",
                             "12a", "a12", "0x10", "1.5", "\n5", "5\n"}) {
        uint32_t value = 77;
        EXPECT_FALSE(parseUnsigned(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, 77u) << '"' << text << '"';
    }
}

class ModalDialog : public testing::DisplayTest {};

TEST_F(ModalDialog, QueuedKeysAndTextRunTheDialogEachTimeAfresh) {
    DelaysDialog dialog;
    testing::pushKey(SDLK_TAB);
    testing::pushKey(SDLK_TAB);  // from OK over Cancel to the Jump box
    testing::pushText("42");
    testing::pushKey(SDLK_RETURN);
    EXPECT_EQ(dialog.DoModal(), kIdOK);
    EXPECT_EQ(dialog.jump, 42u);
    testing::pushKey(SDLK_ESCAPE);
    EXPECT_EQ(dialog.DoModal(), kIdCancel);

    NameDialog name;
    testing::pushText("Zoë");
    testing::pushKey(SDLK_ESCAPE);
    testing::pushKey(SDLK_RETURN);
    EXPECT_EQ(name.DoModal(), kIdOK);
    EXPECT_EQ(name.name, "Zoë");
    name.name.clear();
    testing::pushKey(SDLK_RETURN);
    EXPECT_EQ(name.DoModal(), kIdOK);
    EXPECT_EQ(name.name, "");
}

}  // namespace
}  // namespace korvat::platform
