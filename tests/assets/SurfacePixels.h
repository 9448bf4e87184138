#pragma once
// The embedded bitmaps as the display shows them, through the program's own loader.
#include <SDL.h>

#include <memory>

#include "assets/Resources.h"
#include "platform/Resources.h"

namespace korvat::test {

struct Colour {
    int r, g, b;
    bool operator==(const Colour&) const = default;
};

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// Bitmap `id` in 32-bit pixels; null when it does not load.
inline SurfacePtr loadShown(int id) {
    const SurfacePtr loaded(platform::loadBitmap(id));
    return SurfacePtr(loaded ? SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_XRGB8888, 0)
                             : nullptr);
}

inline Colour pixel(const SDL_Surface* surface, int x, int y) {
    const Uint32 v = static_cast<const Uint32*>(surface->pixels)[y * surface->pitch / 4 + x];
    return {int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF)};
}

inline double luma(Colour c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

}  // namespace korvat::test
