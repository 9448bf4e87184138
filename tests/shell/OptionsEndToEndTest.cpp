// The Options dialog for real, over the main window in its modal loop: keys and text typed into
// it, OK, the settings reloaded, and the new move delay paced by the next move.
#include <gtest/gtest.h>

#include <vector>

#include "ScriptedWindow.h"
#include "ShellTestSupport.h"
#include "shell/Commands.h"
#include "shell/OptionsDialog.h"
#include "storage/SettingsStore.h"

namespace korvat::shell {
namespace {

using testing::ScriptedWindow;

TEST(OptionsEndToEnd, TypedMoveDelayIsStoredReloadedAndPacesTheNextMove) {
    ASSERT_TRUE(testing::openOffscreenDisplay());
    testing::TempFolder home;
    testing::useHome(home);
    ScriptedWindow window;  // the real dialogs
    window.setHighScoreFile(home.file("top.ten"));
    window.initialise();
    platform::KeyValueStore& store = window.settingsStore();
    const GameState& state = window.game().state;

    int32_t routeLength = 0;
    window.run({
        [&] {
            ASSERT_EQ(state.settings.moveDelay, 100u);
            // Focus starts on OK; over Cancel and the Jump box to the Movement box, whose text
            // the keyboard focus selects, so typing replaces it.
            testing::queueKey(SDLK_TAB);
            testing::queueKey(SDLK_TAB);
            testing::queueKey(SDLK_TAB);
            testing::queueText("7");
            testing::queueKey(SDLK_RETURN);
            window.onCommand(command::kOption);

            EXPECT_EQ(state.settings.moveDelay, 7u);
            uint32_t stored = 0;
            EXPECT_TRUE(storage::readSettingsValue(store, storage::kMoveDelayValue, stored));
            EXPECT_EQ(stored, 7u);
            // The other boxes went through OK unchanged.
            EXPECT_TRUE(storage::readSettingsValue(store, storage::kJumpDelayValue, stored));
            EXPECT_EQ(stored, 100u);
            EXPECT_TRUE(storage::readSettingsValue(store, storage::kSoundValue, stored));
            EXPECT_EQ(stored, 1u);
            EXPECT_FALSE(storage::readSettingsValue(store, storage::kBestScoreValue, stored));

            // A route long enough to pause on its way.
            const testing::Move move = testing::findMove(window.game(), 4);
            ASSERT_NE(move.from.x, -1);
            routeLength = testing::routeCells(state);
            window.sleeps.clear();
            testing::queueTap(move.from);
            testing::queueTap(move.to);
        },
        [&] {
            // One pause on each cell between start and destination, then the appearance.
            std::vector<uint32_t> expected(static_cast<size_t>(routeLength - 2), 7u);
            expected.insert(expected.end(), 4, state.settings.appearDelay);
            EXPECT_EQ(window.sleeps, expected) << "route of " << routeLength << " cells";
            testing::queueKey(SDLK_RETURN);  // the main window's OK ends it
        },
    });
    ASSERT_FALSE(window.stoppedByWatchdog());
    EXPECT_TRUE(window.modalEnded());
    EXPECT_EQ(window.modalResult(), 1);
    uint32_t stored = 0;
    EXPECT_TRUE(storage::readSettingsValue(store, storage::kMoveDelayValue, stored));
    EXPECT_EQ(stored, 7u);
}

}  // namespace
}  // namespace korvat::shell
