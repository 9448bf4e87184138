// A whole scripted game through the real program: real clicks on a private X server, the
// screen read back as pixels. Moves, an undo, a rule-set switch, a save, a load and the end.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "QuickGame.h"
#include "assets/Resources.h"
#include "platform/Resources.h"
#include "platform/TitleBar.h"
#include "storage/SavedGameFile.h"
#include "storage/SettingsStore.h"

namespace korvat::e2e {
namespace {

// Whether each cell shows a ball, in the saved games' order.
std::vector<bool> ballCells(const BoardLook& board) {
    std::vector<bool> balls;
    for (const auto& column : board.cells) {
        for (CellLook look : column)
            balls.push_back(look == CellLook::Ball);
    }
    return balls;
}

using AcceptanceTest = QuickGameTest;

TEST_F(AcceptanceTest, PlaysUndoesSwitchesRulesSavesLoadsAndEnds) {
    const MenuPoints menu = findMenuPoints();
    ASSERT_NE(menu.blockItem.x, 0) << "the menu bar is not as the game builds it";
    ASSERT_NE(menu.undoButton.x, 0);

    // The first game: three balls, three announced, scale 2 on a 1024 x 768 screen.
    EXPECT_EQ(session.scale(), 2);
    const BoardLook board = settledBoard();
    EXPECT_EQ(board.count(CellLook::Ball), 3);
    EXPECT_EQ(board.count(CellLook::Hint), 3);
    EXPECT_EQ(readNumber(session, 168), 0);
    EXPECT_EQ(readNumber(session, 13), 100);

    // A move: the ball travels, the announced wave lands on its hint cells.
    Move move;
    ASSERT_TRUE(findMove(board, move));
    clickCell(move.fromX, move.fromY);
    clickCell(move.toX, move.toY);
    const BoardLook afterMove = settledBoard();
    EXPECT_TRUE(ballMoved(afterMove, move));
    EXPECT_EQ(afterMove.signature[move.toX][move.toY], board.signature[move.fromX][move.fromY]);
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            if (board.cells[x][y] == CellLook::Hint) {
                EXPECT_EQ(afterMove.cells[x][y], CellLook::Ball) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(afterMove.count(CellLook::Ball), 6);
    EXPECT_EQ(afterMove.count(CellLook::Hint), 3);

    // Undo with the toolbar button: the position before the move, the same wave announced.
    clickDevice(menu.undoButton);
    EXPECT_EQ(settledBoard().cells, board.cells);

    // Block rules from the menu: a fresh game of three balls.
    clickDevice(menu.gameMenu);
    clickDevice(menu.newGameItem);
    clickDevice(menu.blockItem);
    const BoardLook blockGame = settledBoard();
    EXPECT_EQ(blockGame.count(CellLook::Ball), 3);
    EXPECT_EQ(blockGame.count(CellLook::Hint), 3);

    // Save through the file chooser, which starts in the home folder.
    clickDevice(menu.gameMenu);
    clickDevice(menu.saveItem);
    session.run("xdotool type --delay 20 acceptance");
    session.key("Return");
    pause(500);
    SavedGame saved;
    ASSERT_TRUE(storage::loadGameFromFile(home + "/acceptance.kvt", saved));
    EXPECT_EQ(saved.score, 0u);
    EXPECT_EQ(saved.blockMode, 1);
    std::vector<bool> savedBalls;
    for (int32_t cell : saved.board.cells)
        savedBalls.push_back(cell != EMPTY);
    EXPECT_EQ(savedBalls, ballCells(blockGame));

    // Play on, then load: the saved balls come back, with a fresh wave announced.
    ASSERT_TRUE(findMove(blockGame, move));
    clickCell(move.fromX, move.fromY);
    clickCell(move.toX, move.toY);
    EXPECT_GT(settledBoard().count(CellLook::Ball), 3);
    clickDevice(menu.gameMenu);
    clickDevice(menu.loadItem);
    session.run("xdotool type --delay 20 acceptance.kvt");
    session.key("Return");
    pause(500);
    const BoardLook loaded = settledBoard();
    EXPECT_EQ(ballCells(loaded), ballCells(blockGame));
    EXPECT_EQ(loaded.count(CellLook::Hint), 3);
    EXPECT_EQ(readNumber(session, 168), 0);

    // The OK button of the title bar ends the program and writes the settings, keeping those
    // it read.
    const SDL_Rect ok = platform::titleBarOkButton();
    session.clickDevice(ok.x + ok.w / 2, ok.y + ok.h / 2);
    EXPECT_EQ(session.waitForExit(5000), 0);
    const storage::SettingsStore store(settingsPath());
    uint32_t best = 0, delay = 1;
    EXPECT_TRUE(store.read(kBestScoreValue, best));
    EXPECT_EQ(best, 100u);
    EXPECT_TRUE(store.read(kMoveDelayValue, delay));
    EXPECT_EQ(delay, 0u);
}

// The desktop reads the icon off the window (_NET_WM_ICON): the program's own 32 x 32 picture.
TEST_F(AcceptanceTest, TheWindowShowsTheProgramIcon) {
    std::istringstream property(session.capture("xprop -notype -f _NET_WM_ICON 32c '=$0+' -id " +
                                                session.windowId() + " _NET_WM_ICON"));
    property.ignore(100, '=');
    std::vector<unsigned long> icon;
    for (unsigned long value = 0; property >> value; property.ignore(1, ','))
        icon.push_back(value);
    ASSERT_GE(icon.size(), 2u) << "no icon on the window";
    ASSERT_EQ(icon[0], 32u);
    ASSERT_EQ(icon[1], 32u);
    ASSERT_EQ(icon.size(), 2u + 32 * 32);

    SDL_Surface* bitmap = platform::loadBitmap(res::kAppIcon);
    ASSERT_NE(bitmap, nullptr);
    SDL_Surface* expected = SDL_ConvertSurfaceFormat(bitmap, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(bitmap);
    ASSERT_NE(expected, nullptr);
    int differing = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Uint32 want =
                static_cast<const Uint32*>(expected->pixels)[y * expected->pitch / 4 + x];
            differing += icon[2 + static_cast<size_t>(y) * 32 + x] != (want | 0xFF000000u);
        }
    }
    SDL_FreeSurface(expected);
    EXPECT_EQ(differing, 0) << "the icon is opaque and pixel for pixel the program's own";
}

}  // namespace
}  // namespace korvat::e2e
