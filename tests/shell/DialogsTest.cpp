// The Options, player-name, About and high-score dialogs, built without their modal loops.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ShellTestSupport.h"
#include "game/HighScoreTable.h"
#include "platform/Controls.h"
#include "shell/AboutDialog.h"
#include "shell/GameDialog.h"
#include "shell/HighScoresDialog.h"
#include "shell/OptionsDialog.h"
#include "shell/PlayerNameDialog.h"
#include "storage/HighScoreFile.h"
#include "storage/SettingsStore.h"
#include "ui/ProgramBitmaps.h"

namespace korvat::shell {
namespace {

using testing::TempFolder;

class NotedOptions : public OptionsDialog {
  public:
    using OptionsDialog::OptionsDialog;
    std::vector<std::string> notes;

  protected:
    void notify(const char* text) override { notes.emplace_back(text); }
};

class OptionsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(testing::openOffscreenDisplay());
        testing::useHome(home_);
        store_ = std::make_unique<platform::KeyValueStore>();
    }
    bool stored(const char* name, uint32_t& value) {
        return storage::readSettingsValue(*store_, name, value);
    }

    TempFolder home_;
    std::unique_ptr<platform::KeyValueStore> store_;
};

TEST_F(OptionsDialogTest, OpensWithTheDefaultsWhenNothingIsStored) {
    NotedOptions dialog(*store_);
    dialog.create();
    for (int id : {1002, 1003, 1004, 1005}) {
        EXPECT_EQ(dialog.itemText(id), "100") << id;
    }
    EXPECT_TRUE(dialog.isChecked(OptionsDialog::kSoundCheck));
    EXPECT_EQ(dialog.caption(), std::string("Korvat [ Option ]"));
}

TEST_F(OptionsDialogTest, OpensWithTheStoredValues) {
    storage::writeSettingsValue(*store_, storage::kSoundValue, 0);
    storage::writeSettingsValue(*store_, storage::kJumpDelayValue, 5);
    storage::writeSettingsValue(*store_, storage::kAppearDelayValue, 0);
    NotedOptions dialog(*store_);
    dialog.create();
    EXPECT_EQ(dialog.itemText(OptionsDialog::kJumpBox), "5");
    EXPECT_EQ(dialog.itemText(OptionsDialog::kAppearBox), "0");
    EXPECT_EQ(dialog.itemText(OptionsDialog::kMoveBox), "100");
    EXPECT_FALSE(dialog.isChecked(OptionsDialog::kSoundCheck));
}

TEST_F(OptionsDialogTest, ABadBoxStoresNothingAndTakesTheFocus) {
    NotedOptions dialog(*store_);
    dialog.create();
    dialog.setItemText(OptionsDialog::kMoveBox, "7");
    dialog.setItemText(OptionsDialog::kJumpBox, "");
    dialog.OnOK();
    ASSERT_EQ(dialog.notes.size(), 1u);
    EXPECT_EQ(dialog.notes[0], "Please enter a positive integer.");
    EXPECT_EQ(dialog.focusId(), OptionsDialog::kJumpBox);
    EXPECT_FALSE(dialog.modalEnded());
    EXPECT_FALSE(testing::fileExists(store_->filePath()));

    // With two bad boxes the exchange stops at the first in its order: appear before jump.
    dialog.setItemText(OptionsDialog::kAppearBox, "4294967296");
    dialog.OnOK();
    ASSERT_EQ(dialog.notes.size(), 2u);
    EXPECT_EQ(dialog.focusId(), OptionsDialog::kAppearBox);
    EXPECT_FALSE(testing::fileExists(store_->filePath()));
}

TEST_F(OptionsDialogTest, OkStoresTheFiveValuesButNotTheBestScore) {
    NotedOptions dialog(*store_);
    dialog.create();
    dialog.setItemText(OptionsDialog::kMoveBox, " 0\t");
    dialog.setItemText(OptionsDialog::kExplosionBox, "250");
    dialog.setChecked(OptionsDialog::kSoundCheck, false);
    dialog.OnOK();
    EXPECT_TRUE(dialog.notes.empty());
    EXPECT_TRUE(dialog.modalEnded());
    EXPECT_EQ(dialog.modalResult(), platform::kIdOK);
    uint32_t v = 1;
    ASSERT_TRUE(stored(storage::kSoundValue, v));
    EXPECT_EQ(v, 0u);
    ASSERT_TRUE(stored(storage::kMoveDelayValue, v));
    EXPECT_EQ(v, 0u);
    ASSERT_TRUE(stored(storage::kExplosionDelayValue, v));
    EXPECT_EQ(v, 250u);
    ASSERT_TRUE(stored(storage::kJumpDelayValue, v));
    EXPECT_EQ(v, 100u);
    ASSERT_TRUE(stored(storage::kAppearDelayValue, v));
    EXPECT_EQ(v, 100u);
    EXPECT_FALSE(stored(storage::kBestScoreValue, v));
}

TEST_F(OptionsDialogTest, CancelStoresNothing) {
    NotedOptions dialog(*store_);
    dialog.create();
    dialog.setItemText(OptionsDialog::kMoveBox, "9");
    dialog.OnCancel();
    EXPECT_TRUE(dialog.modalEnded());
    EXPECT_EQ(dialog.modalResult(), platform::kIdCancel);
    EXPECT_FALSE(testing::fileExists(store_->filePath()));
}

TEST(PlayerNameDialogTest, TakesAtMostFifteenUnitsAndHasNoCancel) {
    ASSERT_TRUE(testing::openOffscreenDisplay());
    PlayerNameDialog dialog;
    dialog.create();
    auto* box = dynamic_cast<platform::EditBox*>(dialog.control(PlayerNameDialog::kNameBox));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->limit(), 15);
    EXPECT_TRUE(dialog.itemText(PlayerNameDialog::kNameBox).empty());

    dialog.OnCancel();
    EXPECT_FALSE(dialog.modalEnded());
    dialog.setItemText(PlayerNameDialog::kNameBox, "Märta");
    dialog.OnOK();
    EXPECT_TRUE(dialog.modalEnded());
    EXPECT_EQ(dialog.name(), "Märta");
}

TEST(PlayerNameDialogTest, TheNameBoxIsFramed) {
    ASSERT_TRUE(testing::openOffscreenDisplay());
    PlayerNameDialog dialog;
    dialog.create();
    dialog.onPaint();
    const platform::Control* box = dialog.control(PlayerNameDialog::kNameBox);
    ASSERT_NE(box, nullptr);
    SDL_Surface* client = dialog.clientSurface();
    const SDL_Rect r = box->rect();
    auto pixel = [&](int x, int y) {
        Uint32 value = 0;
        SDL_memcpy(&value,
                   static_cast<const Uint8*>(client->pixels) + y * client->pitch +
                       x * client->format->BytesPerPixel,
                   client->format->BytesPerPixel);
        SDL_Color c{};
        SDL_GetRGB(value, client->format, &c.r, &c.g, &c.b);
        return c.r + c.g + c.b;
    };
    // Black on all four sides, white inside, the dialog's background just outside.
    EXPECT_EQ(pixel(r.x, r.y + r.h / 2), 0);
    EXPECT_EQ(pixel(r.x + r.w - 1, r.y + r.h / 2), 0);
    EXPECT_EQ(pixel(r.x + r.w / 2, r.y), 0);
    EXPECT_EQ(pixel(r.x + r.w / 2, r.y + r.h - 1), 0);
    EXPECT_EQ(pixel(r.x + r.w - 3, r.y + 2), 3 * 255);
    EXPECT_NE(pixel(r.x - 1, r.y + r.h / 2), 0);
}

TEST(AboutDialogTest, ShowsThePictureFromTheCornerAndIgnoresEscape) {
    ASSERT_TRUE(testing::openOffscreenDisplay());
    AboutDialog dialog;
    dialog.create();
    dialog.onPaint();
    SDL_Surface* picture = ui::loadProgramBitmap(144);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->w, 220);
    SDL_Surface* client = dialog.clientSurface();
    const SDL_Rect shown{0, 0, 220, client->h};  // cut at the bottom of the client area
    EXPECT_TRUE(testing::samePixels(picture, shown, client, shown));
    SDL_FreeSurface(picture);

    dialog.OnCancel();
    EXPECT_FALSE(dialog.modalEnded());
    dialog.OnOK();
    EXPECT_TRUE(dialog.modalEnded());
}

TEST(HighScoresDialogTest, RowTextFollowsTheTableLayout) {
    HighScoreTable table;
    makeDefaultHighScores(table);
    EXPECT_EQ(HighScoresDialog::rowText(1, table.entries[0]),
              "1 . Tarnwell" + std::string(7 + 5, ' ') + "100     0:1:0");
    EXPECT_EQ(HighScoresDialog::rowText(10, table.entries[9]).substr(0, 5), "10 . ");

    insertHighScore(table, u"", 5000, 1, 2, 3);
    HighScoreEntry entry = table.entries[0];
    EXPECT_EQ(HighScoresDialog::rowText(1, entry),
              "1 . " + std::string(15 + 5, ' ') + "5000     1:2:3");

    // A damaged name without its zero unit is bounded to the field.
    for (char16_t& unit : entry.name) {
        unit = u'x';
    }
    EXPECT_EQ(HighScoresDialog::rowText(2, entry),
              "2 . " + std::string(16, 'x') + "     5000     1:2:3");
}

TEST(HighScoresDialogTest, OpeningReloadsTheFileAndPaintsTheRows) {
    ASSERT_TRUE(testing::openOffscreenDisplay());
    TempFolder home;
    testing::useHome(home);
    testing::ScriptedDialogs answers;
    GameDialog main(&answers);
    main.setHighScoreFile(home.file("top.ten"));
    main.initialise();

    HighScoreTable table;
    makeDefaultHighScores(table);
    insertHighScore(table, u"Ann", 777, 0, 2, 5);
    ASSERT_TRUE(storage::saveHighScores(home.file("top.ten"), table));
    EXPECT_EQ(main.game().highScores.entries[0].score, 100u);

    HighScoresDialog dialog;
    dialog.attach(main.game());
    dialog.create();
    EXPECT_EQ(main.game().highScores.entries[0].score, 777u);
    EXPECT_EQ(dialog.caption(), std::string("Korvat [High scores]"));

    dialog.onPaint();
    int blue = 0;
    for (int y = 30; y < 180; ++y) {
        for (int x = 10; x < 200; ++x) {
            const SDL_Color c = testing::pixelAt(dialog.clientSurface(), x, y);
            blue += (c.r == 0 && c.g == 128 && c.b == 192) ? 1 : 0;
        }
    }
    EXPECT_GT(blue, 100);
}

}  // namespace
}  // namespace korvat::shell
