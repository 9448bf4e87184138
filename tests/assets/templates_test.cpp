// Dialog templates, menu 139 and toolbar 141 as the shell builds its windows from them.
#include <gtest/gtest.h>

#include <string>

#include "assets/Resources.h"

namespace korvat::test {
namespace {

using res::ControlKind;

const res::ControlTemplate* control(const res::DialogTemplate& d, int id, const char* text) {
    for (int i = 0; i < d.controlCount; ++i) {
        const res::ControlTemplate& c = d.controls[i];
        if (c.id == id && (id != -1 || std::string(c.text) == text)) {
            return &c;
        }
    }
    return nullptr;
}

void expectPlace(const res::ControlTemplate* c, int x, int y, int w, int h) {
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->x, x) << c->text;
    EXPECT_EQ(c->y, y) << c->text;
    EXPECT_EQ(c->width, w) << c->text;
    EXPECT_EQ(c->height, h) << c->text;
}

void expectDialog(const res::DialogTemplate* d, const char* caption, int w, int h, int controls) {
    ASSERT_NE(d, nullptr);
    EXPECT_STREQ(d->caption, caption);
    EXPECT_EQ(d->width, w);
    EXPECT_EQ(d->height, h);
    EXPECT_STREQ(d->fontFace, "System");
    EXPECT_EQ(d->fontPoints, 8);
    EXPECT_EQ(d->controlCount, controls);
}

TEST(Dialogs, MainAndAboutHaveNoControls) {
    expectDialog(res::findDialog(102), "Korvat 1.2", 140, 103, 0);
    expectDialog(res::findDialog(143), "Korvat [ About ]", 193, 130, 0);
    EXPECT_EQ(res::findDialog(101), nullptr);
}

TEST(Dialogs, OptionsInTemplateOrder) {
    const res::DialogTemplate* d = res::findDialog(140);
    expectDialog(d, "Korvat [ Option ]", 140, 140, 12);
    const int order[] = {1, 2, 1002, -1, -1, 1003, -1, 1004, -1, 1005, -1, 1008};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(d->controls[i].id, order[i]) << i;
    }
    const res::ControlTemplate* ok = control(*d, 1, "");
    expectPlace(ok, 83, 95, 50, 14);
    EXPECT_EQ(ok->kind, ControlKind::PushButton);
    EXPECT_STREQ(ok->text, "OK");
    EXPECT_TRUE(ok->style & res::kStyleDefault);
    const res::ControlTemplate* cancel = control(*d, 2, "");
    expectPlace(cancel, 83, 119, 50, 14);
    EXPECT_STREQ(cancel->text, "Cancel");
    EXPECT_FALSE(cancel->style & res::kStyleDefault);
    expectPlace(control(*d, 1002, ""), 54, 25, 39, 12);
    expectPlace(control(*d, 1003, ""), 54, 40, 39, 12);
    expectPlace(control(*d, 1004, ""), 54, 55, 39, 12);
    expectPlace(control(*d, 1005, ""), 54, 69, 39, 12);
    for (int id : {1002, 1003, 1004, 1005}) {
        const res::ControlTemplate* box = control(*d, id, "");
        EXPECT_EQ(box->kind, ControlKind::Edit);
        EXPECT_EQ(box->style, res::kStyleDigitsOnly | res::kStyleAutoHScroll | res::kStyleBorder);
    }
    expectPlace(control(*d, -1, "Delay time (mili second):"), 7, 7, 80, 10);
    expectPlace(control(*d, -1, "Jump"), 7, 26, 41, 11);
    expectPlace(control(*d, -1, "Movement"), 8, 40, 41, 11);
    expectPlace(control(*d, -1, "Explosion"), 8, 55, 41, 11);
    expectPlace(control(*d, -1, "Appearance"), 7, 69, 41, 11);
    const res::ControlTemplate* sound = control(*d, 1008, "");
    expectPlace(sound, 7, 88, 77, 11);
    EXPECT_EQ(sound->kind, ControlKind::CheckBox);
    EXPECT_STREQ(sound->text, "Play sound");
}

TEST(Dialogs, HighScoresHasOneDefaultOk) {
    const res::DialogTemplate* d = res::findDialog(148);
    expectDialog(d, "Korvat [High scores]", 134, 157, 1);
    expectPlace(control(*d, 1, ""), 39, 117, 50, 14);
    EXPECT_EQ(d->controls[0].kind, ControlKind::PushButton);
    EXPECT_TRUE(d->controls[0].style & res::kStyleDefault);
}

TEST(Dialogs, PlayerNameHasLabelBoxAndOk) {
    const res::DialogTemplate* d = res::findDialog(149);
    expectDialog(d, "Korvat", 139, 85, 3);
    expectPlace(control(*d, -1, "Your name:"), 7, 13, 88, 11);
    const res::ControlTemplate* name = control(*d, 1002, "");
    expectPlace(name, 7, 28, 125, 15);
    EXPECT_EQ(name->kind, ControlKind::Edit);
    EXPECT_TRUE(name->style & res::kStyleAutoHScroll);
    EXPECT_TRUE(name->style & res::kStyleBorder) << "an edit box of a template has a frame";
    EXPECT_FALSE(name->style & res::kStyleDigitsOnly);
    const res::ControlTemplate* ok = control(*d, 1, "");
    expectPlace(ok, 42, 54, 50, 14);
    EXPECT_TRUE(ok->style & res::kStyleDefault);
    EXPECT_EQ(control(*d, 2, ""), nullptr) << "the name dialog has no Cancel";
}

TEST(MainMenu, GameAndInfoPopups) {
    const res::Menu* menu = res::findMenu(139);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->popupCount, 2);
    const res::MenuItem& game = menu->popups[0];
    EXPECT_STREQ(game.text, "Game");
    ASSERT_EQ(game.itemCount, 9);
    const res::MenuItem& newGame = game.items[0];
    EXPECT_STREQ(newGame.text, "New game");
    EXPECT_EQ(newGame.command, 0);
    ASSERT_EQ(newGame.itemCount, 2);
    EXPECT_STREQ(newGame.items[0].text, "Lines [5 balls]");
    EXPECT_EQ(newGame.items[0].command, 32796);
    EXPECT_TRUE(newGame.items[0].checked);
    EXPECT_STREQ(newGame.items[1].text, "Block [2x2 balls]");
    EXPECT_EQ(newGame.items[1].command, 32797);
    EXPECT_FALSE(newGame.items[1].checked);

    const char* texts[] = {nullptr,   nullptr,       "&Save game", "&Load game", nullptr,
                           "&Option", "High scores", nullptr,      "E&xit"};
    const int commands[] = {0, 0, 32778, 32780, 0, 32781, 32798, 0, 32782};
    for (int i = 1; i < 9; ++i) {
        const res::MenuItem& item = game.items[i];
        EXPECT_EQ(item.command, commands[i]) << i;
        EXPECT_FALSE(item.checked) << i;
        EXPECT_EQ(item.items, nullptr) << i;
        if (texts[i] == nullptr) {
            EXPECT_EQ(item.text, nullptr) << "separator " << i;
        } else {
            EXPECT_STREQ(item.text, texts[i]);
        }
    }

    const res::MenuItem& info = menu->popups[1];
    EXPECT_STREQ(info.text, "Info");
    ASSERT_EQ(info.itemCount, 1);
    EXPECT_STREQ(info.items[0].text, "&About");
    EXPECT_EQ(info.items[0].command, 32777);
    EXPECT_EQ(res::findMenu(140), nullptr);
}

TEST(Toolbar, UndoSeparatorLoadSaveNew) {
    const res::Toolbar* bar = res::findToolbar(141);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->buttonWidth, 16);
    EXPECT_EQ(bar->buttonHeight, 15);
    ASSERT_EQ(bar->commandCount, 5);
    const int commands[] = {32783, 0, 32790, 32793, 32789};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(bar->commands[i], commands[i]) << i;
    }
    EXPECT_EQ(res::findToolbar(139), nullptr);
}

}  // namespace
}  // namespace korvat::test
