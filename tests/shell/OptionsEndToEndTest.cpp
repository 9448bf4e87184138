// The Options dialog for real, over the main window in its modal loop: keys and text typed into
// it, OK, the settings reloaded, and the new move delay paced by the next move.
#include <gtest/gtest.h>

#include <vector>

#include "ShellTestSupport.h"
#include "shell/Commands.h"
#include "storage/SettingsStore.h"

namespace korvat::shell::testing {
namespace {

using platform::testing::pushKey;
using OptionsEndToEnd = ShellTest;

TEST_F(OptionsEndToEnd, TypedMoveDelayIsStoredReloadedAndPacesTheNextMove) {
    ScriptedWindow window;  // the real dialogs
    window.setHighScoreFile(file("top.ten"));
    window.initialise();
    platform::KeyValueStore& store = window.settingsStore();
    auto stored = [&](const char* name) {
        uint32_t value = 12345;
        storage::readSettingsValue(store, name, value);
        return value;
    };
    // The dialog opens with what is stored, the defaults elsewhere.
    storage::writeSettingsValue(store, storage::kJumpDelayValue, 5);
    storage::writeSettingsValue(store, storage::kSoundValue, 0);
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
            EXPECT_EQ(stored(storage::kMoveDelayValue), 7u);
            // The other boxes went through OK unchanged; the best score is not the dialog's.
            EXPECT_EQ(stored(storage::kJumpDelayValue), 5u);
            EXPECT_EQ(stored(storage::kAppearDelayValue), 100u);
            EXPECT_EQ(stored(storage::kSoundValue), 0u);
            EXPECT_EQ(stored(storage::kBestScoreValue), 12345u);

            // A route long enough to pause on its way.
            const Move move = findMove(window.game(), 4);
            ASSERT_NE(move.from.x, -1);
            routeLength = routeCells(state);
            window.sleeps.clear();
            queueTap(move.from);
            queueTap(move.to);
        },
        [&] {
            // One pause on each cell between start and destination, then the appearance.
            std::vector<uint32_t> expected(static_cast<size_t>(routeLength - 2), 7u);
            expected.insert(expected.end(), 4, state.settings.appearDelay);
            EXPECT_EQ(window.sleeps, expected) << "route of " << routeLength << " cells";
            pushKey(SDLK_RETURN);  // the main window's OK ends it
        },
    });
    EXPECT_EQ(window.modalResult(), 1);
    EXPECT_EQ(stored(storage::kMoveDelayValue), 7u);
}

}  // namespace
}  // namespace korvat::shell::testing
