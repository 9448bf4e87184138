// The save/load chooser on a scratch folder tree.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "platform/FileChooser.h"

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
        touch(root_ / "top.kvt");
        touch(root_ / "games" / "b.kvt");
        touch(root_ / "games" / "A.KVT");
        touch(root_ / "games" / "notes.txt");
        touch(root_ / "games" / ".hidden.kvt");
    }
    void TearDown() override { fs::remove_all(root_); }

    static void touch(const fs::path& file) { std::ofstream(file) << "x"; }

    FileChooser makeChooser(FileChooser::Mode mode = FileChooser::Mode::Save) {
        return FileChooser(mode, "(Korvat  files)", "*.kvt", "kvt", root_.string());
    }

    static std::vector<std::string> rowTexts(const FileChooser& chooser) {
        std::vector<std::string> texts;
        const auto* list = dynamic_cast<ListBox*>(chooser.control(FileChooser::kFolderList));
        for (const ListBox::Row& row : list->rows()) {
            texts.push_back(row.folder ? "[" + row.text + "]" : row.text);
        }
        return texts;
    }

    static void clickRow(FileChooser& chooser, const std::string& text) {
        const auto* list = dynamic_cast<ListBox*>(chooser.control(FileChooser::kFolderList));
        const auto& rows = list->rows();
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].text == text) {
                const int row = static_cast<int>(i) - list->topRow();
                chooser.onMouseDown(list->rect().x + 30,
                                    list->rect().y + 1 + row * ListBox::kRowHeight + 5);
                return;
            }
        }
        FAIL() << "no row " << text;
    }

    fs::path root_;
};

TEST_F(FileChooserTest, ListsFoldersFirstThenMatchingFiles) {
    FileChooser chooser = makeChooser();
    chooser.create();
    EXPECT_EQ(chooser.caption(), std::string("Save As"));
    EXPECT_EQ(chooser.folder(), root_.string());
    EXPECT_EQ(rowTexts(chooser),
              (std::vector<std::string>{"[..]", "[games]", "[Zeta]", "top.kvt"}));
    EXPECT_EQ(chooser.focusId(), FileChooser::kNameBox);

    clickRow(chooser, "games");
    EXPECT_EQ(chooser.folder(), (root_ / "games").string());
    // Matching ignores case; other and hidden files stay out.
    EXPECT_EQ(rowTexts(chooser), (std::vector<std::string>{"[..]", "[old]", "A.KVT", "b.kvt"}));

    clickRow(chooser, "..");
    EXPECT_EQ(chooser.folder(), root_.string());
}

TEST_F(FileChooserTest, TypedNameGetsTheDefaultExtensionOnlyWhenItHasNone) {
    FileChooser chooser = makeChooser();
    chooser.create();
    chooser.onTextInput("my game");
    chooser.OnOK();
    EXPECT_EQ(chooser.modalResult(), kIdOK);
    EXPECT_EQ(chooser.path(), (root_ / "my game.kvt").string());

    FileChooser other = makeChooser();
    other.create();
    other.onTextInput("  games/keep.dat ");
    other.onKeyDown(key(SDLK_RETURN));
    EXPECT_EQ(other.path(), (root_ / "games" / "keep.dat").string());
}

TEST_F(FileChooserTest, ClickingAFileFillsTheNameAndASecondClickChoosesIt) {
    FileChooser chooser = makeChooser(FileChooser::Mode::Open);
    chooser.create();
    EXPECT_EQ(chooser.caption(), std::string("Open"));
    clickRow(chooser, "top.kvt");
    EXPECT_EQ(chooser.itemText(FileChooser::kNameBox), "top.kvt");
    EXPECT_FALSE(chooser.modalEnded());
    clickRow(chooser, "top.kvt");
    EXPECT_EQ(chooser.modalResult(), kIdOK);
    EXPECT_EQ(chooser.path(), (root_ / "top.kvt").string());
}

TEST_F(FileChooserTest, CancelGivesAnEmptyPath) {
    FileChooser chooser = makeChooser();
    chooser.create();
    chooser.onTextInput("abc");
    chooser.onKeyDown(key(SDLK_ESCAPE));
    EXPECT_EQ(chooser.modalResult(), kIdCancel);
    EXPECT_TRUE(chooser.path().empty());
}

TEST_F(FileChooserTest, TypedFolderOrEmptyNameDoesNotEndTheChooser) {
    FileChooser chooser = makeChooser();
    chooser.create();
    chooser.OnOK();
    EXPECT_FALSE(chooser.modalEnded());
    chooser.onTextInput("games");
    chooser.OnOK();
    EXPECT_FALSE(chooser.modalEnded());
    EXPECT_EQ(chooser.folder(), (root_ / "games").string());
    EXPECT_EQ(chooser.itemText(FileChooser::kNameBox), "");
}

TEST_F(FileChooserTest, KeysMoveThroughTheListAndEnterAFolder) {
    FileChooser chooser = makeChooser();
    chooser.create();
    chooser.onKeyDown(key(SDLK_TAB, KMOD_LSHIFT));  // from the name box back to the list
    ASSERT_EQ(chooser.focusId(), FileChooser::kFolderList);
    chooser.onKeyDown(key(SDLK_DOWN));
    chooser.onKeyDown(key(SDLK_DOWN));  // "games"
    chooser.onKeyDown(key(SDLK_RETURN));
    EXPECT_EQ(chooser.folder(), (root_ / "games").string());
    EXPECT_FALSE(chooser.modalEnded());
}

TEST_F(FileChooserTest, LongListsScroll) {
    for (int i = 0; i < 40; ++i) {
        touch(root_ / ("save" + std::to_string(100 + i) + ".kvt"));
    }
    FileChooser chooser = makeChooser();
    chooser.create();
    auto* list = dynamic_cast<ListBox*>(chooser.control(FileChooser::kFolderList));
    ASSERT_EQ(list->rows().size(), 44u);
    EXPECT_EQ(list->topRow(), 0);
    chooser.onMouseWheel(3);
    EXPECT_EQ(list->topRow(), 3);
    chooser.onMouseWheel(100);
    EXPECT_EQ(list->topRow(), 44 - list->visibleRows());
    chooser.setFocus(FileChooser::kFolderList);
    chooser.onKeyDown(key(SDLK_HOME));
    EXPECT_EQ(list->topRow(), 0);
    chooser.onKeyDown(key(SDLK_END));
    EXPECT_EQ(list->selection(), 43);
    EXPECT_EQ(list->topRow(), 44 - list->visibleRows());
    EXPECT_EQ(chooser.itemText(FileChooser::kNameBox), "top.kvt");
    // The arrow at the top of the scroll bar goes back one row.
    const SDL_Rect r = list->rect();
    chooser.onMouseDown(r.x + r.w - 4, r.y + 4);
    EXPECT_EQ(list->topRow(), 44 - list->visibleRows() - 1);
}

TEST_F(FileChooserTest, StartsInTheHomeFolder) {
    const char* saved = std::getenv("HOME");
    const std::string previous = saved != nullptr ? saved : "";
    setenv("HOME", (root_ / "games").c_str(), 1);
    FileChooser chooser(FileChooser::Mode::Open, "(Korvat  files)", "*.kvt", "kvt");
    chooser.create();
    EXPECT_EQ(chooser.folder(), (root_ / "games").string());
    setenv("HOME", previous.c_str(), 1);
}

}  // namespace
}  // namespace korvat::platform
