// A first sheet that cannot be loaded is reported once and nothing is drawn; a later one
// fails silently, and nothing of the off-screen work reaches the window either.
#include <gtest/gtest.h>

#include <functional>

#include "FakeScreen.h"
#include "assets/Resources.h"
#include "ui/Drawing.h"

namespace korvat::ui::test {
namespace {

struct Case {
    const char* name;
    std::function<void(const DrawContext&, const GameState&)> draw;
    int firstSheet;
    int laterSheet;  // 0: none
};

GameState someState() {
    GameState state;
    for (int32_t& cell : state.board.cells) {
        cell = EMPTY;
    }
    state.board.at(1, 1) = 3;
    state.nextColors[0] = 1;
    state.nextColors[1] = 2;
    state.nextColors[2] = 3;
    state.nextCells[0] = {0, 0};
    state.nextCells[1] = {4, 4};
    state.nextCells[2] = {8, 8};
    state.score = 123;
    return state;
}

const Case kCases[] = {
    {"drawPanel", [](auto& c, auto&) { drawPanel(c); }, res::kPanelImage, 0},
    {"drawBoardImage", [](auto& c, auto&) { drawBoardImage(c); }, res::kBoardImage, 0},
    {"drawNextColors", [](auto& c, auto& s) { drawNextColors(c, s); }, res::kPanelImage,
     res::kNextBallIcons},
    {"drawNumber", [](auto& c, auto&) { drawNumber(c, 168, 6, 42); }, res::kPanelImage,
     res::kScoreDigits},
    {"drawClockDigits", [](auto& c, auto&) { drawClockDigits(c, 103, 20, 42); }, res::kPanelImage,
     res::kClockDigits},
    {"drawBoard", [](auto& c, auto& s) { drawBoard(c, s); }, res::kBoardImage, res::kBallSheet},
    {"drawHints", [](auto& c, auto& s) { drawHints(c, s); }, res::kBallSheet, 0},
};

void expectUnchanged(FakeScreen& screen, SDL_Surface* before) {
    EXPECT_TRUE(sameArea(screen.target(), 0, 0, before, 0, 0, 240, 268));
    EXPECT_TRUE(screen.presents.empty());
    EXPECT_TRUE(screen.allSheetsReleased());
}

TEST(LoadFailure, FirstSheetReportsErrorOnceAndDrawsNothing) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        FakeScreen screen;
        SDL_Surface* before = screen.copyOfTarget();
        screen.failing.insert(c.firstSheet);
        c.draw(screen.context(), someState());
        EXPECT_EQ(screen.messages, (std::vector<std::string>{"ERROR!"}));
        EXPECT_EQ(screen.loads, (std::vector<int>{c.firstSheet}));
        expectUnchanged(screen, before);
        SDL_FreeSurface(before);
    }
}

TEST(LoadFailure, LaterSheetFailsSilently) {
    for (const Case& c : kCases) {
        if (c.laterSheet == 0) {
            continue;
        }
        SCOPED_TRACE(c.name);
        FakeScreen screen;
        SDL_Surface* before = screen.copyOfTarget();
        screen.failing.insert(c.laterSheet);
        c.draw(screen.context(), someState());
        EXPECT_TRUE(screen.messages.empty());
        EXPECT_EQ(screen.loads, (std::vector<int>{c.firstSheet, c.laterSheet}));
        expectUnchanged(screen, before);
        SDL_FreeSurface(before);
    }
}

TEST(LoadFailure, RedrawAllReportsForEveryOperationThatCannotStart) {
    FakeScreen screen;
    screen.failing.insert(res::kPanelImage);
    redrawAll(screen.context(), someState());
    // Panel, coming colours and the two numbers each report; board and hints still draw.
    EXPECT_EQ(screen.messages.size(), 4u);
    EXPECT_EQ(screen.presents.size(), 4u);  // the board and three hints
}

}  // namespace
}  // namespace korvat::ui::test
