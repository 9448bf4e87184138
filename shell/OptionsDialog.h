#pragma once
// The animation delays and the sound switch, read from and written to the settings store
// directly; the main window reloads its settings once the dialog has closed.
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

    bool onInitDialog() override;
    // Stores nothing unless every box holds a number.
    void onOK() override;
    bool exchangeData(bool save) override;

  private:
    storage::SettingsStore& store_;
    Settings shown_;  // the delays of the boxes, as last exchanged
};

}  // namespace korvat::shell
