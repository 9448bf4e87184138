#include <gtest/gtest.h>

#include "FakeScreen.h"
#include "ui/Animations.h"
#include "ui/Drawing.h"

namespace korvat::ui::test {
namespace {

struct Case {
    void (*draw)(const DrawContext&, const GameState&);
    int firstSheet;
    int laterSheet;        // 0: none
    bool reported = true;  // a missing first sheet; the move and explosion frames stay silent
};

const Case kCases[] = {
    {[](auto& c, auto&) { drawPanel(c); }, res::kPanelImage, 0},
    {[](auto& c, auto&) { drawBoardImage(c); }, res::kBoardImage, 0},
    {[](auto& c, auto& s) { drawNextColors(c, s); }, res::kPanelImage, res::kNextBallIcons},
    {[](auto& c, auto&) { drawNumber(c, kScorePos.x, kScorePos.y, 42); }, res::kPanelImage,
     res::kScoreDigits},
    {[](auto& c, auto&) { drawClockDigits(c, kClockPos.x, kClockPos.y, 42); }, res::kPanelImage,
     res::kClockDigits},
    {[](auto& c, auto& s) { drawBoard(c, s); }, res::kBoardImage, res::kBallSheet},
    {[](auto& c, auto& s) { drawHints(c, s); }, res::kBallSheet, 0},
    {[](auto& c, auto& s) { animateAppearance(c, s); }, res::kBallSheet, 0},
    {[](auto& c, auto& s) { animateMove(c, s); }, res::kBallSheet, 0, false},
    {[](auto& c, auto& s) { drawExplosionFrame(c, s, 0, 5); }, res::kBallSheet, 0, false},
};

// Coming balls, a wave and a route: something for every operation to draw.
GameState someState() {
    GameState state;
    for (int k = 0; k < 3; ++k) {
        state.nextColors[k] = state.appearColors[k] = k + 1;
        state.nextCells[k] = state.appearCells[k] = {4 * k, 4 * k};
    }
    for (int k = 0; k < 4; ++k) {
        state.route[k] = {k < 3 ? 1 : -1, k + 1};
    }
    return state;
}

TEST(LoadFailure, FirstSheetReportedOnceLaterSheetSilentNothingDrawn) {
    for (const Case& c : kCases) {
        for (const int failing : {c.firstSheet, c.laterSheet}) {
            if (failing == 0) {
                continue;
            }
            SCOPED_TRACE("case " + std::to_string(&c - kCases) + " without sheet " +
                         std::to_string(failing));
            FakeScreen screen;
            screen.failing.insert(failing);
            c.draw(screen.context(), someState());
            const bool reported = failing == c.firstSheet && c.reported;
            EXPECT_EQ(screen.messages, std::vector<std::string>(reported ? 1 : 0, "ERROR!"));
            EXPECT_TRUE(screen.blank());
            EXPECT_TRUE(screen.presents.empty());
            EXPECT_TRUE(screen.sleeps.empty());
        }
    }
}

TEST(LoadFailure, RedrawAllReportsForEveryOperationThatCannotStart) {
    FakeScreen screen;
    screen.failing.insert(res::kPanelImage);
    redrawAll(screen.context(), someState());
    // Panel, coming colours and the two numbers each report; board and hints still draw.
    EXPECT_EQ(screen.messages.size(), 4u);
    EXPECT_EQ(screen.presents.size(), 4u);
}

}  // namespace
}  // namespace korvat::ui::test
