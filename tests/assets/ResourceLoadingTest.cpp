// The platform's loaders: bitmaps come out in the colours the board expects, and sounds start
// without any audio hardware.
#include <gtest/gtest.h>

#include <vector>

#include "SurfacePixels.h"
#include "platform/Audio.h"
#include "platform/Resources.h"

namespace korvat::test {
namespace {

constexpr Colour kGrey{192, 192, 192};

TEST(LoadBitmap, BallSpritesBlendIntoTheBoardsGreyExactly) {
    // SDL's own widening of the 5-bit grey would give 197; the tile is 192.
    SurfacePtr board(platform::loadBitmap(res::kBoardImage));
    SurfacePtr target(SDL_CreateRGBSurfaceWithFormat(0, 235, 235, 32, SDL_PIXELFORMAT_RGB888));
    ASSERT_EQ(SDL_BlitSurface(board.get(), nullptr, target.get(), nullptr), 0);
    for (const int id : {res::kBallSheet, res::kBounceSheet}) {
        SurfacePtr sheet(platform::loadBitmap(id));
        ASSERT_NE(sheet, nullptr);
        SDL_Rect sprite{21, 0, 21, 21}, cell{4, 4, 21, 21};
        ASSERT_EQ(SDL_BlitSurface(sheet.get(), &sprite, target.get(), &cell), 0);
        EXPECT_EQ(pixel(target.get(), 4, 4), kGrey);    // sprite corner
        EXPECT_EQ(pixel(target.get(), 3, 3), kGrey);    // tile around it
        EXPECT_NE(pixel(target.get(), 14, 14), kGrey);  // the ball
    }
    EXPECT_EQ(platform::loadBitmap(999), nullptr);
}

std::vector<int> played;

TEST(PlaySound, StartsEverySoundWithoutHardwareAndNeverFails) {
    platform::setSoundObserverForTesting([](int id) { played.push_back(id); });
    for (const int id : {res::kBounceTickWave, res::kExplosionWave, 999}) {
        platform::playSoundResource(id);  // replaces the one before
    }
    platform::setSoundObserverForTesting(nullptr);
    platform::closeAudio();
    platform::playSoundResource(res::kBounceTickWave);  // opens the device again
    platform::closeAudio();
    EXPECT_EQ(played, (std::vector<int>{res::kBounceTickWave, res::kExplosionWave, 999}));
    EXPECT_EQ(SDL_WasInit(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER), 0u);
}

}  // namespace
}  // namespace korvat::test
