// The device screen in the desktop window: a whole scale that fits, centred, and mouse
// positions mapped back to device pixels.
#include <gtest/gtest.h>

#include "platform/ScreenFit.h"
#include "platform_test_support.h"

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

Uint32 pixelAt(SDL_Surface* s, int x, int y) {
    return static_cast<const Uint32*>(s->pixels)[y * s->pitch / 4 + x] & 0xFFFFFF;
}

// Every window pixel is the device pixel it maps to; pixels off the screen are black.
void expectWindowShowsScreen() {
    Display& display = Display::instance();
    SDL_Surface* shot = display.snapshot();
    SDL_Surface* shown = SDL_ConvertSurfaceFormat(SDL_GetWindowSurface(display.window()),
                                                  SDL_PIXELFORMAT_XRGB8888, 0);
    ASSERT_NE(shot, nullptr);
    ASSERT_NE(shown, nullptr);
    const ScreenFit fit = fitScreen(shown->w, shown->h);
    int mismatches = 0;
    for (int y = 0; y < shown->h; y += 3) {
        for (int x = 0; x < shown->w; x += 3) {
            int dx = 0;
            int dy = 0;
            const Uint32 expected = windowToDevice(fit, x, y, dx, dy) ? pixelAt(shot, dx, dy) : 0;
            mismatches += pixelAt(shown, x, y) != expected ? 1 : 0;
        }
    }
    EXPECT_EQ(mismatches, 0);
    SDL_FreeSurface(shown);
    SDL_FreeSurface(shot);
}

class Window : public testing::DisplayTest {};

TEST_F(Window, ShowsTheScreenAtAWholeScaleCentredAlsoAfterAResize) {
    Display& display = Display::instance();
    int openW = 0;
    int openH = 0;
    SDL_GetWindowSize(display.window(), &openW, &openH);
    EXPECT_EQ(openW, kScreenWidth * display.scale());
    EXPECT_EQ(openH, kScreenHeight * display.scale());
    EXPECT_STREQ(SDL_GetWindowTitle(display.window()), "Korvat 1.2");
    testing::RecordingPage page("main", 90);
    testing::runSteps(page, {[&] {
                                 SDL_Surface* s = page.clientSurface();
                                 for (int i = 0; i < 60; ++i) {  // dots show any blur or offset
                                     const SDL_Rect dot{i * 4, i * 4, 1, 1};
                                     SDL_FillRect(s, &dot, SDL_MapRGB(s->format, 255, i * 4, 0));
                                 }
                                 page.present();
                                 expectWindowShowsScreen();
                                 SDL_SetWindowSize(display.window(), 1000, 700);
                             },
                             [&] {
                                 EXPECT_EQ(display.scale(), 2);
                                 const SDL_Point origin = display.windowPoint(0, 0);
                                 EXPECT_EQ(origin.x, 261);  // centre of the pixel at offset 260
                                 EXPECT_EQ(origin.y, 31);
                                 expectWindowShowsScreen();
                                 SDL_SetWindowSize(display.window(), openW, openH);
                             },
                             [] {}});
}

}  // namespace
}  // namespace korvat::platform
