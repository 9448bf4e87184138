#include "platform/Resources.h"

#include "assets/Resources.h"

namespace korvat::platform {

namespace {

SDL_RWops* openBlob(res::Blob blob) {
    if (blob.data == nullptr) {
        return nullptr;
    }
    return SDL_RWFromConstMem(blob.data, int(blob.size));
}

// Widens 5-5-5 pixels by plain shifts so that 24 becomes 192, not 197.
SDL_Surface* widen555(SDL_Surface* source) {
    SDL_Surface* wide =
        SDL_CreateRGBSurfaceWithFormat(0, source->w, source->h, 32, SDL_PIXELFORMAT_RGB888);
    if (wide == nullptr) {
        return nullptr;
    }
    for (int y = 0; y < source->h; ++y) {
        const auto* in = reinterpret_cast<const Uint16*>(static_cast<const Uint8*>(source->pixels) +
                                                         y * source->pitch);
        auto* out = reinterpret_cast<Uint32*>(static_cast<Uint8*>(wide->pixels) + y * wide->pitch);
        for (int x = 0; x < source->w; ++x) {
            const Uint32 p = in[x];
            const Uint32 r = ((p >> 10) & 0x1F) << 3, g = ((p >> 5) & 0x1F) << 3,
                         b = (p & 0x1F) << 3;
            out[x] = (r << 16) | (g << 8) | b;
        }
    }
    return wide;
}

}  // namespace

SDL_Surface* loadBitmap(int id) {
    SDL_RWops* rw = openBlob(res::findBitmap(id));
    if (rw == nullptr) {
        return nullptr;
    }
    SDL_Surface* surface = SDL_LoadBMP_RW(rw, 1);
    if (surface == nullptr || surface->format->format != SDL_PIXELFORMAT_RGB555) {
        return surface;
    }
    SDL_Surface* wide = widen555(surface);
    SDL_FreeSurface(surface);
    return wide;
}

bool loadWave(int id, Wave& wave) {
    SDL_RWops* rw = openBlob(res::findWave(id));
    if (rw == nullptr) {
        return false;
    }
    wave = Wave{};
    return SDL_LoadWAV_RW(rw, 1, &wave.spec, &wave.samples, &wave.length) != nullptr;
}

}  // namespace korvat::platform
