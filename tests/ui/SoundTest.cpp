#include <gtest/gtest.h>

#include <vector>

#include "platform/Audio.h"
#include "ui/Sound.h"

namespace korvat::ui {
namespace {

std::vector<int> started;

TEST(Sound, EachEffectStartsItsOwnWave) {
    platform::setSoundObserverForTesting([](int id) { started.push_back(id); });
    for (SoundId id :
         {SoundId::Explosion, SoundId::BounceTick, SoundId::Refusal, SoundId::Appearance}) {
        playSound(id);
    }
    platform::setSoundObserverForTesting(nullptr);
    EXPECT_EQ(started, (std::vector<int>{138, 135, 136, 137}));
}

}  // namespace
}  // namespace korvat::ui
