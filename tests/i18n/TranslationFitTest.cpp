// Every text in every language fits where the screen shows it, and every character of it has a
// glyph in the face that draws it. English is checked the same way, without a catalogue. And the
// menu bar's keys in a translation: the translated letters, and the English ones for a keyboard
// that cannot type the translation's script.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "PlatformTestSupport.h"
#include "assets/Commands.h"
#include "assets/Resources.h"
#include "platform/CommandBar.h"
#include "platform/CommandBarLayout.h"
#include "platform/ControlsDrawing.h"
#include "platform/Dialog.h"
#include "platform/FileChooser.h"
#include "platform/Font.h"
#include "platform/MessageBox.h"
#include "platform/TitleBar.h"
#include "platform/Translation.h"
#include "shell/AboutDialog.h"
#include "shell/AboutPicture.h"
#include "shell/HighScoresDialog.h"
#include "shell/MenuBar.h"
#include "shell/OptionsDialog.h"
#include "shell/PlayerNameDialog.h"
#include "storage/SettingsStore.h"
#include "ui/Blit.h"

namespace korvat {
namespace {

using platform::FontFace;
using platform::textWidth;
using platform::tr;

// The translations of a locale (LANG, with the variables that would win over it unset).
class Translated : public platform::testing::DisplayTest {
  protected:
    void use(const std::string& locale) {
        setenv("LANG", locale.c_str(), 1);
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            unsetenv(name);
        const bool translating = platform::startTranslations(KORVAT_LOCALE_DIR);
        ASSERT_EQ(translating, !locale.starts_with("en."));
        // A catalogue that did not load would pass every check in English.
        if (translating) {
            ASSERT_STRNE(tr("Game"), "Game") << "no catalogue for " << locale;
        }
    }
    void TearDown() override {
        unsetenv("LANG");
        platform::startTranslations(KORVAT_LOCALE_DIR);
    }
};

TEST_F(Translated, MenuKeysAreTheTranslatedLettersAndTheEnglishOnes) {
    std::unique_ptr<platform::CommandBar> bar;
    const auto press = [&](SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
        return bar->keyDown(platform::testing::key(sym, mod));
    };
    ASSERT_NO_FATAL_FAILURE(use("de_DE.UTF-8"));
    bar = shell::buildMenuBar();
    EXPECT_TRUE(press(SDLK_s, KMOD_LALT).handled);     // "Spiel"
    EXPECT_EQ(press(SDLK_b).command, command::kExit);  // "&Beenden"
    press(SDLK_g, KMOD_LALT);                          // the English "Game"
    ASSERT_TRUE(bar->menuOpen());
    EXPECT_EQ(press(SDLK_x).command, command::kExit);  // the English "E&xit"
    press(SDLK_g, KMOD_LALT);
    EXPECT_EQ(press(SDLK_s).command, command::kSaveGame);  // "Spiel &speichern" before Save's s

    // Cyrillic menus open with the English letters.
    ASSERT_NO_FATAL_FAILURE(use("ru_RU.UTF-8"));
    bar = shell::buildMenuBar();
    press(SDLK_i, KMOD_LALT);
    ASSERT_TRUE(bar->menuOpen());
    EXPECT_EQ(press(SDLK_a).command, command::kAbout);
    press(SDLK_g, KMOD_LALT);
    EXPECT_EQ(press(SDLK_l).command, command::kLoadGame);
}

class TranslationFit : public Translated, public ::testing::WithParamInterface<std::string> {
  protected:
    void SetUp() override {
        Translated::SetUp();
        ASSERT_NO_FATAL_FAILURE(use(GetParam() + ".UTF-8"));
    }

    // Characters of `text` the face cannot draw.
    static void expectGlyphs(const std::string& text, FontFace face = FontFace::System) {
        TTF_Font* font = platform::font(face, 12);
        ASSERT_NE(font, nullptr);
        const char* utf32 = SDL_BYTEORDER == SDL_LIL_ENDIAN ? "UTF-32LE" : "UTF-32BE";
        auto* points = reinterpret_cast<uint32_t*>(
            SDL_iconv_string(utf32, "UTF-8", text.c_str(), text.size() + 1));
        ASSERT_NE(points, nullptr) << "not UTF-8: \"" << text << "\"";
        for (const uint32_t* point = points; *point != 0; ++point) {
            EXPECT_TRUE(TTF_GlyphIsProvided32(font, *point))
                << "U+" << std::hex << *point << " in \"" << text << "\"";
        }
        SDL_free(points);
    }

    // The text of every control stays inside its place: a button's label inside its frame, a
    // label's or check box's text clear of the other controls and of the screen's edge.
    static void expectControlsFit(const platform::Dialog& dialog) {
        const auto& controls = dialog.controls();
        for (const auto& control : controls) {
            const platform::Control& c = *control;
            if (c.text().empty() || dynamic_cast<const platform::EditBox*>(&c) != nullptr ||
                dynamic_cast<const platform::ListBox*>(&c) != nullptr) {
                continue;
            }
            const std::string what = std::string(dialog.caption()) + ": \"" + c.text() + "\"";
            expectGlyphs(c.text());
            const int width =
                textWidth(c.text().c_str(), FontFace::System, platform::kDialogFontPixels);
            const SDL_Rect& r = c.rect();
            if (dynamic_cast<const platform::PushButton*>(&c) != nullptr) {
                EXPECT_LE(width, r.w - 8) << what;  // inside the focus frame, 3 pixels in
                continue;
            }
            // A check box's text starts right of its box. With a gap of 3 pixels after the text:
            // a label that touches its box reads as cut even when it is not.
            const bool check = dynamic_cast<const platform::CheckBox*>(&c) != nullptr;
            const SDL_Rect ink{check ? r.x + std::min(r.h, 13) + 5 : r.x, r.y, width + 3,
                               check ? r.h : platform::draw::lineHeight()};
            EXPECT_LE(ink.x + width, platform::kClientWidth) << what;
            for (const auto& other : controls) {
                EXPECT_TRUE(other == control || !SDL_HasIntersection(&ink, &other->rect()))
                    << what << " runs into \"" << other->text() << "\"";
            }
        }
    }
};

TEST_P(TranslationFit, DialogsAndTheHighScoresHeading) {
    storage::SettingsStore store(testing::TempDir() + "/fit.conf");
    shell::OptionsDialog options(store);
    shell::PlayerNameDialog name;
    shell::HighScoresDialog scores;
    shell::AboutDialog about;
    using platform::FileChooser;
    FileChooser save(FileChooser::Mode::Save, "(Korvat  files)", "*.kvt", "kvt",
                     testing::TempDir());
    FileChooser open(FileChooser::Mode::Open, "(Korvat  files)", "*.kvt", "kvt",
                     testing::TempDir());
    for (platform::Dialog* dialog :
         std::initializer_list<platform::Dialog*>{&options, &name, &scores, &about, &save, &open}) {
        dialog->create();
        expectControlsFit(*dialog);
        // The caption, drawn from x 6 at 13 pixels, is cut 2 pixels short of the OK button.
        expectGlyphs(dialog->caption(), FontFace::SystemBold);
        EXPECT_LE(6 + textWidth(dialog->caption(), FontFace::SystemBold, 13),
                  platform::titleBarOkButton().x - 2)
            << "caption \"" << dialog->caption() << "\"";
        dialog->onPaint();  // drawn once, as the player sees it
    }

    const char* heading = tr("Top high scores");
    expectGlyphs(heading);
    // Drawn from x 80 of the client area.
    EXPECT_LE(80 + textWidth(heading, FontFace::System, platform::kDialogFontPixels),
              platform::kClientWidth);
}

TEST_P(TranslationFit, MenuBarAndPopUps) {
    const std::unique_ptr<platform::CommandBar> bar = shell::buildMenuBar();
    // The drop-downs, the 6-pixel separator, the undo button, the toolbar's separator and
    // three more buttons.
    const SDL_Rect last = bar->dropDownRect(bar->dropDownCount() - 1);
    EXPECT_LE(last.x + last.w + 6 + 6 + 4 * platform::bar::kButtonWidth, platform::kScreenWidth);

    const res::Menu* menu = res::findMenu(res::kMainMenu);
    ASSERT_NE(menu, nullptr);
    const std::map<int, const char*> shortcuts{{command::kSaveGame, tr("Ctrl+S")},
                                               {command::kLoadGame, tr("Ctrl+O")},
                                               {command::kExit, tr("Ctrl+Q")}};
    std::function<void(const res::MenuItem*, int)> checkPopUp = [&](const res::MenuItem* items,
                                                                    int count) {
        int widest = 0;
        std::map<std::string, std::string> accessLetters;
        for (const res::MenuItem* item = items; item != items + count; ++item) {
            if (item->text == nullptr) {
                continue;
            }
            std::string label = tr(item->text);
            expectGlyphs(label);
            // One access letter where the English has one, none where it has none, and no
            // letter twice in one pop-up.
            const size_t mark = label.find('&');
            EXPECT_EQ(mark != std::string::npos, std::strchr(item->text, '&') != nullptr) << label;
            if (mark != std::string::npos) {
                EXPECT_EQ(label.find('&', mark + 1), std::string::npos) << label;
                const auto lead = static_cast<unsigned char>(label[mark + 1]);
                const std::string letter = lead < 0x80
                                               ? std::string(1, char(std::tolower(lead)))
                                               : label.substr(mark + 1, lead < 0xE0 ? 2 : 3);
                EXPECT_TRUE(accessLetters.emplace(letter, label).second)
                    << "\"" << label << "\" and \"" << accessLetters[letter] << "\"";
                label.erase(mark, 1);
            }
            const auto shortcut = shortcuts.find(item->command);
            int width = textWidth(label.c_str());
            if (shortcut != shortcuts.end()) {
                expectGlyphs(shortcut->second);
                width += textWidth(shortcut->second) + platform::bar::kShortcutGap;
            }
            widest = std::max(widest, width);
            if (item->items != nullptr) {
                checkPopUp(item->items, item->itemCount);
            }
        }
        // The border, the check column, the texts, the arrow column.
        EXPECT_LE(2 + platform::bar::kCheckColumn + widest + platform::bar::kArrowColumn,
                  platform::kScreenWidth)
            << "a pop-up in " << GetParam();
    };
    for (int i = 0; i < menu->popupCount; ++i) {
        expectGlyphs(tr(menu->popups[i].text));
        checkPopUp(menu->popups[i].items, menu->popups[i].itemCount);
    }

    const ui::SurfacePtr screen(SDL_CreateRGBSurfaceWithFormat(
        0, platform::kScreenWidth, platform::kScreenHeight, 32, SDL_PIXELFORMAT_XRGB8888));
    bar->drawStrip(screen.get());
}

TEST_P(TranslationFit, MessageBoxes) {
    std::string replace = tr("Replace %s?");
    replace.replace(replace.find("%s"), 2, "saved-game.kvt");
    // and the texts the rules and the window show in a message box
    std::vector<std::string> texts{replace};
    for (const char* text : {"No more move!", "An error has occured when writing file to disk.",
                             "An error has occured when reading file from disk.",
                             "Please enter a positive integer.", ui::kLoadErrorText})
        texts.push_back(tr(text));
    for (const std::string& text : texts) {
        expectGlyphs(text);
        const platform::MessageBoxLayout layout = platform::layoutMessageBox(text.c_str(), true);
        const int width = layout.box.w - 2 * (layout.textLeft - layout.box.x);
        const std::vector<std::string> lines = platform::wrapText(text.c_str(), width);
        // Not cut after the box's last line, and no word broken for want of room.
        EXPECT_EQ(lines.size(), layout.lines.size()) << text;
        std::string joined;
        for (const std::string& line : lines) {
            joined += (joined.empty() ? "" : " ") + line;
        }
        EXPECT_EQ(joined, text);
    }
    for (const char* button : {tr("OK"), tr("Yes"), tr("No")}) {
        expectGlyphs(button, FontFace::SystemBold);
        EXPECT_LE(textWidth(button, FontFace::SystemBold, 12),
                  platform::layoutMessageBox("", true).okButton.w - 4)
            << button;
    }
    const char* ok = platform::trContext("title bar button", "ok");
    expectGlyphs(ok, FontFace::SystemBold);
    // Inside the rounded frame of the title bar's button.
    EXPECT_LE(textWidth(ok, FontFace::SystemBold, 12), platform::titleBarOkButton().w - 7 - 4);
}

TEST_P(TranslationFit, AboutPicture) {
    // English shows the bitmap drawn at build time; only a translation is laid out here.
    ASSERT_EQ(shell::aboutTextTranslated(), GetParam() != "en");
    if (GetParam() == "en")
        return;
    bool fits = false;
    const std::vector<shell::AboutLine> lines = shell::layOutAboutText(fits);
    EXPECT_TRUE(fits) << "a block of the About picture needs more lines than in English";
    for (const shell::AboutLine& line : lines) {
        expectGlyphs(line.text);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFit, ::testing::Values("en", KORVAT_LANGUAGES),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace korvat
