#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "platform/ScreenFit.h"

namespace korvat::platform {
namespace {

TEST(ScreenFit, LargestWholeScaleCentredAndWindowPixelsMappedToDevicePixels) {
    // A wide desktop: the height decides; a tall one: the width; never below 1.
    for (const auto& [width, height, scale] :
         {std::array{479, 639, 1}, {480, 640, 2}, {1920, 1040, 3}, {500, 2000, 2}, {100, 100, 1}}) {
        EXPECT_EQ(chooseScale(width, height), scale) << width << " x " << height;
    }

    const ScreenFit fit = fitScreen(1000, 700);  // scale 2: 480 x 640 at (260, 30)
    int x = -1, y = -1;  // each case expects other values than the one before
    for (const auto& [windowX, windowY, deviceX, deviceY] :
         {std::array{260, 30, 0, 0}, {739, 669, 239, 319}, {461, 130, 100, 50}}) {
        EXPECT_TRUE(windowToDevice(fit, windowX, windowY, x, y));
        EXPECT_EQ(std::pair(x, y), std::pair(deviceX, deviceY)) << windowX << "," << windowY;
    }
    // 259 lies in border column -1 and must not round to column 0.
    for (const auto& [windowX, windowY] :
         {std::pair{259, 100}, {740, 100}, {300, 29}, {300, 670}}) {
        EXPECT_FALSE(windowToDevice(fit, windowX, windowY, x, y)) << windowX << "," << windowY;
    }
    // A window narrower than the screen cuts it evenly.
    EXPECT_TRUE(windowToDevice(fitScreen(200, 320), 0, 0, x, y) && x == 20) << x;
}

}  // namespace
}  // namespace korvat::platform
