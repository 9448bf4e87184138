// The save/load chooser on a scratch folder tree (typing a plain name into it, which starts in
// the home folder, is covered with the game's own saving).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "../storage/TempFolder.h"
#include "PlatformTestSupport.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"

namespace korvat::platform {
namespace {

namespace fs = std::filesystem;
using testing::key;
using Texts = std::vector<std::string>;

class FileChooserTest : public testing::DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        fs::create_directories(root_ / "games" / "old");
        fs::create_directories(root_ / "Zeta");
        for (const char* file :
             {"top.kvt", "games/b.kvt", "games/A.KVT", "games/notes.txt", "games/.hidden.kvt"}) {
            korvat::testing::writeText(folder_.file(file), "x");
        }
    }

    FileChooser& open(FileChooser::Mode mode = FileChooser::Mode::Save) {
        chooser_ =
            std::make_unique<FileChooser>(mode, "(Korvat  files)", "*.kvt", "kvt", root_.string());
        chooser_->create();
        return *chooser_;
    }
    ListBox& list() const {
        return *dynamic_cast<ListBox*>(chooser_->control(FileChooser::kFolderList));
    }

    // Folders in brackets.
    Texts rowTexts() const {
        Texts texts;
        for (const ListBox::Row& row : list().rows()) {
            texts.push_back(row.folder ? "[" + row.text + "]" : row.text);
        }
        return texts;
    }
    void clickRow(int row) {
        const SDL_Rect r = list().rect();
        chooser_->onMouseDown(r.x + 30, r.y + 6 + (row - list().topRow()) * ListBox::kRowHeight);
    }

    const korvat::testing::TempFolder folder_;
    const fs::path root_ = folder_.path;
    std::unique_ptr<FileChooser> chooser_;
};

TEST_F(FileChooserTest, ListsFoldersFirstThenMatchingFilesAndAFileIsChosenByTwoClicks) {
    FileChooser& chooser = open(FileChooser::Mode::Open);
    EXPECT_EQ(chooser.caption(), std::string("Open"));
    EXPECT_EQ(rowTexts(), (Texts{"[..]", "[games]", "[Zeta]", "top.kvt"}));
    clickRow(1);
    // Matching ignores case; other and hidden files stay out.
    EXPECT_EQ(rowTexts(), (Texts{"[..]", "[old]", "A.KVT", "b.kvt"}));
    clickRow(0);
    clickRow(3);
    EXPECT_EQ(chooser.itemText(FileChooser::kNameBox), "top.kvt");
    EXPECT_FALSE(chooser.modalEnded());
    clickRow(3);
    EXPECT_EQ(chooser.modalResult(), kIdOK);
    EXPECT_EQ(chooser.path(), (root_ / "top.kvt").string());
}

TEST_F(FileChooserTest, TypedNameIsTrimmedAFolderIsEnteredAndSavingOverAFileAsksFirst) {
    FileChooser& chooser = open();
    EXPECT_EQ(chooser.caption(), std::string("Save As"));
    chooser.onOK();  // nothing typed
    chooser.onTextInput("games");
    chooser.onOK();
    EXPECT_FALSE(chooser.modalEnded());
    EXPECT_EQ(chooser.folder(), (root_ / "games").string());
    EXPECT_EQ(chooser.itemText(FileChooser::kNameBox), "");

    chooser.onTextInput(" b ");  // b.kvt, which is there
    const MessageBoxLayout box = layoutMessageBox("Replace b.kvt?", true);
    const auto answer = [&](const SDL_Rect& button) {
        testing::pushClick(button.x + button.w / 2, button.y + button.h / 2 + kClientTop);
        chooser.onOK();
    };
    answer(box.noButton);
    EXPECT_FALSE(chooser.modalEnded());
    EXPECT_EQ(chooser.itemText(FileChooser::kNameBox), " b ");
    testing::pushKey(SDLK_ESCAPE);  // also No
    chooser.onOK();
    EXPECT_FALSE(chooser.modalEnded());
    answer(box.okButton);
    EXPECT_EQ(chooser.modalResult(), kIdOK);
    EXPECT_EQ(chooser.path(), (root_ / "games" / "b.kvt").string());
}

TEST_F(FileChooserTest, KeysWheelAndScrollBarMoveThroughALongList) {
    for (int i = 0; i < 40; ++i) {
        korvat::testing::writeText(folder_.file("save" + std::to_string(100 + i) + ".kvt"), "x");
    }
    FileChooser& chooser = open();
    ListBox& l = list();
    ASSERT_EQ(l.rows().size(), 44u);
    const int lastTop = 44 - l.visibleRows();
    chooser.onMouseWheel(3);
    EXPECT_EQ(l.topRow(), 3);
    chooser.onMouseWheel(100);
    EXPECT_EQ(l.topRow(), lastTop);
    chooser.onKeyDown(key(SDLK_TAB, KMOD_LSHIFT));  // from the name box back to the list
    chooser.onKeyDown(key(SDLK_HOME));
    EXPECT_EQ(l.topRow(), 0);
    chooser.onKeyDown(key(SDLK_END));
    EXPECT_EQ(chooser.itemText(FileChooser::kNameBox), "top.kvt");  // the last row
    // The arrow at the top of the scroll bar goes back one row.
    chooser.onMouseDown(l.rect().x + l.rect().w - 4, l.rect().y + 4);
    EXPECT_EQ(l.topRow(), lastTop - 1);
    chooser.onKeyDown(key(SDLK_HOME));
    chooser.onKeyDown(key(SDLK_DOWN));  // "games"
    chooser.onKeyDown(key(SDLK_RETURN));
    EXPECT_EQ(chooser.folder(), (root_ / "games").string());
    EXPECT_FALSE(chooser.modalEnded());
}

}  // namespace
}  // namespace korvat::platform
