// The platform's loaders: bitmaps come out in the colours the board expects, a forced failure
// reaches the caller, waves decode, and sounds start without any audio hardware.
#include <gtest/gtest.h>

#include <vector>

#include "SurfacePixels.h"
#include "assets/Resources.h"
#include "platform/Audio.h"
#include "platform/Resources.h"

namespace korvat::test {
namespace {

constexpr Colour kGrey{192, 192, 192};

Colour shown(SDL_Surface* s, int x, int y) {
    Uint8 r, g, b;
    SDL_GetRGB(*reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch + 4 * x),
               s->format, &r, &g, &b);
    return {r, g, b};
}

TEST(LoadBitmap, BallSheetsMatchTheBoardGreyExactly) {
    // SDL's own widening of the 5-bit grey would give 197; the game needs 192 to match the tile.
    for (int id : {res::kBallSheet, res::kBounceSheet}) {
        SurfacePtr sheet(platform::loadBitmap(id));
        ASSERT_NE(sheet, nullptr);
        ASSERT_EQ(sheet->format->BytesPerPixel, 4);
        EXPECT_EQ(shown(sheet.get(), 0, 0), kGrey);
        EXPECT_EQ(shown(sheet.get(), 167, 188), kGrey);
    }
    SurfacePtr board(platform::loadBitmap(res::kBoardImage));
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(pixel(board.get(), 10, 10), kGrey);
}

TEST(LoadBitmap, BlittedSpriteBlendsIntoTheTile) {
    SurfacePtr board(platform::loadBitmap(res::kBoardImage));
    SurfacePtr balls(platform::loadBitmap(res::kBallSheet));
    SurfacePtr target(SDL_CreateRGBSurfaceWithFormat(0, 235, 235, 32, SDL_PIXELFORMAT_RGB888));
    ASSERT_EQ(SDL_BlitSurface(board.get(), nullptr, target.get(), nullptr), 0);
    SDL_Rect sprite{21, 0, 21, 21}, cell{4, 4, 21, 21};
    ASSERT_EQ(SDL_BlitSurface(balls.get(), &sprite, target.get(), &cell), 0);
    EXPECT_EQ(shown(target.get(), 4, 4), kGrey);    // sprite corner
    EXPECT_EQ(shown(target.get(), 3, 3), kGrey);    // tile around it
    EXPECT_NE(shown(target.get(), 14, 14), kGrey);  // the ball
}

TEST(LoadBitmap, OtherDepthsComeAsSdlLoadsThem) {
    SurfacePtr about(platform::loadBitmap(res::kAboutPicture));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->w, 220);
    EXPECT_NE(about->format->palette, nullptr);
    SurfacePtr clock(platform::loadBitmap(res::kClockDigits));
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->format->BytesPerPixel, 3);
}

TEST(LoadBitmap, FailsForUnknownIdsAndOnRequest) {
    EXPECT_EQ(platform::loadBitmap(999), nullptr);
    platform::failBitmapForTesting(res::kBoardImage);
    EXPECT_EQ(platform::loadBitmap(res::kBoardImage), nullptr);
    SurfacePtr other(platform::loadBitmap(res::kPanelImage));
    EXPECT_NE(other, nullptr);
    platform::failBitmapForTesting(-1);
    SurfacePtr again(platform::loadBitmap(res::kBoardImage));
    EXPECT_NE(again, nullptr);
}

TEST(LoadWave, DecodesTheEmbeddedWaves) {
    platform::Wave wave;
    ASSERT_TRUE(platform::loadWave(res::kAppearanceWave, wave));
    EXPECT_EQ(wave.spec.format, AUDIO_U8);
    EXPECT_EQ(wave.spec.channels, 1);
    EXPECT_EQ(wave.spec.freq, 11025);
    EXPECT_EQ(wave.length, 6808u);
    SDL_FreeWAV(wave.samples);
    EXPECT_FALSE(platform::loadWave(999, wave));
}

std::vector<int> played;

TEST(PlaySound, StartsEverySoundWithoutHardwareAndNeverFails) {
    platform::setSoundObserverForTesting([](int id) { played.push_back(id); });
    for (int id : {res::kBounceTickWave, res::kRefusalWave, res::kAppearanceWave,
                   res::kExplosionWave, 999}) {
        platform::playSoundResource(id);  // replaces the one before
    }
    platform::setSoundObserverForTesting(nullptr);
    platform::closeAudio();
    platform::playSoundResource(res::kBounceTickWave);  // opens the device again
    platform::closeAudio();
    EXPECT_EQ(played, (std::vector<int>{135, 136, 137, 138, 999}));
    EXPECT_EQ(SDL_WasInit(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER), 0u);
}

}  // namespace
}  // namespace korvat::test
