// The main window in its real modal loop with a fixed clock and generator: the screen after
// one move, pinned by a checksum; the Options dialog typed into and OK'd; a game saved and
// loaded through the file chooser.
//
// After an intended change of the artwork, the fonts or the layout, run
//   KORVAT_SCREEN_BMP=/tmp/screen.bmp ctest -R ScreenChecksum --output-on-failure
// look at /tmp/screen.bmp, and if it is right put the checksum the failure prints into
// kExpectedScreen. The named facts beside it should still hold; if one fails, the picture is
// wrong.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "ShellTestSupport.h"
#include "assets/Commands.h"
#include "platform/CommandBar.h"
#include "storage/SettingsStore.h"
#include "ui/Layout.h"

namespace korvat::shell::testing {
namespace {

using platform::testing::pushKey;
// The real dialogs: a message box would stop the script. The file chooser starts in the home
// folder.
class WindowLoopTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        window.setHighScoreFile(file("top.ten"));
        window.initialise();
    }
    ScriptedWindow window;
};

constexpr uint32_t kExpectedScreen = 0x06CD5B5D;

// FNV-1a over the R, G, B bytes of every pixel, row by row.
uint32_t screenChecksum(SDL_Surface* screen) {
    uint32_t hash = 2166136261u;
    for (int y = 0; y < screen->h; ++y) {
        for (int x = 0; x < screen->w; ++x) {
            const SDL_Color c = pixelAt(screen, x, y);
            for (const uint8_t byte : {c.r, c.g, c.b}) {
                hash = (hash ^ byte) * 16777619u;
            }
        }
    }
    return hash;
}

TEST_F(WindowLoopTest, ScreenChecksumOfTheFirstGameAfterOneMove) {
    Move move{};
    SDL_Surface* screen = nullptr;
    window.run({
        [&] {
            move = findMove(window.game(), 4);
            queueMove(move);
        },
        [&] {
            // The clock shows only once it has ticked. Tick it here, whether or not the real
            // timer has done so already; with the clock standing still it reads 0:00:00.
            window.onTimer(static_cast<int>(TimerId::Clock));
            screen = platform::Display::instance().snapshot();
        },
    });
    ASSERT_NE(screen, nullptr);

    EXPECT_EQ(ballCount(window.game().state.board), 6) << "the second wave has come";
    EXPECT_TRUE(sameColor(pixelAt(screen, 1, 1), {0, 0, 128, 255})) << "title bar";
    // The clock's first digit, a 0: its top stroke black, its middle white.
    EXPECT_TRUE(sameColor(pixelAt(screen, 106, 46), {0, 0, 0, 255})) << "clock";
    EXPECT_TRUE(sameColor(pixelAt(screen, 106, 48), {255, 255, 255, 255})) << "clock";

    const uint32_t checksum = screenChecksum(screen);
    char shown[16];
    std::snprintf(shown, sizeof shown, "0x%08X", checksum);
    EXPECT_EQ(checksum, kExpectedScreen)
        << "screen checksum " << shown << " (move " << move.from.x << ',' << move.from.y << " -> "
        << move.to.x << ',' << move.to.y << "); see the top of this file";
    if (const char* out = std::getenv("KORVAT_SCREEN_BMP"); out != nullptr && out[0] != '\0') {
        SDL_SaveBMP(screen, out);
    }
    SDL_FreeSurface(screen);
}

TEST_F(WindowLoopTest, OptionsTypedMoveDelayIsStoredReloadedAndPacesTheNextMove) {
    storage::SettingsStore& store = window.settingsStore();
    auto stored = [&](const char* name) {
        uint32_t value = 12345;
        store.read(name, value);
        return value;
    };
    // The dialog opens with what is stored, the defaults elsewhere.
    store.write(kJumpDelayValue, 5);
    store.write(kSoundValue, 0);
    const GameState& state = window.game().state;

    int32_t routeLength = 0;
    window.run({
        [&] {
            ASSERT_EQ(state.settings.moveDelay, 100u);
            // Focus starts on OK; over Cancel and the Jump box to the Movement box, whose text
            // the keyboard focus selects, so typing replaces it.
            pushKey(SDLK_TAB);
            pushKey(SDLK_TAB);
            pushKey(SDLK_TAB);
            platform::testing::pushText("7");
            pushKey(SDLK_RETURN);
            window.onCommand(command::kOption);

            EXPECT_EQ(state.settings.moveDelay, 7u);
            EXPECT_EQ(stored(kMoveDelayValue), 7u);
            // The other boxes went through OK unchanged; the best score is not the dialog's.
            EXPECT_EQ(stored(kJumpDelayValue), 5u);
            EXPECT_EQ(stored(kAppearDelayValue), 100u);
            EXPECT_EQ(stored(kSoundValue), 0u);
            EXPECT_EQ(stored(kBestScoreValue), 12345u);

            // A route long enough to pause on its way.
            const Move move = findMove(window.game(), 4);
            ASSERT_NE(move.from.x, -1);
            routeLength = routeCells(state);
            window.sleeps.clear();
            queueMove(move);
        },
        [&] {
            // One pause on each cell between start and destination, then the appearance.
            std::vector<uint32_t> expected(static_cast<size_t>(routeLength - 2), 7u);
            expected.insert(expected.end(), 4, state.settings.appearDelay);
            EXPECT_EQ(window.sleeps, expected) << "route of " << routeLength << " cells";
        },
    });
}

// Types a name into the chooser's name box (it has the focus when it opens) and takes it.
void queueChooserAnswer(const char* name) {
    platform::testing::pushText(name);
    pushKey(SDLK_RETURN);
}

TEST_F(WindowLoopTest, SaveAndLoadThroughTheChooserGiveBackTheBoardAndRuleSet) {
    platform::Display& display = platform::Display::instance();
    const GameState& state = window.game().state;
    platform::CommandBar& bar = *window.commandBar();

    Board saved{};
    SDL_Surface* savedScreen = nullptr;
    SDL_Surface* loadedScreen = nullptr;
    auto playOneMove = [&] {
        const Move move = findMove(window.game());
        ASSERT_NE(move.from.x, -1);
        queueMove(move);
    };
    window.run({
        [&] {
            window.onCommand(command::kBlockMode);
            playOneMove();
        },
        [&] {
            ASSERT_EQ(ballCount(state.board), 6);
            saved = state.board;
            savedScreen = display.snapshot();
            queueChooserAnswer("first");
            window.onCommand(command::kSaveGame);
            EXPECT_EQ(std::filesystem::file_size(file("first.kvt")), 340u)
                << "typed name, the home folder, the default extension";
            playOneMove();
        },
        [&] {
            EXPECT_NE(state.board, saved);
            window.onCommand(command::kLinesMode);
            EXPECT_TRUE(bar.isChecked(command::kLinesMode));
            queueChooserAnswer("first");
            window.onCommand(command::kLoadGame);
            loadedScreen = display.snapshot();
        },
    });
    ASSERT_NE(savedScreen, nullptr);
    ASSERT_NE(loadedScreen, nullptr);

    EXPECT_EQ(state.board, saved);
    EXPECT_EQ(state.blockMode, 1);
    EXPECT_TRUE(bar.isChecked(command::kBlockMode));
    EXPECT_FALSE(bar.isChecked(command::kLinesMode));
    // The whole board area, balls and hints.
    const SDL_Rect board{ui::kBoardRect.left, ui::kBoardRect.top + platform::kClientTop,
                         ui::kBoardWidth, ui::kBoardHeight};
    EXPECT_TRUE(samePixels(savedScreen, loadedScreen, board));
    SDL_FreeSurface(savedScreen);
    SDL_FreeSurface(loadedScreen);
}

}  // namespace
}  // namespace korvat::shell::testing
