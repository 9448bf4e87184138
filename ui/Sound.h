#pragma once
// The four sound effects, played in the background from the program's wave resources.
#include "assets/Resources.h"
#include "game/Types.h"

namespace korvat::ui {

constexpr int soundResource(SoundId id) {
    switch (id) {
        case SoundId::BounceTick:
            return res::kBounceTickWave;
        case SoundId::Refusal:
            return res::kRefusalWave;
        case SoundId::Appearance:
            return res::kAppearanceWave;
        case SoundId::Explosion:
            return res::kExplosionWave;
    }
    return 0;
}

// The caller has checked the sound switch. Returns at once.
void playSound(SoundId id);

}  // namespace korvat::ui
