#include <gtest/gtest.h>

#include "FakeScreen.h"
#include "ui/Animations.h"
#include "ui/Drawing.h"

namespace korvat::ui::test {
namespace {

// Coming balls, which also appear, and a figure: something for every operation to draw.
struct Scene {
    Position position;
    FigureRecord figure;
};

struct Case {
    void (*draw)(const DrawContext&, const Scene&);
    int firstSheet;
    int laterSheet;        // 0: none
    bool reported = true;  // a missing first sheet; the move and explosion frames stay silent
};

const Case kCases[] = {
    {[](auto& c, auto&) { drawPanel(c); }, res::kPanelImage, 0},
    {[](auto& c, auto&) { drawBoardImage(c); }, res::kBoardImage, 0},
    {[](auto& c, auto& s) { drawNextColors(c, s.position.next); }, res::kPanelImage,
     res::kNextBallIcons},
    {[](auto& c, auto&) { drawNumber(c, kScorePos.x, kScorePos.y, 42); }, res::kPanelImage,
     res::kScoreDigits},
    {[](auto& c, auto&) { drawClockDigits(c, kClockPos.x, kClockPos.y, 42); }, res::kPanelImage,
     res::kClockDigits},
    {[](auto& c, auto& s) { drawBoard(c, s.position.board); }, res::kBoardImage, res::kBallSheet},
    {[](auto& c, auto& s) { drawHints(c, s.position.next); }, res::kBallSheet, 0},
    {[](auto& c, auto& s) { drawAppearFrame(c, s.position.next, 0); }, res::kBallSheet, 0},
    {[](auto& c, auto&) {
         EXPECT_EQ(beginMove(c, {1, 1}), nullptr);
     },
     res::kBallSheet, 0, false},
    {[](auto& c, auto& s) { drawExplosionFrame(c, s.figure, 5); }, res::kBallSheet, 0, false},
};

Scene someScene() {
    Scene scene;
    for (int k = 0; k < 3; ++k) {
        scene.position.next.colors[k] = k + 1;
        scene.position.next.cells[k] = {4 * k, 4 * k};
    }
    scene.figure.color = 2;
    scene.figure.count = 1;
    scene.figure.cells[0] = {1, 1};
    return scene;
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
            c.draw(screen.context(), someScene());
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
    redrawAll(screen.context(), someScene().position);
    // Panel, coming colours and the two numbers each report; board and hints still draw.
    EXPECT_EQ(screen.messages.size(), 4u);
    EXPECT_EQ(screen.presents.size(), 4u);
}

}  // namespace
}  // namespace korvat::ui::test
