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
constexpr Colour kBlackColour{0, 0, 0};
constexpr Colour kWhiteColour{255, 255, 255};

struct BitmapShape {
    int id, width, height, bits;
};

constexpr BitmapShape kShapes[] = {
    {res::kAppIcon, 32, 32, 4},         {res::kAppIconSmall, 16, 16, 4},
    {res::kBoardImage, 235, 235, 8},    {res::kBounceSheet, 168, 189, 16},
    {res::kPanelImage, 235, 29, 1},     {res::kScoreDigits, 100, 20, 16},
    {res::kNextBallIcons, 120, 15, 16}, {res::kBallSheet, 168, 210, 16},
    {res::kToolbarStrip, 64, 15, 4},    {res::kAboutPicture, 220, 310, 1},
    {res::kClockDigits, 71, 8, 24},
};

TEST(Bitmaps, AreUncompressedBottomUpFilesOfTheirSizeAndDepth) {
    for (const BitmapShape& shape : kShapes) {
        SCOPED_TRACE(shape.id);
        const res::Blob blob = res::findBitmap(shape.id);
        ASSERT_NE(blob.data, nullptr);
        EXPECT_EQ(blob.data[0], 'B');
        EXPECT_EQ(blob.data[1], 'M');
        EXPECT_EQ(headerField(shape.id, 2, 4), blob.size);
        EXPECT_EQ(headerField(shape.id, 14, 4), 40u);  // BITMAPINFOHEADER
        EXPECT_EQ(headerField(shape.id, 18, 4), uint32_t(shape.width));
        EXPECT_EQ(headerField(shape.id, 22, 4), uint32_t(shape.height));  // positive: bottom-up
        EXPECT_EQ(headerField(shape.id, 28, 2), uint32_t(shape.bits));
        EXPECT_EQ(headerField(shape.id, 30, 4), 0u);  // BI_RGB

        const SurfacePtr surface = loadEmbedded(shape.id);
        ASSERT_NE(surface, nullptr) << SDL_GetError();
        EXPECT_EQ(surface->w, shape.width);
        EXPECT_EQ(surface->h, shape.height);
        // SDL widens 1- and 4-bit files to 8-bit indices but keeps their palettes.
        if (shape.bits <= 8) {
            ASSERT_NE(surface->format->palette, nullptr);
            EXPECT_EQ(surface->format->palette->ncolors, 1 << shape.bits);
        } else if (shape.bits == 16) {
            EXPECT_EQ(surface->format->format, SDL_PIXELFORMAT_RGB555);
        } else {
            EXPECT_EQ(surface->format->BytesPerPixel, 3);
        }
    }
}

TEST(Bitmaps, UnknownIdsAreEmptyAndWavesAreNoBitmaps) {
    EXPECT_EQ(res::findBitmap(999).data, nullptr);
    EXPECT_EQ(res::findBitmap(res::kExplosionWave).size, 0u);
    EXPECT_EQ(res::findWave(res::kBallSheet).data, nullptr);
}

void expectGreyCellCorners(int id, int columns, int rows) {
    const SurfacePtr sheet = loadEmbedded(id);
    ASSERT_NE(sheet, nullptr);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            for (auto [dx, dy] : {std::pair{0, 0}, {20, 0}, {0, 20}, {20, 20}}) {
                EXPECT_EQ(pixel(sheet.get(), 21 * c + dx, 21 * r + dy), kGrey)
                    << "sheet " << id << " cell " << c << "," << r;
            }
        }
    }
}

TEST(BallSheets, CellsStandOnTileGrey) {
    expectGreyCellCorners(res::kBallSheet, 8, 10);
    expectGreyCellCorners(res::kBounceSheet, 8, 9);
}

TEST(BallSheets, EmptyCellsArePlainGrey) {
    const SurfacePtr sheet = loadEmbedded(res::kBallSheet);
    const SurfacePtr bounce = loadEmbedded(res::kBounceSheet);
    for (int y = 0; y < 210; ++y) {
        for (int x = 0; x < 21; ++x) {
            ASSERT_EQ(pixel(sheet.get(), x, y), kGrey) << "column 0 at " << x << "," << y;
        }
    }
    for (int y = 189; y < 210; ++y) {  // row 9: the last explosion frame
        for (int x = 0; x < 168; ++x) {
            ASSERT_EQ(pixel(sheet.get(), x, y), kGrey) << "row 9 at " << x << "," << y;
        }
    }
    for (int y = 0; y < 189; ++y) {
        for (int x = 0; x < 21; ++x) {
            ASSERT_EQ(pixel(bounce.get(), x, y), kGrey) << "bounce column 0 at " << x << "," << y;
        }
    }
}

// Rows and columns of a cell that carry anything but tile grey.
struct Extent {
    int left = 99, right = -1, top = 99, bottom = -1;
};

Extent inkExtent(const SDL_Surface* sheet, int cellX, int cellY, Colour background) {
    Extent e;
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 21; ++x) {
            if (!(pixel(sheet, cellX + x, cellY + y) == background)) {
                e.left = std::min(e.left, x);
                e.right = std::max(e.right, x);
                e.top = std::min(e.top, y);
                e.bottom = std::max(e.bottom, y);
            }
        }
    }
    return e;
}

TEST(BallSheets, GrowingBallsAreCentredAndOfTheirSizes) {
    const SurfacePtr sheet = loadEmbedded(res::kBallSheet);
    constexpr int kSizes[5] = {21, 17, 15, 11, 9};
    for (int colour = 1; colour <= 7; ++colour) {
        for (int row = 0; row < 5; ++row) {
            const Extent e = inkExtent(sheet.get(), 21 * colour, 21 * row, kGrey);
            const int width = e.right - e.left + 1, height = e.bottom - e.top + 1;
            EXPECT_GE(width, kSizes[row] - 1) << "colour " << colour << " row " << row;
            EXPECT_LE(width, kSizes[row]) << "colour " << colour << " row " << row;
            EXPECT_EQ(width, height) << "colour " << colour << " row " << row;
            EXPECT_LE(std::abs(e.left - (20 - e.right)), 1) << "colour " << colour;
        }
    }
}

TEST(BallSheets, BouncePhasesStretchThenDrop) {
    const SurfacePtr sheet = loadEmbedded(res::kBounceSheet);
    for (int colour = 1; colour <= 7; ++colour) {
        for (int phase = 0; phase < 9; ++phase) {
            SCOPED_TRACE(::testing::Message() << "colour " << colour << " phase " << phase);
            const Extent e = inkExtent(sheet.get(), 21 * colour, 21 * phase, kGrey);
            EXPECT_GE(e.right - e.left + 1, 18);
            EXPECT_LE(e.right - e.left + 1, 19);
            if (phase >= 3 && phase <= 5) {
                EXPECT_LE(std::abs(e.top - (phase - 3)), 1);
                EXPECT_GE(e.bottom - e.top + 1, 18);
                EXPECT_LE(e.bottom - e.top + 1, 19);
            } else {
                EXPECT_EQ(e.top, 0);
                EXPECT_EQ(e.bottom, 20);
            }
        }
    }
}

TEST(BoardImage, TilesHaveLineHighlightInteriorAndShadow) {
    const SurfacePtr board = loadEmbedded(res::kBoardImage);
    ASSERT_NE(board, nullptr);
    const Colour line = pixel(board.get(), 0, 10);
    const Colour shadow = pixel(board.get(), 25, 10);
    EXPECT_LT(luma(line), 100);
    EXPECT_GT(luma(shadow), luma(line));
    EXPECT_LT(luma(shadow), 180);
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            const int x = 26 * i, y = 26 * j;
            ASSERT_EQ(pixel(board.get(), x, y + 12), line);
            ASSERT_EQ(pixel(board.get(), x + 12, y), line);
            ASSERT_EQ(pixel(board.get(), x + 1, y + 12), kWhiteColour);
            ASSERT_EQ(pixel(board.get(), x + 12, y + 1), kWhiteColour);
            ASSERT_EQ(pixel(board.get(), x + 25, y + 12), shadow);
            ASSERT_EQ(pixel(board.get(), x + 12, y + 25), shadow);
            for (int d = 2; d <= 24; ++d) {
                ASSERT_EQ(pixel(board.get(), x + d, y + 2 + (d * 7) % 23), kGrey);
            }
            // A sprite covers offsets 4 to 24: all of it lies on interior grey.
            ASSERT_EQ(pixel(board.get(), x + 4, y + 4), kGrey);
            ASSERT_EQ(pixel(board.get(), x + 24, y + 24), kGrey);
        }
    }
    for (int k = 0; k < 235; ++k) {
        ASSERT_EQ(pixel(board.get(), 234, k), line);
        ASSERT_EQ(pixel(board.get(), k, 234), line);
    }
}

TEST(PanelImage, IsWhiteWithTheFourColonDots) {
    const SurfacePtr panel = loadEmbedded(res::kPanelImage);
    const std::set<std::pair<int, int>> dots = {{110, 22}, {110, 25}, {128, 22}, {128, 25}};
    for (int y = 0; y < 29; ++y) {
        for (int x = 0; x < 235; ++x) {
            const bool dot = dots.count({x, y}) > 0;
            ASSERT_EQ(pixel(panel.get(), x, y), dot ? kBlackColour : kWhiteColour) << x << "," << y;
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

TEST(Digits, TenDistinctDigitsOnTheirBackground) {
    const SurfacePtr score = loadEmbedded(res::kScoreDigits);
    const SurfacePtr clock = loadEmbedded(res::kClockDigits);
    std::set<std::vector<int>> scoreCells, clockCells;
    for (int d = 0; d < 10; ++d) {
        EXPECT_EQ(pixel(score.get(), 10 * d, 0), kBlackColour);
        EXPECT_EQ(pixel(score.get(), 10 * d + 9, 19), kBlackColour);
        scoreCells.insert(cellPixels(score.get(), 10 * d, 10));
        clockCells.insert(cellPixels(clock.get(), 7 * d, 7));
    }
    EXPECT_EQ(scoreCells.size(), 10u);
    EXPECT_EQ(clockCells.size(), 10u);
    // The lit segments of the eight are light blue.
    const Colour lit = pixel(score.get(), 84, 10);
    EXPECT_GT(lit.b, 200);
    EXPECT_GT(lit.g, 150);
    EXPECT_LT(lit.r, lit.b);
}

TEST(NextBallIcons, SevenBallsOnBlackAndAnEmptyFirstCell) {
    const SurfacePtr icons = loadEmbedded(res::kNextBallIcons);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 15; ++x) {
            ASSERT_EQ(pixel(icons.get(), x, y), kBlackColour);
        }
    }
    for (int c = 1; c <= 7; ++c) {
        EXPECT_EQ(pixel(icons.get(), 15 * c, 0), kBlackColour);
        EXPECT_EQ(pixel(icons.get(), 15 * c + 14, 14), kBlackColour);
        int ballPixels = 0;
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 15; ++x) {
                ballPixels += !(pixel(icons.get(), 15 * c + x, y) == kBlackColour);
            }
        }
        EXPECT_GT(ballPixels, 150) << c;  // a disc of 15 pixels covers 177
    }
}

TEST(ToolbarStrip, FourDifferentButtonsOnGrey) {
    const SurfacePtr strip = loadEmbedded(res::kToolbarStrip);
    std::set<std::vector<int>> buttons;
    for (int b = 0; b < 4; ++b) {
        EXPECT_EQ(pixel(strip.get(), 16 * b, 14), kGrey) << b;
        EXPECT_EQ(pixel(strip.get(), 16 * b + 15, 14), kGrey) << b;
        buttons.insert(cellPixels(strip.get(), 16 * b, 16));
    }
    EXPECT_EQ(buttons.size(), 4u);
}

}  // namespace
}  // namespace korvat::test
