#include <gtest/gtest.h>

#include "FakeScreen.h"
#include "ui/Animations.h"
#include "ui/Drawing.h"

namespace korvat::ui::test {
namespace {

// Coming balls, which also appear, and a figure: something for every operation to draw.
const Position kPosition{{}, Wave{{1, 2, 3}, {{0, 0}, {4, 4}, {8, 8}}}};
const FigureRecord kFigure{{{1, 1}}, 1, 2};

struct Case {
    void (*draw)(const DrawContext&);
    int firstSheet;
    int laterSheet;        // 0: none
    bool reported = true;  // a missing first sheet; the move and explosion frames stay silent
};

const Case kCases[] = {
    {[](auto& c) { drawPanel(c); }, res::kPanelImage, 0},
    {[](auto& c) { drawBoardImage(c); }, res::kBoardImage, 0},
    {[](auto& c) { drawNextColors(c, kPosition.next); }, res::kPanelImage, res::kNextBallIcons},
    {[](auto& c) { drawNumber(c, kScorePos.x, kScorePos.y, 42); }, res::kPanelImage,
     res::kScoreDigits},
    {[](auto& c) { drawClockDigits(c, kClockPos.x, kClockPos.y, 42); }, res::kPanelImage,
     res::kClockDigits},
    {[](auto& c) { drawBoard(c, kPosition.board); }, res::kBoardImage, res::kBallSheet},
    {[](auto& c) { drawHints(c, kPosition.next); }, res::kBallSheet, 0},
    {[](auto& c) { drawAppearFrame(c, kPosition.next, 0); }, res::kBallSheet, 0},
    {[](auto& c) {
         EXPECT_EQ(beginMove(c, {1, 1}), nullptr);
     },
     res::kBallSheet, 0, false},
    {[](auto& c) { drawExplosionFrame(c, kFigure, 5); }, res::kBallSheet, 0, false},
};

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
            c.draw(screen.context());
            const bool reported = failing == c.firstSheet && c.reported;
            EXPECT_EQ(screen.messages, std::vector<std::string>(reported ? 1 : 0, "ERROR!"));
            EXPECT_TRUE(screen.blank());
            EXPECT_TRUE(screen.presents.empty());
        }
    }
}

TEST(LoadFailure, RedrawAllReportsForEveryOperationThatCannotStart) {
    FakeScreen screen;
    screen.failing.insert(res::kPanelImage);
    redrawAll(screen.context(), kPosition);
    // Panel, coming colours and the two numbers each report; board and hints still draw.
    EXPECT_EQ(screen.messages.size(), 4u);
    EXPECT_EQ(screen.presents.size(), 4u);
}

}  // namespace
}  // namespace korvat::ui::test
