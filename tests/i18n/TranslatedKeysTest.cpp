// The menu bar's keys in a translation: the translated letters, and the English ones for a
// keyboard that cannot type the translation's script.
#include <gtest/gtest.h>

#include <cstdlib>

#include "PlatformTestSupport.h"
#include "assets/Commands.h"
#include "platform/CommandBar.h"
#include "platform/Translation.h"
#include "shell/MenuBar.h"

namespace korvat {
namespace {

class TranslatedKeys : public ::testing::Test {
  protected:
    void use(const char* locale) {
        setenv("LANG", locale, 1);
        ASSERT_TRUE(platform::startTranslations(KORVAT_LOCALE_DIR));
        bar = shell::buildMenuBar();
    }
    void TearDown() override {
        unsetenv("LANG");
        platform::startTranslations(KORVAT_LOCALE_DIR);
    }
    platform::CommandBar::Outcome press(SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
        return bar->keyDown(platform::testing::key(sym, mod));
    }
    std::unique_ptr<platform::CommandBar> bar;
};

TEST_F(TranslatedKeys, TranslatedLettersAndEnglishOnesOpenAndChoose) {
    use("de_DE.UTF-8");
    EXPECT_TRUE(press(SDLK_s, KMOD_LALT).handled);     // "Spiel"
    EXPECT_EQ(press(SDLK_b).command, command::kExit);  // "&Beenden"
    press(SDLK_g, KMOD_LALT);                          // the English "Game"
    ASSERT_TRUE(bar->menuOpen());
    EXPECT_EQ(press(SDLK_x).command, command::kExit);  // the English "E&xit"
    press(SDLK_g, KMOD_LALT);
    EXPECT_EQ(press(SDLK_s).command, command::kSaveGame);  // "Spiel &speichern" before Save's s

    // Cyrillic menus open with the English letters.
    use("ru_RU.UTF-8");
    press(SDLK_i, KMOD_LALT);
    ASSERT_TRUE(bar->menuOpen());
    EXPECT_EQ(press(SDLK_a).command, command::kAbout);
    press(SDLK_g, KMOD_LALT);
    EXPECT_EQ(press(SDLK_l).command, command::kLoadGame);
}

}  // namespace
}  // namespace korvat
