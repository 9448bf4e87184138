// The drawing operations with the program's own bitmaps, through the default loader.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeScreen.h"
#include "assets/Resources.h"
#include "platform/Resources.h"
#include "ui/Animations.h"
#include "ui/Drawing.h"
#include "ui/Layout.h"

namespace korvat::ui::test {
namespace {

constexpr uint32_t kTileGrey = 0xC0C0C0;

struct ProgramScreen {
    ProgramScreen()
        : target(SDL_CreateRGBSurfaceWithFormat(0, 240, 268, 32, SDL_PIXELFORMAT_RGB888)) {
        SDL_FillRect(target, nullptr, kBackground);
    }
    ~ProgramScreen() {
        SDL_FreeSurface(target);
        platform::failBitmapForTesting(-1);
    }
    DrawContext context() {
        return {target, nullptr, &ProgramScreen::message, nullptr, this, nullptr};
    }
    static void message(void* user, const char* text) {
        static_cast<ProgramScreen*>(user)->messages.emplace_back(text);
    }
    SDL_Surface* target;
    std::vector<std::string> messages;
};

struct Sheet {
    explicit Sheet(int id) : s(platform::loadBitmap(id)) {}
    ~Sheet() { SDL_FreeSurface(s); }
    SDL_Surface* s;
};

TEST(ProgramSheets, HaveTheGridsTheDrawingCutsFrom) {
    const struct {
        int id, w, h;
    } sizes[] = {{res::kBoardImage, 235, 235},   {res::kBounceSheet, 168, 189},
                 {res::kPanelImage, 235, 29},    {res::kScoreDigits, 100, 20},
                 {res::kNextBallIcons, 120, 15}, {res::kBallSheet, 168, 210},
                 {res::kClockDigits, 71, 8}};
    for (const auto& size : sizes) {
        Sheet sheet(size.id);
        ASSERT_NE(sheet.s, nullptr) << size.id;
        EXPECT_EQ(sheet.s->w, size.w) << size.id;
        EXPECT_EQ(sheet.s->h, size.h) << size.id;
    }
}

TEST(ProgramSheets, BallsBlendWithTheTilesOfTheBoard) {
    ProgramScreen screen;
    GameState state;
    for (int32_t& cell : state.board.cells) {
        cell = EMPTY;
    }
    state.board.at(8, 8) = 5;
    drawBoard(screen.context(), state);
    Sheet balls(res::kBallSheet);
    EXPECT_TRUE(sameArea(screen.target, 214, 244, balls.s, 105, 0, 21, 21));
    EXPECT_EQ(pixel(screen.target, 214, 244), kTileGrey);  // sprite corner on the tile
    EXPECT_EQ(pixel(screen.target, 6, 36), kTileGrey);     // an empty cell
    EXPECT_TRUE(screen.messages.empty());
}

TEST(ProgramSheets, ClockColonsMoveWithTheClockStrip) {
    ProgramScreen screen;
    drawPanel(screen.context());
    EXPECT_EQ(pixel(screen.target, 112, 24), kBlack);
    EXPECT_EQ(pixel(screen.target, 130, 27), kBlack);
    drawClockDigits(screen.context(), kClockPos.x, kClockPos.y, 10203);
    EXPECT_EQ(pixel(screen.target, 110, 22), kBlack);
    EXPECT_EQ(pixel(screen.target, 128, 25), kBlack);
    EXPECT_EQ(pixel(screen.target, 111, 28), kWhite);
}

TEST(ProgramSheets, ForcedFailureOfTheFirstSheetIsReported) {
    ProgramScreen screen;
    platform::failBitmapForTesting(res::kBallSheet);
    GameState state;
    state.appearColors[0] = 1;
    state.appearCells[0] = {0, 0};
    drawHints(screen.context(), state);
    animateAppearance(screen.context(), state);
    EXPECT_EQ(screen.messages, (std::vector<std::string>{"ERROR!", "ERROR!"}));
    EXPECT_EQ(pixel(screen.target, 6, 36), kBackground);
}

}  // namespace
}  // namespace korvat::ui::test
