// The seven colours stand in their columns in order, and can be told apart without colour
// vision: they differ in lightness, and every resting ball shows its own mark.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "SurfacePixels.h"

namespace korvat::test {
namespace {

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
