// Every bitmap is a plain BMP file of the right size and depth, and the sheets keep the grids
// and backgrounds the drawing code copies from.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "SurfacePixels.h"
#include "assets/Resources.h"

namespace korvat::test {
namespace {

constexpr Colour kGrey{192, 192, 192};
constexpr Colour kBlack{0, 0, 0};
constexpr Colour kWhite{255, 255, 255};

TEST(Bitmaps, AreUncompressedBottomUpFilesOfTheirSizeAndDepth) {
    struct Shape {
        int id, width, height, bits;
    };
    for (const Shape s : {Shape{res::kAppIcon, 32, 32, 4},
                          {res::kAppIconSmall, 16, 16, 4},
                          {res::kBoardImage, 235, 235, 8},
                          {res::kBounceSheet, 168, 189, 16},
                          {res::kPanelImage, 235, 29, 1},
                          {res::kScoreDigits, 100, 20, 16},
                          {res::kNextBallIcons, 120, 15, 16},
                          {res::kBallSheet, 168, 210, 16},
                          {res::kToolbarStrip, 64, 15, 4},
                          {res::kAboutPicture, 220, 310, 1},
                          {res::kClockDigits, 71, 8, 24}}) {
        SCOPED_TRACE(s.id);
        const res::Blob blob = res::findBitmap(s.id);
        ASSERT_NE(blob.data, nullptr);
        EXPECT_EQ(headerField(s.id, 0, 2), 0x4D42u);  // "BM"
        EXPECT_EQ(headerField(s.id, 2, 4), blob.size);
        EXPECT_EQ(headerField(s.id, 18, 4), uint32_t(s.width));
        EXPECT_EQ(headerField(s.id, 22, 4), uint32_t(s.height));  // positive: bottom-up
        EXPECT_EQ(headerField(s.id, 28, 2), uint32_t(s.bits));
        EXPECT_EQ(headerField(s.id, 30, 4), 0u);  // BI_RGB
        const SurfacePtr surface = loadEmbedded(s.id);
        ASSERT_NE(surface, nullptr) << SDL_GetError();
        EXPECT_EQ(surface->w, s.width);
        EXPECT_EQ(surface->h, s.height);
    }
}

// Everything in the rectangle is `colour`.
void expectPlain(const SDL_Surface* sheet, SDL_Rect r, Colour colour) {
    for (int y = r.y; y < r.y + r.h; ++y) {
        for (int x = r.x; x < r.x + r.w; ++x) {
            ASSERT_EQ(pixel(sheet, x, y), colour) << x << "," << y;
        }
    }
}

TEST(BallSheets, CellsStandOnTileGreyAndEmptyCellsArePlainGrey) {
    const SurfacePtr balls = loadEmbedded(res::kBallSheet);
    const SurfacePtr bounce = loadEmbedded(res::kBounceSheet);
    for (const auto& [sheet, rows] : {std::pair{balls.get(), 10}, std::pair{bounce.get(), 9}}) {
        for (int c = 0; c < 8; ++c) {
            for (int r = 0; r < rows; ++r) {
                for (const auto& [dx, dy] : {std::pair{0, 0}, {20, 0}, {0, 20}, {20, 20}}) {
                    EXPECT_EQ(pixel(sheet, 21 * c + dx, 21 * r + dy), kGrey) << c << "," << r;
                }
            }
        }
        expectPlain(sheet, {0, 0, 21, 21 * rows}, kGrey);  // column 0: the empty cell
    }
    expectPlain(balls.get(), {0, 189, 168, 21}, kGrey);  // row 9: the last explosion frame
}

TEST(BoardImage, TilesHaveLineHighlightGreyInteriorAndShadow) {
    const SurfacePtr board = loadEmbedded(res::kBoardImage);
    ASSERT_NE(board, nullptr);
    const Colour line = pixel(board.get(), 0, 10);
    const Colour shadow = pixel(board.get(), 25, 10);
    EXPECT_LT(luma(line), luma(shadow));
    EXPECT_LT(luma(shadow), luma(kGrey));
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            const int x = 26 * i, y = 26 * j;
            ASSERT_EQ(pixel(board.get(), x, y + 12), line);
            ASSERT_EQ(pixel(board.get(), x + 12, y), line);
            ASSERT_EQ(pixel(board.get(), x + 1, y + 12), kWhite);
            ASSERT_EQ(pixel(board.get(), x + 12, y + 1), kWhite);
            ASSERT_EQ(pixel(board.get(), x + 25, y + 12), shadow);
            ASSERT_EQ(pixel(board.get(), x + 12, y + 25), shadow);
            expectPlain(board.get(), {x + 2, y + 2, 23, 23}, kGrey);
        }
    }
    EXPECT_EQ(pixel(board.get(), 234, 100), line);
    EXPECT_EQ(pixel(board.get(), 100, 234), line);
}

TEST(PanelImage, IsWhiteWithTheFourColonDots) {
    const SurfacePtr panel = loadEmbedded(res::kPanelImage);
    const std::set<std::pair<int, int>> dots = {{110, 22}, {110, 25}, {128, 22}, {128, 25}};
    for (int y = 0; y < 29; ++y) {
        for (int x = 0; x < 235; ++x) {
            ASSERT_EQ(pixel(panel.get(), x, y), dots.count({x, y}) ? kBlack : kWhite)
                << x << "," << y;
        }
    }
}

// The pixels of one cell of a strip, to tell cells apart.
std::vector<int> cellPixels(const SDL_Surface* strip, int left, int width) {
    std::vector<int> v;
    for (int y = 0; y < strip->h; ++y) {
        for (int x = left; x < left + width; ++x) {
            const Colour c = pixel(strip, x, y);
            v.push_back(c.r << 16 | c.g << 8 | c.b);
        }
    }
    return v;
}

TEST(Strips, TenDistinctDigitsAndBallIconsOnBlack) {
    for (const auto& [id, width] : {std::pair{res::kScoreDigits, 10}, {res::kClockDigits, 7}}) {
        const SurfacePtr strip = loadEmbedded(id);
        std::set<std::vector<int>> cells;
        for (int d = 0; d < 10; ++d) {
            cells.insert(cellPixels(strip.get(), width * d, width));
        }
        EXPECT_EQ(cells.size(), 10u) << id;
    }
    const SurfacePtr icons = loadEmbedded(res::kNextBallIcons);
    expectPlain(icons.get(), {0, 0, 15, 15}, kBlack);  // cell 0 is never shown
    for (int c = 1; c <= 7; ++c) {
        EXPECT_EQ(pixel(icons.get(), 15 * c, 0), kBlack) << c;
        EXPECT_NE(pixel(icons.get(), 15 * c + 7, 7), kBlack) << c;
    }
}

}  // namespace
}  // namespace korvat::test
