#pragma once
// The animation delays and the sound switch, read from and written to the settings store
// directly; the main window reloads its settings once the dialog has closed.
#include <cstdint>

#include "platform/Dialog.h"
#include "storage/SettingsStore.h"

namespace korvat::shell {

class OptionsDialog : public platform::Dialog {
  public:
    static constexpr int kJumpBox = 1002;
    static constexpr int kMoveBox = 1003;
    static constexpr int kExplosionBox = 1004;
    static constexpr int kAppearBox = 1005;
    static constexpr int kSoundCheck = 1008;

    explicit OptionsDialog(storage::SettingsStore& store);

    uint32_t appearDelay = 0;
    uint32_t explosionDelay = 0;
    uint32_t jumpDelay = 0;
    uint32_t moveDelay = 0;

    bool onInitDialog() override;
    // Stores nothing unless every box holds a number.
    void onOK() override;
    bool exchangeData(bool save) override;

  private:
    storage::SettingsStore& store_;
};

}  // namespace korvat::shell
