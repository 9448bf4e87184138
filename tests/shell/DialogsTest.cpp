// The Options, player-name and high-score dialogs, built without their modal loops.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ShellTestSupport.h"
#include "platform/Controls.h"
#include "shell/HighScoresDialog.h"
#include "shell/OptionsDialog.h"
#include "shell/PlayerNameDialog.h"
#include "storage/SettingsStore.h"

namespace korvat::shell::testing {
namespace {

using DialogsTest = ShellTest;

struct NotedOptions : OptionsDialog {
    using OptionsDialog::OptionsDialog;
    void notify(const char* text) override { notes.emplace_back(text); }
    std::vector<std::string> notes;
};

TEST_F(DialogsTest, OptionsStoreEveryBoxOnOKAndNothingWhileOneIsBad) {
    storage::SettingsStore store;
    auto stored = [&](const char* name) {
        uint32_t value = 12345;
        store.read(name, value);
        return value;
    };
    // The dialog opens with what is stored, the defaults elsewhere.
    store.write(kJumpDelayValue, 5);
    store.write(kSoundValue, 0);
    NotedOptions dialog(store);
    dialog.create();
    dialog.setItemText(OptionsDialog::kMoveBox, "");
    dialog.onOK();
    EXPECT_EQ(dialog.notes, std::vector<std::string>{"Please enter a positive integer."});
    EXPECT_EQ(dialog.focusId(), OptionsDialog::kMoveBox);
    // Of two bad boxes the appearance delay is exchanged first; over 32 bits is bad too.
    dialog.setItemText(OptionsDialog::kAppearBox, "4294967296");
    dialog.onOK();
    EXPECT_EQ(dialog.notes.size(), 2u);
    EXPECT_EQ(dialog.focusId(), OptionsDialog::kAppearBox);
    EXPECT_FALSE(dialog.modalEnded());
    EXPECT_EQ(stored(kMoveDelayValue), 12345u);

    dialog.setItemText(OptionsDialog::kMoveBox, "7");
    dialog.setItemText(OptionsDialog::kAppearBox, "3");
    dialog.onOK();
    EXPECT_EQ(dialog.modalResult(), platform::kIdOK);
    EXPECT_EQ(stored(kMoveDelayValue), 7u);
    EXPECT_EQ(stored(kAppearDelayValue), 3u);
    EXPECT_EQ(stored(kJumpDelayValue), 5u);
    EXPECT_EQ(stored(kExplosionDelayValue), Settings{}.explosionDelay);
    EXPECT_EQ(stored(kSoundValue), 0u);
    EXPECT_EQ(stored(kBestScoreValue), 12345u);  // not the dialog's
}

TEST_F(DialogsTest, PlayerNameTakesFifteenUnitsAndHasNoCancel) {
    PlayerNameDialog dialog;
    dialog.create();
    const auto& box =
        dynamic_cast<const platform::EditBox&>(*dialog.control(PlayerNameDialog::kNameBox));
    EXPECT_EQ(box.limit(), 15);
    dialog.onCancel();
    EXPECT_FALSE(dialog.modalEnded());
    dialog.setItemText(PlayerNameDialog::kNameBox, "Märta");
    dialog.onOK();
    EXPECT_EQ(dialog.name(), "Märta");
}

TEST(HighScoresDialogTest, RowsEndTheNameAtItsZeroUnitOrTheField) {
    HighScoreEntry entry{{u'M', u'ä', u'r', u't', u'a'}, 5000, 1, 2, 3};
    EXPECT_EQ(HighScoresDialog::rowText(2, entry), "2 . Märta     5000     1:2:3");
    std::ranges::fill(entry.name, u'x');  // damaged: no zero unit
    EXPECT_EQ(HighScoresDialog::rowText(2, entry),
              "2 . " + std::string(16, 'x') + "     5000     1:2:3");
}

}  // namespace
}  // namespace korvat::shell::testing
