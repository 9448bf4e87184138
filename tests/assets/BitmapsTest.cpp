// Every bitmap is a plain BMP file of the right size and depth, and the sheets keep the grids
// and backgrounds the drawing code copies from: a ball's corners are the board tile's grey.
#include <gtest/gtest.h>

#include "SurfacePixels.h"

namespace korvat::test {
namespace {

constexpr Colour kGrey{192, 192, 192};
constexpr Colour kWhite{255, 255, 255};

struct Shape {
    int id, width, height, bits;
};

constexpr Shape kShapes[] = {
    {res::kAppIcon, 32, 32, 4},         {res::kAppIconSmall, 16, 16, 4},
    {res::kBoardImage, 235, 235, 8},    {res::kBounceSheet, 168, 189, 16},
    {res::kPanelImage, 235, 29, 1},     {res::kScoreDigits, 100, 20, 16},
    {res::kNextBallIcons, 120, 15, 16}, {res::kBallSheet, 168, 210, 16},
    {res::kToolbarStrip, 64, 15, 4},    {res::kAboutPicture, 220, 310, 1},
    {res::kClockDigits, 71, 8, 24},
};

TEST(Bitmaps, AreUncompressedBottomUpFilesOfTheirSizeAndDepth) {
    for (const Shape& s : kShapes) {
        SCOPED_TRACE(s.id);
        const res::Blob blob = res::findBitmap(s.id);
        ASSERT_GT(blob.size, 54u);
        auto field = [&](int offset, int bytes) {  // little-endian, in the headers
            uint32_t v = 0;
            for (int i = bytes - 1; i >= 0; --i) {
                v = v << 8 | blob.data[offset + i];
            }
            return v;
        };
        EXPECT_EQ(field(0, 2), 0x4D42u);  // "BM"
        EXPECT_EQ(field(2, 4), blob.size);
        EXPECT_EQ(field(18, 4), uint32_t(s.width));
        EXPECT_EQ(field(22, 4), uint32_t(s.height));  // positive: bottom-up
        EXPECT_EQ(field(28, 2), uint32_t(s.bits));
        EXPECT_EQ(field(30, 4), 0u);  // BI_RGB
        EXPECT_NE(loadShown(s.id), nullptr) << SDL_GetError();
    }
    EXPECT_EQ(platform::loadBitmap(999), nullptr);
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
    const SurfacePtr balls = loadShown(res::kBallSheet);
    const SurfacePtr bounce = loadShown(res::kBounceSheet);
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
    const SurfacePtr board = loadShown(res::kBoardImage);
    ASSERT_NE(board, nullptr);
    const Colour line = pixel(board.get(), 0, 10);
    const Colour shadow = pixel(board.get(), 25, 10);
    EXPECT_LT(luma(line), luma(shadow));
    for (int k = 0; k < 235; ++k) {  // across every tile, both ways; the last line at 234
        const int offset = k % 26;
        const Colour expected = offset == 0    ? line
                                : offset == 1  ? kWhite
                                : offset == 25 ? shadow
                                               : kGrey;
        ASSERT_EQ(pixel(board.get(), k, 26 * (k % 9) + 12), expected) << k;
        ASSERT_EQ(pixel(board.get(), 26 * (k % 9) + 12, k), expected) << k;
    }
    for (int tile = 0; tile < 81; ++tile) {
        expectPlain(board.get(), {26 * (tile / 9) + 2, 26 * (tile % 9) + 2, 23, 23}, kGrey);
    }
}

}  // namespace
}  // namespace korvat::test
