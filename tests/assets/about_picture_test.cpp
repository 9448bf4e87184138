// The About picture: black text on white, its lines at their rows, inside its margins.
#include <gtest/gtest.h>

#include <vector>

#include "SurfacePixels.h"
#include "assets/Resources.h"

namespace korvat::test {
namespace {

bool ink(const SDL_Surface* picture, int x, int y) {
    return pixel(picture, x, y) == Colour{0, 0, 0};
}

TEST(AboutPicture, IsBlackOnWhiteWithPaletteBlackThenWhite) {
    const SurfacePtr picture = loadEmbedded(res::kAboutPicture);
    ASSERT_NE(picture, nullptr);
    const SDL_Palette* palette = picture->format->palette;
    ASSERT_EQ(palette->ncolors, 2);
    EXPECT_EQ(palette->colors[0].r + palette->colors[0].g + palette->colors[0].b, 0);
    EXPECT_EQ(palette->colors[1].r + palette->colors[1].g + palette->colors[1].b, 3 * 255);
}

TEST(AboutPicture, LinesStartAtTheirRowsWithinTheMargins) {
    const SurfacePtr picture = loadEmbedded(res::kAboutPicture);
    std::vector<int> lineTops;
    bool previousRowInked = false;
    for (int y = 0; y < 310; ++y) {
        bool rowInked = false;
        for (int x = 0; x < 220; ++x) {
            if (ink(picture.get(), x, y)) {
                rowInked = true;
                ASSERT_GE(x, 6) << "ink left of the margin at row " << y;
                ASSERT_LE(x, 214) << "ink right of column 214 at row " << y;
                ASSERT_LT(y, 211) << "ink below the text";
            }
        }
        if (rowInked && !previousRowInked) {
            lineTops.push_back(y);
        }
        previousRowInked = rowInked;
    }
    EXPECT_EQ(lineTops, (std::vector<int>{18, 31, 57, 83, 96, 109, 122, 135, 148, 161, 187, 200}));
}

TEST(AboutPicture, CapitalsAreNinePixelsHigh) {
    const SurfacePtr picture = loadEmbedded(res::kAboutPicture);
    // The K of the first line stands at the left margin.
    int top = -1, bottom = -1;
    for (int y = 0; y < 30; ++y) {
        if (ink(picture.get(), 6, y)) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    EXPECT_EQ(top, 18);
    EXPECT_EQ(bottom - top + 1, 9);
}

}  // namespace
}  // namespace korvat::test
