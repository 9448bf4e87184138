#include "ui/Sound.h"

#include "platform/Audio.h"

namespace korvat::ui {

void playSound(SoundId id) {
    platform::playSoundResource(soundResource(id));
}

}  // namespace korvat::ui
