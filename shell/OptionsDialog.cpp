#include "OptionsDialog.h"

#include "assets/Resources.h"
#include "storage/SettingsStore.h"

namespace korvat::shell {

OptionsDialog::OptionsDialog(storage::SettingsStore& store)
    : Dialog(res::kOptionsDialog), store_(store) {}

bool OptionsDialog::onInitDialog() {
    const bool focusFirst = Dialog::onInitDialog();

    shown_ = Settings{};
    store_.read(kSoundValue, shown_.soundOn);
    setChecked(kSoundCheck, shown_.soundOn == 1);
    store_.read(kJumpDelayValue, shown_.jumpDelay);
    store_.read(kMoveDelayValue, shown_.moveDelay);
    store_.read(kExplosionDelayValue, shown_.explosionDelay);
    store_.read(kAppearDelayValue, shown_.appearDelay);
    exchangeData(false);
    return focusFirst;
}

bool OptionsDialog::exchangeData(bool save) {
    // This order decides which box gets the focus when several are wrong.
    return exchangeUnsigned(save, kAppearBox, shown_.appearDelay) &&
           exchangeUnsigned(save, kExplosionBox, shown_.explosionDelay) &&
           exchangeUnsigned(save, kJumpBox, shown_.jumpDelay) &&
           exchangeUnsigned(save, kMoveBox, shown_.moveDelay);
}

void OptionsDialog::onOK() {
    if (!exchangeData(true)) {
        return;
    }
    store_.write(kSoundValue, isChecked(kSoundCheck) ? 1 : 0);
    store_.write(kJumpDelayValue, shown_.jumpDelay);
    store_.write(kMoveDelayValue, shown_.moveDelay);
    store_.write(kExplosionDelayValue, shown_.explosionDelay);
    store_.write(kAppearDelayValue, shown_.appearDelay);
    endModal(platform::kIdOK);
}

}  // namespace korvat::shell
