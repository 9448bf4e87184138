// The save/load chooser on a scratch folder tree (typing a plain name into it, which starts in
// the home folder, is covered with the game's own saving).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "PlatformTestSupport.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"

namespace korvat::platform {
namespace {

namespace fs = std::filesystem;
using testing::key;

class FileChooserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("korvat-chooser-" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "games" / "old");
        fs::create_directories(root_ / "Zeta");
        for (const char* file :
             {"top.kvt", "games/b.kvt", "games/A.KVT", "games/notes.txt", "games/.hidden.kvt"}) {
            touch(root_ / file);
        }
    }
    void TearDown() override { fs::remove_all(root_); }

    static void touch(const fs::path& file) { std::ofstream(file) << "x"; }

    FileChooser& open(FileChooser::Mode mode = FileChooser::Mode::Save) {
        chooser_ =
            std::make_unique<FileChooser>(mode, "(Korvat  files)", "*.kvt", "kvt", root_.string());
        chooser_->create();
        return *chooser_;
    }

    static ListBox& list(const FileChooser& chooser) {
        return *dynamic_cast<ListBox*>(chooser.control(FileChooser::kFolderList));
    }

    static std::vector<std::string> rowTexts(const FileChooser& chooser) {
        std::vector<std::string> texts;
        for (const ListBox::Row& row : list(chooser).rows()) {
            texts.push_back(row.folder ? "[" + row.text + "]" : row.text);
        }
        return texts;
    }

    static void clickRow(FileChooser& chooser, const std::string& text) {
        const ListBox& l = list(chooser);
        for (size_t i = 0; i < l.rows().size(); ++i) {
            if (l.rows()[i].text == text) {
                const int row = static_cast<int>(i) - l.topRow();
                chooser.onMouseDown(l.rect().x + 30, l.rect().y + 6 + row * ListBox::kRowHeight);
                return;
            }
        }
        FAIL() << "no row " << text;
    }

    fs::path root_;
    std::unique_ptr<FileChooser> chooser_;
};

TEST_F(FileChooserTest, ListsFoldersFirstThenMatchingFilesAndAFileIsChosenByTwoClicks) {
    FileChooser& chooser = open(FileChooser::Mode::Open);
    EXPECT_EQ(chooser.caption(), std::string("Open"));
    EXPECT_EQ(rowTexts(chooser),
              (std::vector<std::string>{"[..]", "[games]", "[Zeta]", "top.kvt"}));
    EXPECT_EQ(chooser.focusId(), FileChooser::kNameBox);

    clickRow(chooser, "games");
    EXPECT_EQ(chooser.folder(), (root_ / "games").string());
    // Matching ignores case; other and hidden files stay out.
    EXPECT_EQ(rowTexts(chooser), (std::vector<std::string>{"[..]", "[old]", "A.KVT", "b.kvt"}));

    clickRow(chooser, "..");
    clickRow(chooser, "top.kvt");
    EXPECT_EQ(chooser.itemText(FileChooser::kNameBox), "top.kvt");
    EXPECT_FALSE(chooser.modalEnded());
    clickRow(chooser, "top.kvt");
    EXPECT_EQ(chooser.modalResult(), kIdOK);
    EXPECT_EQ(chooser.path(), (root_ / "top.kvt").string());
}

TEST_F(FileChooserTest, TypedNameIsTakenAsItIsAndEmptyOrAFolderKeepsItOpen) {
    FileChooser& chooser = open();
    EXPECT_EQ(chooser.caption(), std::string("Save As"));
    chooser.onOK();
    chooser.onTextInput("games");
    chooser.onOK();
    EXPECT_FALSE(chooser.modalEnded());
    EXPECT_EQ(chooser.folder(), (root_ / "games").string());
    EXPECT_EQ(chooser.itemText(FileChooser::kNameBox), "");
    chooser.onTextInput("  old/keep.dat ");  // has an extension: none added
    chooser.onKeyDown(key(SDLK_RETURN));
    EXPECT_EQ(chooser.modalResult(), kIdOK);
    EXPECT_EQ(chooser.path(), (root_ / "games" / "old" / "keep.dat").string());

    FileChooser& cancelled = open();
    cancelled.onTextInput("abc");
    cancelled.onKeyDown(key(SDLK_ESCAPE));
    EXPECT_EQ(cancelled.modalResult(), kIdCancel);
    EXPECT_TRUE(cancelled.path().empty());
}

TEST_F(FileChooserTest, SavingOverAFileAsksAndNoGoesBackWithTheNameTyped) {
    ASSERT_TRUE(Display::instance().open("Korvat 1.2")) << SDL_GetError();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    FileChooser& chooser = open();
    chooser.onTextInput("top");
    const MessageBoxLayout box = layoutMessageBox("Replace top.kvt?", true);
    const SDL_Rect& no = box.noButton;
    testing::pushClick(no.x + no.w / 2, no.y + no.h / 2 + kClientTop);
    chooser.onOK();
    EXPECT_FALSE(chooser.modalEnded());
    EXPECT_EQ(chooser.itemText(FileChooser::kNameBox), "top");
    testing::pushKey(SDLK_ESCAPE);  // also No
    chooser.onOK();
    EXPECT_FALSE(chooser.modalEnded());

    const SDL_Rect& yes = box.okButton;
    testing::pushClick(yes.x + yes.w / 2, yes.y + yes.h / 2 + kClientTop);
    chooser.onOK();
    EXPECT_EQ(chooser.modalResult(), kIdOK);
    EXPECT_EQ(chooser.path(), (root_ / "top.kvt").string());
}

TEST_F(FileChooserTest, KeysWheelAndScrollBarMoveThroughALongList) {
    for (int i = 0; i < 40; ++i) {
        touch(root_ / ("save" + std::to_string(100 + i) + ".kvt"));
    }
    FileChooser& chooser = open();
    ListBox& l = list(chooser);
    ASSERT_EQ(l.rows().size(), 44u);
    const int lastTop = 44 - l.visibleRows();
    chooser.onMouseWheel(3);
    EXPECT_EQ(l.topRow(), 3);
    chooser.onMouseWheel(100);
    EXPECT_EQ(l.topRow(), lastTop);
    chooser.onKeyDown(key(SDLK_TAB, KMOD_LSHIFT));  // from the name box back to the list
    ASSERT_EQ(chooser.focusId(), FileChooser::kFolderList);
    chooser.onKeyDown(key(SDLK_HOME));
    EXPECT_EQ(l.topRow(), 0);
    chooser.onKeyDown(key(SDLK_END));
    EXPECT_EQ(l.selection(), 43);
    EXPECT_EQ(chooser.itemText(FileChooser::kNameBox), "top.kvt");
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
