// A whole scripted game through the real program: real clicks on a private X server, the
// screen read back as pixels. Moves, an undo, a rule-set switch, a save and a load.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "GameScreen.h"
#include "QuickGame.h"
#include "XvfbSession.h"
#include "storage/SettingsStore.h"

namespace korvat::e2e {
namespace {

std::vector<char> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int32_t wordAt(const std::vector<char>& bytes, size_t offset) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(bytes[offset + i]);
    return static_cast<int32_t>(v);
}

class AcceptanceTest : public QuickGameTest {
  protected:
    void SetUp() override {
        QuickGameTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        menu = findMenuPoints();
        ASSERT_TRUE(menu.complete);
    }

    void click(SDL_Point p) {
        session.clickDevice(p.x, p.y);
        pause(250);
    }
    void clickCell(int x, int y) { click(cellPixel(x, y)); }
    int score() { return readNumber(session, session.screenshot(), 168); }
    int best() { return readNumber(session, session.screenshot(), 13); }

    MenuPoints menu;
};

TEST_F(AcceptanceTest, PlaysUndoesSwitchesRulesSavesAndLoads) {
    // The first game: three balls, three announced, scale 2 on a 1024 x 768 screen.
    EXPECT_EQ(session.scale(), 2);
    BoardLook board = settledBoard();
    EXPECT_EQ(board.count(CellLook::Ball), 3);
    EXPECT_EQ(board.count(CellLook::Hint), 3);
    EXPECT_EQ(score(), 0);
    EXPECT_EQ(best(), 100);

    // A move: the ball travels, the announced wave lands on its hint cells.
    Move move{};
    ASSERT_TRUE(findMove(board, move));
    const Rgb moved = board.signature[move.fromX][move.fromY];
    clickCell(move.fromX, move.fromY);
    clickCell(move.toX, move.toY);
    const BoardLook afterMove = settledBoard();
    EXPECT_TRUE(ballMoved(afterMove, move));
    EXPECT_EQ(afterMove.signature[move.toX][move.toY], moved);
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            if (board.cells[x][y] == CellLook::Hint) {
                EXPECT_EQ(afterMove.cells[x][y], CellLook::Ball);
            }
        }
    }
    EXPECT_EQ(afterMove.count(CellLook::Ball), 6);
    EXPECT_EQ(afterMove.count(CellLook::Hint), 3);

    // Undo with the toolbar button: the position before the move, the same wave announced.
    click(menu.undoButton);
    const BoardLook undone = settledBoard();
    EXPECT_TRUE(sameCells(undone, board));
    EXPECT_EQ(score(), 0);

    // Block rules from the menu: a fresh game of three balls.
    click(menu.gameMenu);
    click(menu.newGameItem);
    click(menu.blockItem);
    const BoardLook blockGame = settledBoard();
    EXPECT_EQ(blockGame.count(CellLook::Ball), 3);
    EXPECT_EQ(blockGame.count(CellLook::Hint), 3);

    // Save through the file chooser, which starts in the home folder.
    click(menu.gameMenu);
    click(menu.saveItem);
    session.type("acceptance");
    keepShot("save-chooser");
    session.key("Return");
    pause(500);
    const std::string saved = home.path + "/acceptance.kvt";
    const std::vector<char> bytes = readFile(saved);
    ASSERT_EQ(bytes.size(), 340u);
    EXPECT_EQ(wordAt(bytes, 4), 0);   // score
    EXPECT_EQ(wordAt(bytes, 8), 1);   // Block
    EXPECT_EQ(wordAt(bytes, 12), 0);  // not Lines
    int ballsInFile = 0;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const int32_t cell = wordAt(bytes, 16 + 4 * (9 * x + y));
            ballsInFile += cell != -1;
            EXPECT_EQ(cell != -1, blockGame.cells[x][y] == CellLook::Ball) << x << "," << y;
        }
    }
    EXPECT_EQ(ballsInFile, 3);

    // Play on, then load: the saved balls come back, with a fresh wave announced.
    ASSERT_TRUE(findMove(blockGame, move));
    clickCell(move.fromX, move.fromY);
    clickCell(move.toX, move.toY);
    EXPECT_GT(settledBoard().count(CellLook::Ball), 3);
    click(menu.gameMenu);
    click(menu.loadItem);
    session.type("acceptance.kvt");
    session.key("Return");
    pause(500);
    const BoardLook loaded = settledBoard();
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            EXPECT_EQ(loaded.cells[x][y] == CellLook::Ball, blockGame.cells[x][y] == CellLook::Ball)
                << x << "," << y;
        }
    }
    EXPECT_EQ(loaded.count(CellLook::Hint), 3);
    EXPECT_EQ(score(), 0);

    // The OK button of the title bar ends the program and writes the settings.
    session.clickDevice(226, 12);
    EXPECT_EQ(session.waitForExit(5000), 0);
    storage::SettingsStore store(home.path + "/config/korvat/korvat.conf");
    uint32_t bestStored = 0;
    EXPECT_TRUE(store.read(kBestScoreValue, bestStored));
    EXPECT_EQ(bestStored, 100u);
}

}  // namespace
}  // namespace korvat::e2e
