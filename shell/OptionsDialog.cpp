#include "OptionsDialog.h"

#include "assets/Resources.h"
#include "storage/SettingsStore.h"

namespace korvat::shell {
namespace {

constexpr uint32_t kDefaultDelay = 100;

}  // namespace

OptionsDialog::OptionsDialog(platform::KeyValueStore& store)
    : Dialog(res::kOptionsDialog), store_(store) {}

bool OptionsDialog::onInitDialog() {
    const bool focusFirst = Dialog::onInitDialog();

    appearDelay = explosionDelay = jumpDelay = moveDelay = kDefaultDelay;
    uint32_t sound = 1;
    storage::readSettingsValue(store_, storage::kSoundValue, sound);
    setChecked(kSoundCheck, sound == 1);
    storage::readSettingsValue(store_, storage::kJumpDelayValue, jumpDelay);
    storage::readSettingsValue(store_, storage::kMoveDelayValue, moveDelay);
    storage::readSettingsValue(store_, storage::kExplosionDelayValue, explosionDelay);
    storage::readSettingsValue(store_, storage::kAppearDelayValue, appearDelay);
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
    storage::writeSettingsValue(store_, storage::kSoundValue, sound);
    storage::writeSettingsValue(store_, storage::kJumpDelayValue, jumpDelay);
    storage::writeSettingsValue(store_, storage::kMoveDelayValue, moveDelay);
    storage::writeSettingsValue(store_, storage::kExplosionDelayValue, explosionDelay);
    storage::writeSettingsValue(store_, storage::kAppearDelayValue, appearDelay);
    endModal(platform::kIdOK);
}

}  // namespace korvat::shell
