// The game in the player's language on a real X server: German where the locale asks for it,
// even when that locale is not installed, and English exactly as without catalogues for C.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "QuickGame.h"
#include "assets/Resources.h"
#include "platform/CommandBar.h"
#include "platform/Display.h"
#include "platform/Font.h"
#include "platform/MessageBox.h"
#include "platform/Translation.h"
#include "shell/MenuBar.h"
#include "storage/SavedGameFile.h"

namespace korvat::e2e {
namespace {

using Pixels = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

Pixels deviceScreen() {
    Pixels screen(SDL_CreateRGBSurfaceWithFormat(0, platform::kScreenWidth, platform::kScreenHeight,
                                                 32, SDL_PIXELFORMAT_XRGB8888),
                  SDL_FreeSurface);
    SDL_FillRect(screen.get(), nullptr, SDL_MapRGB(screen->format, 255, 255, 255));
    return screen;
}

Rgb pixelOf(const SDL_Surface* s, int x, int y) {
    const uint32_t p = static_cast<const uint32_t*>(s->pixels)[y * s->pitch / 4 + x];
    return {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)};
}

// The game as it starts for a player whose locale variables are `variables`, with the
// catalogues beside the copy of the program as they are beside build/korvat.
class TranslatedGame : public QuickGameTest {
  protected:
    explicit TranslatedGame(std::vector<std::string> variables) {
        language = std::move(variables);
        std::filesystem::copy(KORVAT_LOCALE_DIR, home + "/locale",
                              std::filesystem::copy_options::recursive);
    }
    // This process draws what the game should show, in the same language.
    void translateHere() {
        for (const std::string& variable : language) {
            const size_t equals = variable.find('=');
            setenv(variable.substr(0, equals).c_str(), variable.substr(equals + 1).c_str(), 1);
        }
        platform::startTranslations(KORVAT_LOCALE_DIR);
    }
    void TearDown() override {
        for (const std::string& variable : language) {
            unsetenv(variable.substr(0, variable.find('=')).c_str());
        }
        platform::startTranslations(KORVAT_LOCALE_DIR);
    }

    // Device pixels of `area` on the X screen that differ from `expected`.
    int differences(const SDL_Surface* expected, const SDL_Rect& area) const {
        const Screenshot shot = session.screenshot();
        int count = 0;
        for (int y = area.y; y < area.y + area.h; ++y) {
            for (int x = area.x; x < area.x + area.w; ++x) {
                count += session.devicePixel(shot, x, y) == pixelOf(expected, x, y) ? 0 : 1;
            }
        }
        return count;
    }
    // Waits up to 3 s for `area` to show `expected`; the differences left.
    int settleOn(const SDL_Surface* expected, const SDL_Rect& area) const {
        int left = 0;
        waitUntil(3000, 100, [&] { return (left = differences(expected, area)) == 0; });
        return left;
    }

    static constexpr SDL_Rect kBar{0, platform::kMenuBarTop, platform::kScreenWidth,
                                   platform::kMenuBarHeight};
};

// No de_DE locale need be installed: the catalogue is found all the same.
class GermanGame : public TranslatedGame {
  protected:
    GermanGame() : TranslatedGame({"LANG=de_DE.UTF-8", "LC_ALL=", "LC_MESSAGES=", "LANGUAGE="}) {}
};

TEST_F(GermanGame, ShowsTheGermanMenuAndEndOfGameMessage) {
    ASSERT_TRUE(screenInPlace(5000));
    translateHere();
    ASSERT_STREQ(platform::tr("Game"), "Spiel");
    const std::unique_ptr<platform::CommandBar> bar = shell::buildMenuBar();
    Pixels expected = deviceScreen();
    bar->drawStrip(expected.get());
    EXPECT_EQ(settleOn(expected.get(), kBar), 0) << "the menu bar";

    // "Spiel" opens with its own letter, S.
    session.key("alt+s");
    bar->keyDown(SDL_Keysym{SDL_SCANCODE_S, SDLK_s, KMOD_LALT, 0});
    bar->drawPopups(expected.get());
    const SDL_Rect popup = bar->popupRects().at(0);
    EXPECT_EQ(settleOn(expected.get(), popup), 0) << "the Game pop-up";
    session.key("Escape");

    // A saved game with two free cells: loading it leaves no room for the next wave.
    SavedGame full;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            full.board.at(x, y) = (x + 2 * y) % 7 + 1;  // no five in a row anywhere
        }
    }
    full.board.at(4, 4) = EMPTY;
    full.board.at(8, 8) = EMPTY;
    ASSERT_TRUE(storage::saveGameToFile(home + "/full.kvt", full));
    session.key("ctrl+o");
    pause(500);
    session.run("xdotool type --delay 20 full.kvt");
    session.key("Return");

    const char* message = platform::tr("No more move!");
    ASSERT_STREQ(message, "Keine Züge mehr!");
    const platform::MessageBoxLayout box = platform::layoutMessageBox(message);
    ASSERT_EQ(box.lines.size(), 1u);
    Pixels text = deviceScreen();
    const int width = platform::textWidth(message, platform::FontFace::System, 12);
    const int left = box.box.x + (box.box.w - width) / 2;
    const int top = platform::kClientTop + box.textTop;
    platform::drawText(text.get(), left, top, message, SDL_Color{0, 0, 0, 255});
    EXPECT_EQ(settleOn(text.get(), SDL_Rect{box.textLeft, top, box.box.w - 20, box.lineHeight}), 0)
        << "the end-of-game message";
}

// The C locale ignores LANGUAGE, as gettext does: English, drawn as without any catalogue.
class CLocaleGame : public TranslatedGame {
  protected:
    CLocaleGame() : TranslatedGame({"LANG=C", "LC_ALL=", "LC_MESSAGES=", "LANGUAGE=de"}) {}
};

TEST_F(CLocaleGame, ShowsTheEnglishMenuAndTheAboutPictureUnchanged) {
    ASSERT_TRUE(screenInPlace(5000));
    translateHere();
    ASSERT_STREQ(platform::tr("Game"), "Game");
    const std::unique_ptr<platform::CommandBar> bar = shell::buildMenuBar();
    Pixels expected = deviceScreen();
    bar->drawStrip(expected.get());
    session.key("alt+g");
    bar->keyDown(SDL_Keysym{SDL_SCANCODE_G, SDLK_g, KMOD_LALT, 0});
    bar->drawPopups(expected.get());
    EXPECT_EQ(settleOn(expected.get(), bar->popupRects().at(0)), 0) << "the Game pop-up";
    session.key("Escape");
    EXPECT_EQ(settleOn(expected.get(), kBar), 0) << "the menu bar";

    // The About picture is the bitmap made at build time, pixel for pixel.
    session.key("alt+i");
    pause(300);
    session.key("a");
    const Surface about = argbBitmap(res::kAboutPicture);
    ASSERT_NE(about, nullptr);
    Pixels picture = deviceScreen();
    SDL_Rect to{0, platform::kClientTop, about->w, about->h};
    SDL_BlitSurface(about.get(), nullptr, picture.get(), &to);
    EXPECT_EQ(settleOn(picture.get(),
                       SDL_Rect{0, platform::kClientTop, about->w, platform::kClientHeight}),
              0);
}

}  // namespace
}  // namespace korvat::e2e
