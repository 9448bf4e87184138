#pragma once
// The program's embedded bitmaps and waves, opened with SDL's own loaders.
#include <SDL.h>

namespace korvat::platform {

// Loads bitmap `id` (129 to 134, 141, 144, 145, 128, 1128); nullptr when it cannot be
// loaded. The caller frees the surface. 16-bit 5-5-5 bitmaps come back widened to 32 bits
// with each 5-bit channel shifted left by three, as the device's display does it: the tile
// grey 24,24,24 is then exactly 192,192,192 and matches the board image (SDL's own widening
// would round it to 197). All other depths come back as SDL loads them.
SDL_Surface* loadBitmap(int id);

// A decoded wave: its format, and the samples to free with SDL_FreeWAV.
struct Wave {
    SDL_AudioSpec spec{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
};

// Loads wave `id` (135 to 138) with SDL_LoadWAV_RW; false when it cannot be loaded.
bool loadWave(int id, Wave& wave);

}  // namespace korvat::platform
