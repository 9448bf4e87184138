// The four waves: whole RIFF files of 8-bit unsigned mono PCM at 11025 Hz.
#include <SDL.h>
#include <gtest/gtest.h>

#include "assets/Resources.h"

namespace korvat::test {
namespace {

TEST(Waves, AreWholeFilesOfMonoBytesAt11025Hz) {
    for (const int id :
         {res::kBounceTickWave, res::kRefusalWave, res::kAppearanceWave, res::kExplosionWave}) {
        SCOPED_TRACE(id);
        const res::Blob blob = res::findWave(id);
        ASSERT_GT(blob.size, 44u);
        // The RIFF size counts the file after its first eight bytes.
        EXPECT_EQ(SDL_SwapLE32(*reinterpret_cast<const Uint32*>(blob.data + 4)), blob.size - 8);
        SDL_AudioSpec spec;
        Uint8* samples = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(blob.data, int(blob.size)), 1, &spec, &samples,
                                 &length),
                  nullptr)
            << SDL_GetError();
        EXPECT_EQ(spec.format, AUDIO_U8);
        EXPECT_EQ(spec.channels, 1);
        EXPECT_EQ(spec.freq, 11025);
        EXPECT_EQ(length, blob.size - 44);  // a 44-byte header, then the samples
        SDL_FreeWAV(samples);
    }
}

}  // namespace
}  // namespace korvat::test
