#include <gtest/gtest.h>

#include <vector>

#include "platform/Audio.h"
#include "ui/Sound.h"

namespace korvat::ui {
namespace {

std::vector<int> started;
void observe(int id) {
    started.push_back(id);
}

TEST(Sound, EachEffectPlaysItsWave) {
    EXPECT_EQ(soundResource(SoundId::BounceTick), 135);
    EXPECT_EQ(soundResource(SoundId::Refusal), 136);
    EXPECT_EQ(soundResource(SoundId::Appearance), 137);
    EXPECT_EQ(soundResource(SoundId::Explosion), 138);

    started.clear();
    platform::setSoundObserverForTesting(&observe);
    playSound(SoundId::Explosion);
    playSound(SoundId::BounceTick);
    platform::setSoundObserverForTesting(nullptr);
    EXPECT_EQ(started, (std::vector<int>{138, 135}));
}

}  // namespace
}  // namespace korvat::ui
