#include "SurfacePixels.h"

#include "assets/Resources.h"

namespace korvat::test {

SurfacePtr loadEmbedded(int id) {
    const res::Blob blob = res::findBitmap(id);
    if (blob.data == nullptr) {
        return nullptr;
    }
    return SurfacePtr(SDL_LoadBMP_RW(SDL_RWFromConstMem(blob.data, int(blob.size)), 1));
}

Colour pixel(const SDL_Surface* surface, int x, int y) {
    const SDL_PixelFormat* f = surface->format;
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    const Uint8* p = row + x * f->BytesPerPixel;
    Uint32 value = 0;
    switch (f->BytesPerPixel) {
        case 1:
            value = *p;
            break;
        case 2:
            value = *reinterpret_cast<const Uint16*>(p);
            break;
        case 3:
            value = Uint32(p[0]) | Uint32(p[1]) << 8 | Uint32(p[2]) << 16;
            break;
        default:
            value = *reinterpret_cast<const Uint32*>(p);
            break;
    }
    if (f->format == SDL_PIXELFORMAT_RGB555) {
        return {int((value >> 10) & 31) << 3, int((value >> 5) & 31) << 3, int(value & 31) << 3};
    }
    Uint8 r, g, b;
    SDL_GetRGB(value, f, &r, &g, &b);
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
