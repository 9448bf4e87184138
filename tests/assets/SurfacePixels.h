#pragma once
// Reading the embedded bitmaps in tests: loading with SDL and reading pixels as the display
// shows them (5-5-5 channels shifted left by three, everything else as SDL decodes it).
#include <SDL.h>

#include <cstdint>
#include <memory>

namespace korvat::test {

struct Colour {
    int r, g, b;
    bool operator==(const Colour&) const = default;
};

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// The embedded bitmap `id` through SDL_LoadBMP_RW: 5-5-5 sheets as they are, other depths as
// 32-bit pixels; null when it does not load.
SurfacePtr loadEmbedded(int id);

Colour pixel(const SDL_Surface* surface, int x, int y);
double luma(Colour c);

// A field of the embedded file's headers: little-endian, `bytes` wide, at `offset`.
uint32_t headerField(int id, int offset, int bytes);

}  // namespace korvat::test
