// The game in the player's language on a real X server: German where the locale asks for it,
// even when that locale is not installed (the C locale's English is the language choice's test).
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <memory>

#include "QuickGame.h"
#include "platform/CommandBar.h"
#include "platform/Display.h"
#include "platform/Font.h"
#include "platform/MessageBox.h"
#include "platform/Translation.h"
#include "shell/MenuBar.h"

namespace korvat::e2e {
namespace {

// The game as it starts for a player whose locale is German, with the catalogues beside the copy
// of the program as they are beside build/korvat. No de_DE locale need be installed: the
// catalogue is found all the same.
class GermanGame : public QuickGameTest {
  protected:
    GermanGame() {
        language = {"LANG=de_DE.UTF-8", "LC_ALL=", "LC_MESSAGES=", "LANGUAGE="};
        std::filesystem::copy(KORVAT_LOCALE_DIR, home + "/locale",
                              std::filesystem::copy_options::recursive);
    }
    void TearDown() override {
        for (const std::string& variable : language)
            unsetenv(variable.substr(0, variable.find('=')).c_str());
        platform::startTranslations(KORVAT_LOCALE_DIR);
    }

    // Device pixels of `area` on the X screen that differ from `expected`, once they all agree
    // or after 3 s.
    int settleOn(const Surface& expected, const SDL_Rect& area) const {
        int left = 0;
        waitUntil(3000, 100, [&] {
            return (left = differences(session, session.screenshot(), expected, area,
                                       {area.x, area.y})) == 0;
        });
        return left;
    }
};

// This process translates as the game does, to draw what the game should show: the menu bar, the
// Game pop-up opened with its own letter, S, the bar again once Escape shut it, and the message
// that ends a game loaded full. Then the window is closed while the name dialog waits.
TEST_F(GermanGame, ShowsTheGermanMenuAndEndOfGameMessageAndClosesAtTheNameDialog) {
    ASSERT_TRUE(screenInPlace(5000));
    for (std::string& variable : language)
        putenv(variable.data());  // the fixture keeps the text till TearDown unsets it
    platform::startTranslations(KORVAT_LOCALE_DIR);
    ASSERT_STREQ(platform::tr("Game"), "Spiel");
    const std::unique_ptr<platform::CommandBar> bar = shell::buildMenuBar();
    const Surface expected(SDL_CreateRGBSurfaceWithFormat(
        0, platform::kScreenWidth, platform::kScreenHeight, 32, SDL_PIXELFORMAT_XRGB8888));
    const Uint32 white = SDL_MapRGB(expected->format, 255, 255, 255);
    SDL_FillRect(expected.get(), nullptr, white);
    bar->drawStrip(expected.get());
    constexpr SDL_Rect kBar{0, platform::kMenuBarTop, platform::kScreenWidth,
                            platform::kMenuBarHeight};
    EXPECT_EQ(settleOn(expected, kBar), 0) << "the menu bar";
    session.key("alt+s");
    bar->keyDown(SDL_Keysym{SDL_SCANCODE_S, SDLK_s, KMOD_LALT, 0});
    bar->drawPopups(expected.get());
    EXPECT_EQ(settleOn(expected, bar->popupRects().at(0)), 0) << "the Game pop-up";
    session.key("Escape");
    EXPECT_EQ(settleOn(expected, kBar), 0) << "the menu bar after the pop-up";

    ASSERT_TRUE(saveFullGame());
    session.key("ctrl+o");
    pause(500);
    enterFileName("full.kvt");
    const char* message = platform::tr("No more move!");
    ASSERT_STREQ(message, "Keine Züge mehr!");
    const platform::MessageBoxLayout box = platform::layoutMessageBox(message);
    ASSERT_EQ(box.lines.size(), 1u);
    const int width = platform::textWidth(message, platform::FontFace::System, 12);
    const int top = platform::kClientTop + box.textTop;
    const SDL_Rect line{box.textLeft, top, box.box.w - 20, box.lineHeight};
    SDL_FillRect(expected.get(), &line, white);  // the box's white, where the pop-up may be
    platform::drawText(expected.get(), box.box.x + (box.box.w - width) / 2, top, message,
                       SDL_Color{0, 0, 0, 255});
    EXPECT_EQ(settleOn(expected, line), 0) << "the end-of-game message";

    // The program ends at once, and since no name was given, and files are written only by
    // their own operations, the table is not written; the settings are, as on OK.
    session.key("Return");
    ASSERT_TRUE(waitUntil(3000, 100, [&] {  // the dialog's white page where the board was
        const SDL_Point p = cellPixel(4, 6, 10, 10);
        return session.devicePixel(session.screenshot(), p.x, p.y) == (Rgb{255, 255, 255});
    })) << "no name dialog over the board";
    session.run("xdotool type --delay 20 Ann");
    kill(session.programPid(), SIGTERM);
    EXPECT_EQ(session.waitForExit(1000), 0);
    EXPECT_FALSE(std::filesystem::exists(home + "/top.ten"));
    uint32_t best = 0;
    EXPECT_TRUE(storage::SettingsStore(settingsPath()).read(kBestScoreValue, best) && best == 150)
        << best;
}

}  // namespace
}  // namespace korvat::e2e
