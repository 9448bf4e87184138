// The seven colours stand in their columns in order, and can be told apart without colour
// vision: they differ in lightness, and every resting ball shows its own mark.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "SurfacePixels.h"
#include "assets/Resources.h"

namespace korvat::test {
namespace {

// The mean red, green and blue of the disc of radius 8 in the middle of a resting ball.
std::array<double, 3> meanColour(const SDL_Surface* sheet, int colour) {
    std::array<double, 3> sum{};
    int n = 0;
    for (int y = 2; y <= 18; ++y) {
        for (int x = 2; x <= 18; ++x) {
            if ((x - 10) * (x - 10) + (y - 10) * (y - 10) <= 64) {
                const Colour c = pixel(sheet, 21 * colour + x, y);
                sum = {sum[0] + c.r, sum[1] + c.g, sum[2] + c.b};
                ++n;
            }
        }
    }
    return {sum[0] / n, sum[1] / n, sum[2] / n};
}

TEST(BallColours, RedDarkRedMagentaYellowGreenCyanBlueDifferingInLightness) {
    const SurfacePtr sheet = loadEmbedded(res::kBallSheet);
    // The strong channels of each colour: red, green, blue.
    const char* strong[8] = {"", "r", "r", "rb", "rg", "g", "gb", "b"};
    double lightness[8] = {};
    for (int c = 1; c <= 7; ++c) {
        const std::array<double, 3> m = meanColour(sheet.get(), c);
        std::string shown;
        for (int i = 0; i < 3; ++i) {
            shown += m[i] > 0.6 * std::max({m[0], m[1], m[2]}) ? std::string(1, "rgb"[i]) : "";
        }
        EXPECT_EQ(shown, strong[c]) << "colour " << c;
        lightness[c] = 0.299 * m[0] + 0.587 * m[1] + 0.114 * m[2];
    }
    EXPECT_GT(lightness[1] - lightness[2], 40.0) << "the two reds above all";
    for (int a = 1; a <= 7; ++a) {
        for (int b = a + 1; b <= 7; ++b) {
            EXPECT_GT(std::abs(lightness[a] - lightness[b]), 15.0) << "colours " << a << ", " << b;
        }
    }
}

// Pixels next to a sharp step in lightness around the ball's centre. Shading changes smoothly
// from pixel to pixel; a mark drawn in a lighter or darker shade makes sharp steps.
std::vector<bool> markEdges(const SDL_Surface* sheet, int colour) {
    std::vector<bool> edges;
    for (int y = 6; y <= 14; ++y) {
        for (int x = 21 * colour + 6; x <= 21 * colour + 14; ++x) {
            const double here = luma(pixel(sheet, x, y));
            edges.push_back(std::abs(here - luma(pixel(sheet, x + 1, y))) > 35 ||
                            std::abs(here - luma(pixel(sheet, x, y + 1))) > 35);
        }
    }
    return edges;
}

TEST(BallColours, RestingBallsCarryDifferentMarks) {
    const SurfacePtr sheet = loadEmbedded(res::kBallSheet);
    std::vector<bool> marks[8];
    for (int c = 1; c <= 7; ++c) {
        marks[c] = markEdges(sheet.get(), c);
        EXPECT_GE(std::count(marks[c].begin(), marks[c].end(), true), 8) << "colour " << c;
    }
    for (int a = 1; a <= 7; ++a) {
        for (int b = a + 1; b <= 7; ++b) {
            int differing = 0;
            for (size_t i = 0; i < marks[a].size(); ++i) {
                differing += marks[a][i] != marks[b][i];
            }
            EXPECT_GE(differing, 6) << "colours " << a << " and " << b;
        }
    }
}

}  // namespace
}  // namespace korvat::test
