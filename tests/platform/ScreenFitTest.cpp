// The device screen in the desktop window: a whole scale that fits, centred, and mouse
// positions mapped back to device pixels.
#include <gtest/gtest.h>

#include "platform/Display.h"
#include "platform/ScreenFit.h"

namespace korvat::platform {
namespace {

TEST(ScreenFit, LargestWholeScaleThatFitsBothSidesAndNeverBelowOne) {
    struct Case {
        int width, height, scale;
    };
    // A wide desktop: the height decides; a tall one: the width.
    for (const Case c : {Case{240, 320, 1},
                         {479, 639, 1},
                         {480, 640, 2},
                         {1920, 1040, 3},
                         {3840, 2100, 6},
                         {500, 2000, 2},
                         {100, 100, 1},
                         {0, 0, 1},
                         {-5, 400, 1}}) {
        EXPECT_EQ(chooseScale(c.width, c.height), c.scale) << c.width << " x " << c.height;
    }
}

TEST(ScreenFit, CentresTheScreenAndMapsWindowPixelsToDevicePixels) {
    const ScreenFit fit = fitScreen(1000, 700);  // scale 2: 480 x 640 at (260, 30)
    EXPECT_EQ(fit.scale, 2);
    EXPECT_EQ(fit.offsetX, 260);
    EXPECT_EQ(fit.offsetY, 30);
    struct Case {
        int windowX, windowY;
        bool inside;
        int deviceX, deviceY;
    };
    // 258 lies in border column -1 and must not round to column 0.
    for (const Case c : {Case{260, 30, true, 0, 0},
                         {261, 31, true, 0, 0},
                         {739, 669, true, 239, 319},
                         {461, 130, true, 100, 50},
                         {259, 100, false, 0, 0},
                         {258, 100, false, 0, 0},
                         {740, 100, false, 0, 0},
                         {300, 29, false, 0, 0},
                         {300, 670, false, 0, 0}}) {
        int x = -1;
        int y = -1;
        EXPECT_EQ(windowToDevice(fit, c.windowX, c.windowY, x, y), c.inside)
            << c.windowX << "," << c.windowY;
        if (c.inside) {
            EXPECT_EQ(x, c.deviceX);
            EXPECT_EQ(y, c.deviceY);
        }
    }
    // A window narrower than the screen cuts it evenly.
    const ScreenFit narrow = fitScreen(200, 320);
    int x = 0;
    int y = 0;
    ASSERT_TRUE(windowToDevice(narrow, 0, 0, x, y));
    EXPECT_EQ(x, 20);
}

}  // namespace
}  // namespace korvat::platform
