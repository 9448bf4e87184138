#include "OptionsDialog.h"

#include "assets/Resources.h"
#include "storage/SettingsStore.h"

namespace korvat::shell {

OptionsDialog::OptionsDialog(storage::SettingsStore& store)
    : Dialog(res::kOptionsDialog), store_(store) {}

bool OptionsDialog::onInitDialog() {
    const bool focusFirst = Dialog::onInitDialog();

    const Settings defaults{};
    appearDelay = defaults.appearDelay;
    explosionDelay = defaults.explosionDelay;
    jumpDelay = defaults.jumpDelay;
    moveDelay = defaults.moveDelay;
    uint32_t sound = defaults.soundOn;
    store_.read(kSoundValue, sound);
    setChecked(kSoundCheck, sound == 1);
    store_.read(kJumpDelayValue, jumpDelay);
    store_.read(kMoveDelayValue, moveDelay);
    store_.read(kExplosionDelayValue, explosionDelay);
    store_.read(kAppearDelayValue, appearDelay);
    exchangeData(false);
    return focusFirst;
}

bool OptionsDialog::exchangeData(bool save) {
    // This order decides which box gets the focus when several are wrong.
    return exchangeUnsigned(save, kAppearBox, appearDelay) &&
           exchangeUnsigned(save, kExplosionBox, explosionDelay) &&
           exchangeUnsigned(save, kJumpBox, jumpDelay) &&
           exchangeUnsigned(save, kMoveBox, moveDelay);
}

void OptionsDialog::onOK() {
    if (!exchangeData(true)) {
        return;
    }
    const uint32_t sound = isChecked(kSoundCheck) ? 1 : 0;
    store_.write(kSoundValue, sound);
    store_.write(kJumpDelayValue, jumpDelay);
    store_.write(kMoveDelayValue, moveDelay);
    store_.write(kExplosionDelayValue, explosionDelay);
    store_.write(kAppearDelayValue, appearDelay);
    endModal(platform::kIdOK);
}

}  // namespace korvat::shell
