// The four waves: complete RIFF files of 8-bit unsigned mono PCM at 11025 Hz, of their exact
// sizes.
#include <SDL.h>
#include <gtest/gtest.h>

#include "assets/Resources.h"

namespace korvat::test {
namespace {

TEST(Waves, AreMonoBytesAt11025HzOfTheirExactSize) {
    for (const auto& [id, fileBytes] : {std::pair{res::kBounceTickWave, 2054u},
                                        {res::kRefusalWave, 6834u},
                                        {res::kAppearanceWave, 6852u},
                                        {res::kExplosionWave, 8374u}}) {
        SCOPED_TRACE(id);
        const res::Blob blob = res::findWave(id);
        ASSERT_EQ(blob.size, fileBytes);
        // The RIFF size counts the file after its first eight bytes.
        EXPECT_EQ(SDL_SwapLE32(*reinterpret_cast<const Uint32*>(blob.data + 4)), fileBytes - 8);
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
        EXPECT_EQ(length, fileBytes - 44);  // a 44-byte header, then the samples
        SDL_FreeWAV(samples);
    }
}

}  // namespace
}  // namespace korvat::test
