// The seven colours can be told apart without colour vision: they differ in lightness, and every
// ball big enough to carry one shows its own mark.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "SurfacePixels.h"
#include "assets/Resources.h"

namespace korvat::test {
namespace {

double meanLightness(const SDL_Surface* sheet, int left, int top) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 21; ++x) {
            const double dx = x - 10, dy = y - 10;
            if (dx * dx + dy * dy <= 8.0 * 8.0) {
                sum += luma(pixel(sheet, left + x, top + y));
                ++n;
            }
        }
    }
    return sum / n;
}

// Pixels next to a sharp step in lightness within a square around (cx, cy). Shading changes
// smoothly from pixel to pixel; a mark drawn in a lighter or darker shade makes sharp steps.
std::vector<bool> markEdges(const SDL_Surface* sheet, int cx, int cy, int half) {
    std::vector<bool> edges;
    for (int y = cy - half; y <= cy + half; ++y) {
        for (int x = cx - half; x <= cx + half; ++x) {
            const double here = luma(pixel(sheet, x, y));
            const bool step = std::abs(here - luma(pixel(sheet, x + 1, y))) > 35 ||
                              std::abs(here - luma(pixel(sheet, x, y + 1))) > 35;
            edges.push_back(step);
        }
    }
    return edges;
}

int count(const std::vector<bool>& v) {
    int n = 0;
    for (bool b : v) {
        n += b;
    }
    return n;
}

int difference(const std::vector<bool>& a, const std::vector<bool>& b) {
    int n = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        n += a[i] != b[i];
    }
    return n;
}

TEST(BallColours, DifferClearlyInLightness) {
    const SurfacePtr sheet = loadEmbedded(res::kBallSheet);
    double lightness[8] = {};
    for (int c = 1; c <= 7; ++c) {
        lightness[c] = meanLightness(sheet.get(), 21 * c, 0);
    }
    for (int a = 1; a <= 7; ++a) {
        for (int b = a + 1; b <= 7; ++b) {
            EXPECT_GT(std::abs(lightness[a] - lightness[b]), 15.0)
                << "colours " << a << " and " << b << ": " << lightness[a] << " vs "
                << lightness[b];
        }
    }
    // The two reds above all.
    EXPECT_GT(lightness[1] - lightness[2], 40.0);
}

TEST(BallColours, RestingBallsCarryDifferentMarks) {
    const SurfacePtr sheet = loadEmbedded(res::kBallSheet);
    std::vector<bool> marks[8];
    for (int c = 1; c <= 7; ++c) {
        marks[c] = markEdges(sheet.get(), 21 * c + 10, 10, 4);
        EXPECT_GE(count(marks[c]), 8) << "colour " << c << " shows no mark";
    }
    for (int a = 1; a <= 7; ++a) {
        for (int b = a + 1; b <= 7; ++b) {
            EXPECT_GE(difference(marks[a], marks[b]), 6) << "colours " << a << " and " << b;
        }
    }
}

TEST(BallColours, EveryBallOfFifteenPixelsAndUpIsMarked) {
    const SurfacePtr sheet = loadEmbedded(res::kBallSheet);
    const SurfacePtr bounce = loadEmbedded(res::kBounceSheet);
    const SurfacePtr icons = loadEmbedded(res::kNextBallIcons);
    for (int c = 1; c <= 7; ++c) {
        for (int row : {1, 2}) {  // 17 and 15 pixels
            EXPECT_GE(count(markEdges(sheet.get(), 21 * c + 10, 21 * row + 10, 3)), 6)
                << "colour " << c << " row " << row;
        }
        for (int phase = 0; phase < 9; ++phase) {
            const int centreY = (phase >= 3 && phase <= 5) ? phase - 3 + 9 : 10;
            EXPECT_GE(count(markEdges(bounce.get(), 21 * c + 10, 21 * phase + centreY, 3)), 6)
                << "colour " << c << " phase " << phase;
        }
        EXPECT_GE(count(markEdges(icons.get(), 15 * c + 7, 7, 3)), 6) << "icon " << c;
    }
}

}  // namespace
}  // namespace korvat::test
