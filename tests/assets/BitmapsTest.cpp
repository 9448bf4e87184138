// Every bitmap is a plain BMP file of the right size and depth, as the display shows it through
// the program's own loader: the sheets keep the grids and backgrounds the drawing code copies
// from, and the seven colours can be told apart without colour vision.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "assets/Resources.h"
#include "platform/Resources.h"

namespace korvat::test {
namespace {

struct Colour {
    int r, g, b;
    bool operator==(const Colour&) const = default;
};

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// Bitmap `id` in 32-bit pixels; null when it does not load.
inline SurfacePtr loadShown(int id) {
    const SurfacePtr loaded(platform::loadBitmap(id), SDL_FreeSurface);
    return {loaded ? SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_XRGB8888, 0) : nullptr,
            SDL_FreeSurface};
}

inline Colour pixel(const SDL_Surface* surface, int x, int y) {
    const Uint32 v = static_cast<const Uint32*>(surface->pixels)[y * surface->pitch / 4 + x];
    return {int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF)};
}

inline double luma(Colour c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

constexpr Colour kGrey{192, 192, 192};

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

// The colours stand in their columns in order and differ in lightness; every resting ball
// shows its own mark.
TEST(BallColours, RedDarkRedMagentaYellowGreenCyanBlueDifferingInLightnessAndMark) {
    const SurfacePtr sheet = loadShown(res::kBallSheet);
    const std::string strong[8] = {"", "r", "r", "rb", "rg", "g", "gb", "b"};  // channels
    double lightness[8] = {};
    std::vector<bool> marks[8];
    for (int c = 1; c <= 7; ++c) {
        // The mean colour of the disc of radius 8 in the middle of the resting ball.
        double mean[3] = {};
        int n = 0;
        for (int y = 2; y <= 18; ++y) {
            for (int x = 2; x <= 18; ++x) {
                if ((x - 10) * (x - 10) + (y - 10) * (y - 10) <= 64) {
                    const Colour p = pixel(sheet.get(), 21 * c + x, y);
                    mean[0] += p.r, mean[1] += p.g, mean[2] += p.b, ++n;
                }
            }
        }
        std::string shown;
        for (int i = 0; i < 3; ++i) {
            if (mean[i] > 0.6 * std::max({mean[0], mean[1], mean[2]})) {
                shown += "rgb"[i];
            }
        }
        EXPECT_EQ(shown, strong[c]) << "colour " << c;
        lightness[c] = (0.299 * mean[0] + 0.587 * mean[1] + 0.114 * mean[2]) / n;

        // Pixels next to a sharp step in lightness around the centre: shading changes smoothly
        // from pixel to pixel, a mark drawn in a lighter or darker shade makes sharp steps.
        for (int y = 6; y <= 14; ++y) {
            for (int x = 21 * c + 6; x <= 21 * c + 14; ++x) {
                const double here = luma(pixel(sheet.get(), x, y));
                marks[c].push_back(std::abs(here - luma(pixel(sheet.get(), x + 1, y))) > 35 ||
                                   std::abs(here - luma(pixel(sheet.get(), x, y + 1))) > 35);
            }
        }
        EXPECT_GE(std::count(marks[c].begin(), marks[c].end(), true), 8) << "colour " << c;
    }
    EXPECT_GT(lightness[1] - lightness[2], 40.0) << "the two reds above all";
    for (int a = 1; a <= 7; ++a) {
        for (int b = a + 1; b <= 7; ++b) {
            EXPECT_GT(std::abs(lightness[a] - lightness[b]), 15.0) << "colours " << a << ", " << b;
            int differing = 0;
            for (size_t i = 0; i < marks[a].size(); ++i) {
                differing += marks[a][i] != marks[b][i];
            }
            EXPECT_GE(differing, 6) << "marks of colours " << a << " and " << b;
        }
    }
}

}  // namespace
}  // namespace korvat::test
