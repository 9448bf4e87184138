// Template dialogs: editing, focus and buttons driven through the page's handlers.
#include <gtest/gtest.h>

#include <tuple>

#include "PlatformTestSupport.h"
#include "assets/Resources.h"
#include "platform/Dialog.h"

namespace korvat::platform {
namespace {

using testing::key;

constexpr int kBox = 1002;  // the player-name dialog's box

void clickOn(Dialog& dialog, int id) {
    const SDL_Rect r = dialog.control(id)->rect();
    dialog.onMouseDown(r.x + r.w / 2, r.y + r.h / 2);
}

TEST(EditBox, LimitCountsUtf16UnitsAndEditingTakesWholeCharacters) {
    Dialog dialog(res::kPlayerNameDialog);
    dialog.create();
    dialog.limitText(kBox, 15);
    dialog.onTextInput("ÄÖÜÄÖÜÄÖÜÄÖÜÄÖÜÄÖÜ");  // cut after 15 characters, 30 bytes
    EXPECT_EQ(dialog.itemText(kBox), "ÄÖÜÄÖÜÄÖÜÄÖÜÄÖÜ");
    // An emoji takes two units: after 14 characters it no longer fits, after 13 it does.
    dialog.setItemText(kBox, "abcdefghijklmn");
    dialog.onKeyDown(key(SDLK_END));
    dialog.onTextInput("😀");
    EXPECT_EQ(dialog.itemText(kBox), "abcdefghijklmn");
    dialog.onKeyDown(key(SDLK_BACKSPACE));
    dialog.onTextInput("😀");
    EXPECT_EQ(dialog.itemText(kBox), "abcdefghijklm😀");

    dialog.setItemText(kBox, "aÄ😀b");
    // End, Left, Backspace: the emoji, all four bytes; Home, Right, Delete: the Ä.
    for (const SDL_Keycode sym :
         {SDLK_END, SDLK_LEFT, SDLK_BACKSPACE, SDLK_HOME, SDLK_RIGHT, SDLK_DELETE}) {
        dialog.onKeyDown(key(sym));
    }
    dialog.onTextInput("ü");
    EXPECT_EQ(dialog.itemText(kBox), "aüb");
    dialog.onKeyDown(key(SDLK_HOME));
    dialog.onKeyDown(key(SDLK_BACKSPACE));  // nothing before the caret
    dialog.onTextInput(">");
    EXPECT_EQ(dialog.itemText(kBox), ">aüb");
}

TEST(DialogFocus, TabFollowsTemplateOrderAClickPutsTheCaretWhereItLandsInADigitsOnlyBox) {
    Dialog dialog(res::kOptionsDialog);
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
    dialog.setItemText(1004, "2");
    clickOn(dialog, 1004);  // right of the text: the caret goes after it
    EXPECT_EQ(dialog.focusId(), 1004);
    for (const char* text : {"1", "a", "-", "٣", "2x3", " "}) {  // ٣: another script's digit
        dialog.onTextInput(text);
    }
    EXPECT_EQ(dialog.itemText(1004), "2123");
}

TEST(DialogButtons, EnterEscapeSpaceAndClicksEndWithTheirButton) {
    // Enter presses a focused button, else the default one; SDLK_UNKNOWN: a click on the focus.
    for (const auto& [focus, sym, result] : {std::tuple{1003, SDLK_RETURN, kIdOK},
                                             {kIdCancel, SDLK_KP_ENTER, kIdCancel},
                                             {1003, SDLK_ESCAPE, kIdCancel},
                                             {kIdOK, SDLK_SPACE, kIdOK},
                                             {kIdCancel, SDLK_UNKNOWN, kIdCancel}}) {
        Dialog dialog(res::kOptionsDialog);
        dialog.create();
        dialog.setFocus(focus);
        if (sym == SDLK_UNKNOWN) {
            clickOn(dialog, focus);
        } else {
            EXPECT_TRUE(dialog.onKeyDown(key(sym)));
        }
        EXPECT_EQ(dialog.modalResult(), result) << focus << " " << SDL_GetKeyName(sym);
    }
}

TEST(ParseUnsigned, TakesDecimalsWithBlanksAroundAndRefusesAllElse) {
    for (const auto& [text, expected] :
         {std::pair{"0", 0u}, {" \t 0042\t ", 42u}, {"4294967295", 4294967295u}}) {
        uint32_t value = 7;
        EXPECT_TRUE(parseUnsigned(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, expected);
    }
    for (const char* text :
         {"", " ", "4294967296", "99999999999999999999", "-1", "+5", "1 2", "12a", "0x10", "\n5"}) {
        uint32_t value = 77;
        EXPECT_FALSE(parseUnsigned(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, 77u) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace korvat::platform
