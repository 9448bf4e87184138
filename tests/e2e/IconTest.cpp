// The real program's window carries the game's icon: the 32 x 32 member of icon group 128, as
// the desktop reads it from the window (_NET_WM_ICON).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "QuickGame.h"
#include "assets/Resources.h"
#include "platform/Resources.h"

#ifdef KORVAT_E2E_X11
// After gtest: Xlib defines macros such as None and Bool.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace korvat::e2e {
namespace {

// Width, height and the pixels as 0xAARRGGBB, read off the window; empty when missing.
std::vector<unsigned long> windowIcon(const std::string& displayName, const std::string& window) {
    std::vector<unsigned long> icon;
#ifdef KORVAT_E2E_X11
    ::Display* display = XOpenDisplay(displayName.c_str());
    if (display == nullptr)
        return icon;
    const Atom property = XInternAtom(display, "_NET_WM_ICON", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Window id = std::strtoul(window.c_str(), nullptr, 10);
    if (XGetWindowProperty(display, id, property, 0, 1 << 16, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr && format == 32) {
        // Format-32 data comes as longs, whatever their size.
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        icon.assign(values, values + count);
    }
    if (data != nullptr)
        XFree(data);
    XCloseDisplay(display);
#else
    (void)displayName;
    (void)window;
#endif
    return icon;
}

class IconTest : public QuickGameTest {};

TEST_F(IconTest, TheWindowShowsTheProgramIcon) {
#ifndef KORVAT_E2E_X11
    GTEST_SKIP() << "built without Xlib";
#endif
    const std::vector<unsigned long> icon = windowIcon(session.displayName(), session.windowId());
    ASSERT_GE(icon.size(), 2u) << "no icon on the window";
    ASSERT_EQ(icon[0], 32u);
    ASSERT_EQ(icon[1], 32u);
    ASSERT_EQ(icon.size(), 2u + 32 * 32);

    SDL_Surface* bitmap = platform::loadBitmap(res::kAppIcon);
    ASSERT_NE(bitmap, nullptr);
    SDL_Surface* expected = SDL_ConvertSurfaceFormat(bitmap, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(bitmap);
    ASSERT_NE(expected, nullptr);
    int differing = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Uint32 want =
                static_cast<const Uint32*>(expected->pixels)[y * expected->pitch / 4 + x];
            const unsigned long shown = icon[2 + static_cast<size_t>(y) * 32 + x] & 0xFFFFFFFFu;
            differing += shown != (want | 0xFF000000u);
        }
    }
    SDL_FreeSurface(expected);
    EXPECT_EQ(differing, 0) << "the icon is opaque and pixel for pixel the program's own";
}

}  // namespace
}  // namespace korvat::e2e
