#include "SurfacePixels.h"

#include "assets/Resources.h"

namespace korvat::test {

SurfacePtr loadEmbedded(int id) {
    const res::Blob blob = res::findBitmap(id);
    if (blob.data == nullptr) {
        return nullptr;
    }
    SurfacePtr loaded(SDL_LoadBMP_RW(SDL_RWFromConstMem(blob.data, int(blob.size)), 1));
    if (loaded == nullptr || loaded->format->format == SDL_PIXELFORMAT_RGB555) {
        return loaded;
    }
    return SurfacePtr(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_XRGB8888, 0));
}

Colour pixel(const SDL_Surface* surface, int x, int y) {
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    if (surface->format->format == SDL_PIXELFORMAT_RGB555) {
        const Uint16 v = reinterpret_cast<const Uint16*>(row)[x];
        return {((v >> 10) & 31) << 3, ((v >> 5) & 31) << 3, (v & 31) << 3};
    }
    Uint8 r, g, b;
    SDL_GetRGB(reinterpret_cast<const Uint32*>(row)[x], surface->format, &r, &g, &b);
    return {r, g, b};
}

double luma(Colour c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

uint32_t headerField(int id, int offset, int bytes) {
    const res::Blob blob = res::findBitmap(id);
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = v << 8 | blob.data[offset + i];
    }
    return v;
}

}  // namespace korvat::test
