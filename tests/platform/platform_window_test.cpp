#include <gtest/gtest.h>

#include "platform/ScreenFit.h"
#include "platform_test_support.h"

namespace korvat::platform {
namespace {

using testing::DisplayTest;
using testing::pushEnd;
using testing::RecordingPage;

Uint32 pixelAt(SDL_Surface* s, int x, int y) {
    return static_cast<const Uint32*>(s->pixels)[y * s->pitch / 4 + x];
}

// Every window pixel is the device pixel it maps to; pixels off the screen are black.
void expectWindowShowsScreen() {
    Display& display = Display::instance();
    SDL_Surface* window = SDL_GetWindowSurface(display.window());
    SDL_Surface* shot = display.snapshot();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(shot, nullptr);
    SDL_Surface* shown = SDL_ConvertSurfaceFormat(window, SDL_PIXELFORMAT_XRGB8888, 0);
    ASSERT_NE(shown, nullptr);
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(display.window(), &w, &h);
    const ScreenFit fit = fitScreen(w, h);
    int mismatches = 0;
    for (int y = 0; y < shown->h; y += 3) {
        for (int x = 0; x < shown->w; x += 3) {
            int dx = 0;
            int dy = 0;
            const Uint32 expected =
                windowToDevice(fit, x, y, dx, dy) ? pixelAt(shot, dx, dy) & 0xFFFFFF : 0;
            mismatches += (pixelAt(shown, x, y) & 0xFFFFFF) != expected ? 1 : 0;
        }
    }
    EXPECT_EQ(mismatches, 0);
    SDL_FreeSurface(shown);
    SDL_FreeSurface(shot);
}

class Window : public DisplayTest {};

TEST_F(Window, OpensAtAWholeScaleWithTheMainCaption) {
    Display& display = Display::instance();
    EXPECT_GE(display.scale(), 1);
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(display.window(), &w, &h);
    EXPECT_EQ(w, kScreenWidth * display.scale());
    EXPECT_EQ(h, kScreenHeight * display.scale());
    EXPECT_STREQ(SDL_GetWindowTitle(display.window()), "Korvat 1.2");
}

TEST_F(Window, ShowsTheScreenScaledWithWholePixels) {
    RecordingPage page("main", 90);
    page.timerScript = [&](int) {
        Display::instance().killTimer(page, 1);
        SDL_Surface* s = page.clientSurface();
        for (int i = 0; i < 60; ++i) {  // single pixels show any blur or offset
            const SDL_Rect dot{i * 4, i * 4, 1, 1};
            SDL_FillRect(s, &dot, SDL_MapRGB(s->format, 255, i * 4, 0));
        }
        page.present();
        expectWindowShowsScreen();
        page.endModal(0);
    };
    Display::instance().setTimer(page, 1, 1);
    Display::instance().runModal(page);
}

TEST_F(Window, ResizedWindowKeepsAWholeScaleCentred) {
    Display& display = Display::instance();
    int openW = 0;
    int openH = 0;
    SDL_GetWindowSize(display.window(), &openW, &openH);
    RecordingPage page("main", 90);
    int step = 0;
    page.timerScript = [&](int) {
        if (++step == 1) {
            SDL_SetWindowSize(display.window(), 1000, 700);
            return;
        }
        display.killTimer(page, 1);
        EXPECT_EQ(display.scale(), 2);
        const SDL_Point origin = display.windowPoint(0, 0);
        EXPECT_EQ(origin.x, 261);  // centre of the scaled pixel at offset 260
        EXPECT_EQ(origin.y, 31);
        expectWindowShowsScreen();
        page.endModal(0);
    };
    display.setTimer(page, 1, 20);
    display.runModal(page);
    // Back to the opening size for the other tests.
    SDL_SetWindowSize(display.window(), openW, openH);
    pushEnd();
    RecordingPage settle;
    display.runModal(settle);
}

}  // namespace
}  // namespace korvat::platform
