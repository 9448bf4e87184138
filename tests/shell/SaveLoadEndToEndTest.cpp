// Saving and loading through the real file chooser over the main window in its modal loop:
// a name typed into it, Enter, and the same board, hints and rule set back on the screen.
#include <gtest/gtest.h>

#include "ScriptedWindow.h"
#include "ShellTestSupport.h"
#include "platform/CommandBar.h"
#include "platform/Display.h"
#include "shell/Commands.h"
#include "ui/Layout.h"

namespace korvat::shell {
namespace {

using testing::describe;
using testing::pixelAt;
using testing::sameColor;
using testing::ScriptedWindow;
using testing::spritePixel;

constexpr SDL_Rect kBoardOnScreen{ui::kBoardRect.left, ui::kBoardRect.top + platform::kClientTop,
                                  ui::kBoardWidth, ui::kBoardHeight};

// Types a name into the chooser's name box (it has the focus when it opens) and takes it.
void queueChooserAnswer(const char* name) {
    testing::queueText(name);
    testing::queueKey(SDLK_RETURN);
}

TEST(SaveLoadEndToEnd, LoadedGameShowsTheSavedBoardAndRuleSet) {
    ASSERT_TRUE(testing::openOffscreenDisplay());
    testing::TempFolder home;
    testing::useHome(home);  // the chooser starts in the home folder
    ScriptedWindow window;   // the real dialogs
    window.setHighScoreFile(home.file("top.ten"));
    window.initialise();
    platform::Display& display = platform::Display::instance();
    const GameState& state = window.game().state;
    platform::CommandBar& bar = *window.commandBar();

    Board saved{};
    CellPos savedHints[kWaveSize]{};
    SDL_Surface* savedScreen = nullptr;
    SDL_Surface* loadedScreen = nullptr;
    auto playOneMove = [&] {
        const testing::Move move = testing::findMove(window.game());
        ASSERT_NE(move.from.x, -1);
        testing::queueTap(move.from);
        testing::queueTap(move.to);
    };
    window.run({
        [&] {
            window.onCommand(command::kBlockMode);
            ASSERT_EQ(state.blockMode, 1);
            playOneMove();
        },
        [&] {
            ASSERT_EQ(testing::ballCount(state.board), 6);
            saved = state.board;
            for (int32_t k = 0; k < kWaveSize; ++k) {
                savedHints[k] = state.nextCells[k];
            }
            savedScreen = display.snapshot();
            queueChooserAnswer("first");
            window.onCommand(command::kSaveGame);
            EXPECT_EQ(testing::readFile(home.file("first.kvt")).size(), 340u)
                << "typed name, the home folder, the default extension";
            playOneMove();
        },
        [&] {
            EXPECT_NE(state.board, saved);
            window.onCommand(command::kLinesMode);
            ASSERT_TRUE(bar.isChecked(command::kLinesMode));
            queueChooserAnswer("first");
            window.onCommand(command::kLoadGame);
            loadedScreen = display.snapshot();
        },
    });
    ASSERT_FALSE(window.stoppedByWatchdog());
    ASSERT_NE(savedScreen, nullptr);
    ASSERT_NE(loadedScreen, nullptr);

    EXPECT_EQ(state.board, saved);
    EXPECT_EQ(state.blockMode, 1);
    EXPECT_EQ(state.linesMode, 0);
    EXPECT_TRUE(bar.isChecked(command::kBlockMode));
    EXPECT_FALSE(bar.isChecked(command::kLinesMode));

    // Ball by ball, then the whole board area, hints included.
    for (int32_t x = 0; x < kBoardSize; ++x) {
        for (int32_t y = 0; y < kBoardSize; ++y) {
            const SDL_Point p = spritePixel({x, y}, 4, 10);
            const SDL_Color was = pixelAt(savedScreen, p.x, p.y);
            const SDL_Color is = pixelAt(loadedScreen, p.x, p.y);
            EXPECT_EQ(!sameColor(is, testing::kTileGrey), saved.at(x, y) != EMPTY)
                << "cell " << x << ',' << y << " shows " << describe(is);
            EXPECT_TRUE(sameColor(was, is))
                << "cell " << x << ',' << y << ": " << describe(was) << " then " << describe(is);
        }
    }
    for (const CellPos& hint : savedHints) {
        const SDL_Point p = spritePixel(hint, 10, 10);
        EXPECT_FALSE(sameColor(pixelAt(loadedScreen, p.x, p.y), testing::kTileGrey))
            << "hint at " << hint.x << ',' << hint.y;
    }
    EXPECT_TRUE(testing::samePixels(savedScreen, kBoardOnScreen, loadedScreen, kBoardOnScreen));
    SDL_FreeSurface(savedScreen);
    SDL_FreeSurface(loadedScreen);
}

}  // namespace
}  // namespace korvat::shell
