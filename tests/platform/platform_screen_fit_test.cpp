#include <gtest/gtest.h>

#include "platform/Display.h"
#include "platform/ScreenFit.h"

namespace korvat::platform {
namespace {

TEST(ScreenFit, ChoosesLargestWholeScaleThatFitsBothSides) {
    EXPECT_EQ(chooseScale(240, 320), 1);
    EXPECT_EQ(chooseScale(479, 639), 1);
    EXPECT_EQ(chooseScale(480, 640), 2);
    // A wide desktop: the height decides.
    EXPECT_EQ(chooseScale(1920, 1040), 3);
    EXPECT_EQ(chooseScale(3840, 2100), 6);
    // A tall one: the width decides.
    EXPECT_EQ(chooseScale(500, 2000), 2);
}

TEST(ScreenFit, NeverScalesBelowOne) {
    EXPECT_EQ(chooseScale(100, 100), 1);
    EXPECT_EQ(chooseScale(0, 0), 1);
    EXPECT_EQ(chooseScale(-5, 400), 1);
}

TEST(ScreenFit, CentresTheScreenAndLeavesTheRestAround) {
    const ScreenFit fit = fitScreen(1000, 700);  // scale 2: 480 x 640
    EXPECT_EQ(fit.scale, 2);
    EXPECT_EQ(fit.offsetX, 260);
    EXPECT_EQ(fit.offsetY, 30);
}

TEST(ScreenFit, MapsWindowPixelsToDevicePixels) {
    const ScreenFit fit = fitScreen(1000, 700);
    int x = -1;
    int y = -1;
    ASSERT_TRUE(windowToDevice(fit, 260, 30, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    ASSERT_TRUE(windowToDevice(fit, 261, 31, x, y));  // same scaled pixel
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    ASSERT_TRUE(windowToDevice(fit, 260 + 479, 30 + 639, x, y));
    EXPECT_EQ(x, 239);
    EXPECT_EQ(y, 319);
    ASSERT_TRUE(windowToDevice(fit, 260 + 2 * 100 + 1, 30 + 2 * 50, x, y));
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 50);
}

TEST(ScreenFit, PointsInTheBlackBorderAreOutside) {
    const ScreenFit fit = fitScreen(1000, 700);
    int x = 0;
    int y = 0;
    EXPECT_FALSE(windowToDevice(fit, 259, 100, x, y));
    EXPECT_FALSE(windowToDevice(fit, 260 + 480, 100, x, y));
    EXPECT_FALSE(windowToDevice(fit, 300, 29, x, y));
    EXPECT_FALSE(windowToDevice(fit, 300, 30 + 640, x, y));
    // Just inside the left edge of a border column of -1 must not round to column 0.
    EXPECT_FALSE(windowToDevice(fit, 258, 100, x, y));
}

TEST(ScreenFit, WindowSmallerThanTheScreenCutsItEvenly) {
    const ScreenFit fit = fitScreen(200, 320);
    EXPECT_EQ(fit.scale, 1);
    EXPECT_EQ(fit.offsetX, -20);
    int x = 0;
    int y = 0;
    ASSERT_TRUE(windowToDevice(fit, 0, 0, x, y));
    EXPECT_EQ(x, 20);
}

TEST(ScreenFit, DeviceToWindowRoundTrips) {
    for (const ScreenFit fit : {fitScreen(240, 320), fitScreen(1000, 700), fitScreen(1920, 1080)}) {
        for (const SDL_Point p : {SDL_Point{0, 0}, SDL_Point{239, 319}, SDL_Point{120, 26}}) {
            int wx = 0;
            int wy = 0;
            deviceToWindow(fit, p.x, p.y, wx, wy);
            int dx = -1;
            int dy = -1;
            ASSERT_TRUE(windowToDevice(fit, wx, wy, dx, dy));
            EXPECT_EQ(dx, p.x);
            EXPECT_EQ(dy, p.y);
        }
    }
}

}  // namespace
}  // namespace korvat::platform
