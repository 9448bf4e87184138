// The four waves: complete RIFF files of 8-bit unsigned mono PCM at 11025 Hz, of their exact
// sizes, audible and never clipped.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "assets/Resources.h"

namespace korvat::test {
namespace {

struct WaveSize {
    int id;
    size_t fileBytes;
};

constexpr WaveSize kWaves[] = {
    {res::kBounceTickWave, 2054},
    {res::kRefusalWave, 6834},
    {res::kAppearanceWave, 6852},
    {res::kExplosionWave, 8374},
};

uint32_t field(const res::Blob& blob, size_t offset, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = v << 8 | blob.data[offset + size_t(i)];
    }
    return v;
}

TEST(Waves, AreRiffPcmFilesOfTheirExactSize) {
    for (const WaveSize& w : kWaves) {
        SCOPED_TRACE(w.id);
        const res::Blob blob = res::findWave(w.id);
        ASSERT_NE(blob.data, nullptr);
        ASSERT_EQ(blob.size, w.fileBytes);
        const auto* p = reinterpret_cast<const char*>(blob.data);
        EXPECT_EQ(std::memcmp(p, "RIFF", 4), 0);
        EXPECT_EQ(field(blob, 4, 4), w.fileBytes - 8);
        EXPECT_EQ(std::memcmp(p + 8, "WAVEfmt ", 8), 0);
        EXPECT_EQ(field(blob, 16, 4), 16u);
        EXPECT_EQ(field(blob, 20, 2), 1u);      // PCM
        EXPECT_EQ(field(blob, 22, 2), 1u);      // mono
        EXPECT_EQ(field(blob, 24, 4), 11025u);  // samples per second
        EXPECT_EQ(field(blob, 28, 4), 11025u);  // bytes per second
        EXPECT_EQ(field(blob, 32, 2), 1u);      // block alignment
        EXPECT_EQ(field(blob, 34, 2), 8u);
        EXPECT_EQ(std::memcmp(p + 36, "data", 4), 0);
        EXPECT_EQ(field(blob, 40, 4), w.fileBytes - 44);
    }
}

TEST(Waves, LoadWithSdlAsUnsignedMonoBytes) {
    for (const WaveSize& w : kWaves) {
        SCOPED_TRACE(w.id);
        const res::Blob blob = res::findWave(w.id);
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
        EXPECT_EQ(length, w.fileBytes - 44);
        SDL_FreeWAV(samples);
    }
}

TEST(Waves, AreAudibleWithoutClippingOrClicks) {
    for (const WaveSize& w : kWaves) {
        SCOPED_TRACE(w.id);
        const res::Blob blob = res::findWave(w.id);
        const unsigned char* samples = blob.data + 44;
        const size_t n = blob.size - 44;
        const auto [low, high] = std::minmax_element(samples, samples + n);
        EXPECT_GT(*low, 0);
        EXPECT_LT(*high, 255);
        EXPECT_GT(*high - *low, 80) << "too quiet";
        EXPECT_LE(std::abs(samples[0] - 128), 2);
        EXPECT_LE(std::abs(samples[n - 1] - 128), 2);
    }
}

TEST(Waves, UnknownIdsAreEmpty) {
    EXPECT_EQ(res::findWave(134).data, nullptr);
    EXPECT_EQ(res::findWave(139).size, 0u);
}

}  // namespace
}  // namespace korvat::test
