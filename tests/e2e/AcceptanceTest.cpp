// Whole games through the real program, as a player plays them: real clicks and keys on a
// private X server, the screen read back as pixels.
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "QuickGame.h"
#include "assets/Commands.h"
#include "assets/Resources.h"
#include "platform/CommandBar.h"
#include "platform/Display.h"
#include "platform/TitleBar.h"
#include "shell/MenuBar.h"
#include "storage/SavedGameFile.h"
#include "storage/SettingsStore.h"

namespace korvat::e2e {
namespace {

class AcceptanceTest : public QuickGameTest {
  protected:
    // A bar built as the window's is and clicked along with it: its pop-ups are the window's.
    const std::unique_ptr<platform::CommandBar> bar = shell::buildMenuBar();
    void clickBar(SDL_Point p) {
        bar->mouseDown(p.x, p.y);
        bar->mouseUp(p.x, p.y);
        clickDevice(p);
    }
    void clickGameMenu() {
        const SDL_Rect game = bar->dropDownRect(0);
        clickBar({game.x + game.w / 2, game.y + game.h / 2});
    }
    // Saves or loads through the Game pop-up and the file chooser.
    void chooseFile(int command, const std::string& name) {
        clickGameMenu();
        choose(command);
        enterFileName(name);
    }
    // Clicks well inside the shown button or item of `command`.
    void choose(int command) {
        for (int y = 0; y < platform::kScreenHeight; ++y) {
            for (int x = 0; x < platform::kScreenWidth; ++x) {
                if (bar->commandAt(x, y) == command && bar->commandAt(x + 4, y + 6) == command)
                    return clickBar({x + 4, y + 6});
            }
        }
        ADD_FAILURE() << "command " << command << " not shown";
    }
};

TEST_F(AcceptanceTest, ShowsItsIconMovesUndoesSwitchesRulesSavesLoadsAndEnds) {
    // The desktop reads the icon off the window (_NET_WM_ICON): the program's own 32 x 32
    // picture, opaque.
    const Surface icon = argbBitmap(res::kAppIcon);
    ASSERT_NE(icon, nullptr);
    std::string expected = "_NET_WM_ICON=32, 32";
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            expected += ", " + std::to_string(argbAt(icon, x, y) | 0xFF000000u);
    }
    EXPECT_TRUE(session.capture("xprop -notype -f _NET_WM_ICON 32c '=$0+' -id " +
                                session.windowId() + " _NET_WM_ICON") == expected)
        << "not the program's own icon";

    const BoardLook board = settledBoard();
    EXPECT_EQ(board.count(CellLook::Ball), 3);
    EXPECT_EQ(board.count(CellLook::Hint), 3);
    EXPECT_TRUE(showsNumber(session, 168, 0));

    // A move: the ball travels, a wave lands and the next is announced. Where, and in which
    // colours, are the replay scripts' and the in-process screen checksum's.
    Move move;
    ASSERT_TRUE(findMove(board, move));
    clickCell(move.fromX, move.fromY);
    clickCell(move.toX, move.toY);
    const BoardLook afterMove = settledBoard();
    EXPECT_TRUE(ballMoved(afterMove, move));
    EXPECT_EQ(afterMove.count(CellLook::Ball), 6);
    EXPECT_EQ(afterMove.count(CellLook::Hint), 3);

    // Undo with the toolbar button: the position before the move, the same wave announced.
    choose(command::kUndo);
    EXPECT_EQ(settledBoard().cells, board.cells);

    // Block rules from the menu ("New game", the Game pop-up's first row): three fresh balls.
    clickGameMenu();
    clickBar({bar->popupRects().at(0).x + 20, bar->popupRects().at(0).y + 10});
    choose(command::kBlockMode);
    const BoardLook blockGame = settledBoard();
    EXPECT_EQ(blockGame.count(CellLook::Ball), 3);
    EXPECT_EQ(blockGame.count(CellLook::Hint), 3);

    chooseFile(command::kSaveGame, "acceptance");
    SavedGame saved;
    ASSERT_TRUE(storage::loadGameFromFile(home + "/acceptance.kvt", saved));
    EXPECT_EQ(saved.score, 0u);
    EXPECT_EQ(saved.blockMode, 1);
    const std::vector<bool> blockBalls = blockGame.where(CellLook::Ball);
    for (int cell = 0; cell < 81; ++cell)
        EXPECT_EQ(saved.board.cells[cell] != EMPTY, blockBalls[cell]) << "cell " << cell;

    // Play on, then load: the saved balls come back, with a fresh wave announced.
    ASSERT_TRUE(findMove(blockGame, move));
    clickCell(move.fromX, move.fromY);
    clickCell(move.toX, move.toY);
    EXPECT_GT(settledBoard().count(CellLook::Ball), 3);
    chooseFile(command::kLoadGame, "acceptance.kvt");
    const BoardLook loaded = settledBoard();
    EXPECT_EQ(loaded.where(CellLook::Ball), blockBalls);
    EXPECT_EQ(loaded.count(CellLook::Hint), 3);

    // The title bar's OK ends the program and writes the settings, keeping those it read.
    const SDL_Rect ok = platform::titleBarOkButton();
    session.clickDevice(ok.x + ok.w / 2, ok.y + ok.h / 2);
    EXPECT_EQ(session.waitForExit(5000), 0);
    const storage::SettingsStore store(settingsPath());
    uint32_t best = 0, delay = 1;
    EXPECT_TRUE(store.read(kBestScoreValue, best) && best == 100) << best;
    EXPECT_TRUE(store.read(kMoveDelayValue, delay) && delay == 0) << delay;
}

using Cell = std::pair<int, int>;
using Cells = std::vector<Cell>;

class KeyboardTest : public QuickGameTest {
  protected:
    // The cells whose 26-pixel tile shows the cursor's frame (the sprite starts at offset 4).
    Cells framedCells() const {
        static constexpr int kFrame[][2] = {{1, 1}, {24, 1}, {1, 24}, {24, 24}, {12, 1}, {1, 12}};
        constexpr Rgb kCursorColour{0, 0, 128};
        const Screenshot shot = session.screenshot();
        Cells framed;
        for (int cell = 0; cell < 81; ++cell) {
            if (std::all_of(std::begin(kFrame), std::end(kFrame), [&](auto o) {
                    const SDL_Point p = cellPixel(cell / 9, cell % 9, o[0] - 4, o[1] - 4);
                    return session.devicePixel(shot, p.x, p.y) == kCursorColour;
                }))
                framed.push_back({cell / 9, cell % 9});
        }
        return framed;
    }
    bool waitForCursor(Cell cell) const {
        return waitUntil(3000, 50, [&] { return framedCells() == Cells{cell}; });
    }
    // Arrow keys from one cell to another (none when already there); true once the cursor is
    // there alone.
    bool walk(Cell from, Cell to) {
        std::string keys;
        for (; from.first != to.first; from.first += from.first < to.first ? 1 : -1)
            keys += from.first < to.first ? " Right" : " Left";
        for (; from.second != to.second; from.second += from.second < to.second ? 1 : -1)
            keys += from.second < to.second ? " Down" : " Up";
        session.key(keys);
        return waitForCursor(to);
    }
};

TEST_F(KeyboardTest, ArrowsSpaceEnterCtrlZAndExit) {
    const BoardLook start = settledBoard();
    const Screenshot startShot = session.screenshot();
    EXPECT_EQ(framedCells(), Cells{}) << "no cursor before a key is pressed";

    // The first arrow only shows the cursor, in the middle of the board.
    ASSERT_TRUE(retry([&] { session.key("Right"); }, [&] { return waitForCursor({4, 4}); }));
    ASSERT_TRUE(walk({4, 4}, {5, 4})) << "the old cell keeps no frame";
    ASSERT_TRUE(walk({5, 4}, {4, 2}));

    // Space on a ball takes it: it bounces.
    Move move;
    ASSERT_TRUE(findMove(start, move));
    const Cell ball{move.fromX, move.fromY}, target{move.toX, move.toY};
    ASSERT_TRUE(walk({4, 2}, ball));
    session.key("space");
    EXPECT_TRUE(spriteChanges(startShot, ball.first, ball.second));

    // To the free neighbour, Enter: the ball goes there and the announced wave lands.
    ASSERT_TRUE(walk(ball, target));
    session.key("Return");
    const BoardLook moved = settledBoard([&](const BoardLook& b) { return ballMoved(b, move); });
    EXPECT_TRUE(ballMoved(moved, move));

    // Ctrl+Z: the board as before the move. Exit (Ctrl+Q): code 18, the settings not written.
    session.key("ctrl+z");
    const BoardLook undone =
        settledBoard([&](const BoardLook& b) { return b.cells == start.cells; });
    EXPECT_EQ(undone.cells, start.cells);
    session.key("ctrl+q");
    EXPECT_EQ(session.waitForExit(4000), 18);
    uint32_t best = 0;
    EXPECT_FALSE(storage::SettingsStore(settingsPath()).read(kBestScoreValue, best));
}

}  // namespace
}  // namespace korvat::e2e
