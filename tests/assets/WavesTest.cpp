// The four waves: whole RIFF files of 8-bit unsigned mono PCM at 11025 Hz, played without any
// audio hardware.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "assets/Resources.h"
#include "platform/Audio.h"
#include "platform/Resources.h"

namespace korvat::test {
namespace {

TEST(Waves, AreWholeFilesOfMonoBytesAt11025Hz) {
    for (const int id :
         {res::kBounceTickWave, res::kRefusalWave, res::kAppearanceWave, res::kExplosionWave}) {
        SCOPED_TRACE(id);
        const res::Blob blob = res::findWave(id);
        platform::Wave wave;
        ASSERT_TRUE(platform::loadWave(id, wave)) << SDL_GetError();
        // The RIFF size counts the file after its first eight bytes.
        EXPECT_EQ(SDL_SwapLE32(*reinterpret_cast<const Uint32*>(blob.data + 4)), blob.size - 8);
        EXPECT_EQ(wave.spec.format, AUDIO_U8);
        EXPECT_EQ(wave.spec.channels, 1);
        EXPECT_EQ(wave.spec.freq, 11025);
        EXPECT_EQ(wave.length, blob.size - 44);  // a 44-byte header, then the samples
        SDL_FreeWAV(wave.samples);
    }
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
