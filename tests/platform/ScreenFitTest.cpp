// The device screen in the desktop window: a whole scale that fits, centred, and mouse
// positions mapped back to device pixels.
#include <gtest/gtest.h>

#include "platform/ScreenFit.h"

namespace korvat::platform {
namespace {

TEST(ScreenFit, LargestWholeScaleCentredAndWindowPixelsMappedToDevicePixels) {
    struct Scale {
        int width, height, scale;
    };
    // A wide desktop: the height decides; a tall one: the width; never below 1.
    for (const Scale c :
         {Scale{479, 639, 1}, {480, 640, 2}, {1920, 1040, 3}, {500, 2000, 2}, {100, 100, 1}}) {
        EXPECT_EQ(chooseScale(c.width, c.height), c.scale) << c.width << " x " << c.height;
    }

    const ScreenFit fit = fitScreen(1000, 700);  // scale 2: 480 x 640 at (260, 30)
    struct Case {
        int windowX, windowY, deviceX, deviceY;  // device -1: outside the screen
    };
    // 259 lies in border column -1 and must not round to column 0.
    for (const Case c : {Case{260, 30, 0, 0},
                         {739, 669, 239, 319},
                         {461, 130, 100, 50},
                         {259, 100, -1, -1},
                         {740, 100, -1, -1},
                         {300, 29, -1, -1},
                         {300, 670, -1, -1}}) {
        int x = -1;
        int y = -1;
        EXPECT_EQ(windowToDevice(fit, c.windowX, c.windowY, x, y), c.deviceX >= 0)
            << c.windowX << "," << c.windowY;
        if (c.deviceX >= 0) {
            EXPECT_EQ(x, c.deviceX);
            EXPECT_EQ(y, c.deviceY);
        }
    }
    // A window narrower than the screen cuts it evenly.
    int x = 0;
    int y = 0;
    ASSERT_TRUE(windowToDevice(fitScreen(200, 320), 0, 0, x, y));
    EXPECT_EQ(x, 20);
}

}  // namespace
}  // namespace korvat::platform
