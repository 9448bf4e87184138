// Saving and loading through the real file chooser over the main window in its modal loop:
// a name typed into it, Enter, and the same board, hints and rule set back on the screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "ShellTestSupport.h"
#include "platform/CommandBar.h"
#include "shell/Commands.h"
#include "ui/Layout.h"

namespace korvat::shell::testing {
namespace {

using SaveLoadEndToEnd = ShellTest;

// Types a name into the chooser's name box (it has the focus when it opens) and takes it.
void queueChooserAnswer(const char* name) {
    platform::testing::pushText(name);
    platform::testing::pushKey(SDLK_RETURN);
}

TEST_F(SaveLoadEndToEnd, LoadedGameShowsTheSavedBoardAndRuleSet) {
    ScriptedWindow window;  // the real dialogs; the chooser starts in the home folder
    window.setHighScoreFile(file("top.ten"));
    window.initialise();
    platform::Display& display = platform::Display::instance();
    const GameState& state = window.game().state;
    platform::CommandBar& bar = *window.commandBar();

    Board saved{};
    SDL_Surface* savedScreen = nullptr;
    SDL_Surface* loadedScreen = nullptr;
    auto playOneMove = [&] {
        const Move move = findMove(window.game());
        ASSERT_NE(move.from.x, -1);
        queueTap(move.from);
        queueTap(move.to);
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
    EXPECT_EQ(state.linesMode, 0);
    EXPECT_TRUE(bar.isChecked(command::kBlockMode));
    EXPECT_FALSE(bar.isChecked(command::kLinesMode));
    // The whole board area, balls and hints.
    const SDL_Rect board{ui::kBoardRect.left, ui::kBoardRect.top + platform::kClientTop,
                         ui::kBoardWidth, ui::kBoardHeight};
    EXPECT_TRUE(samePixels(savedScreen, board, loadedScreen, board));
    SDL_FreeSurface(savedScreen);
    SDL_FreeSurface(loadedScreen);
}

}  // namespace
}  // namespace korvat::shell::testing
