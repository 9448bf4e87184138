#pragma once
// The embedded bitmaps as the display shows them: 5-5-5 sheets with their channels shifted left
// by three, other depths as SDL decodes them.
#include <SDL.h>

#include <memory>

#include "assets/Resources.h"

namespace korvat::test {

struct Colour {
    int r, g, b;
    bool operator==(const Colour&) const = default;
};

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// Through SDL's own loader; null when it does not load.
inline SurfacePtr loadEmbedded(int id) {
    const res::Blob blob = res::findBitmap(id);
    SurfacePtr loaded(blob.data ? SDL_LoadBMP_RW(SDL_RWFromConstMem(blob.data, int(blob.size)), 1)
                                : nullptr);
    if (loaded == nullptr || loaded->format->format == SDL_PIXELFORMAT_RGB555) {
        return loaded;
    }
    return SurfacePtr(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_XRGB8888, 0));
}

inline Colour pixel(const SDL_Surface* surface, int x, int y) {
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    if (surface->format->format == SDL_PIXELFORMAT_RGB555) {
        const Uint16 v = reinterpret_cast<const Uint16*>(row)[x];
        return {((v >> 10) & 31) << 3, ((v >> 5) & 31) << 3, (v & 31) << 3};
    }
    Uint8 r, g, b;
    SDL_GetRGB(reinterpret_cast<const Uint32*>(row)[x], surface->format, &r, &g, &b);
    return {r, g, b};
}

inline double luma(Colour c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

}  // namespace korvat::test
