#pragma once
// Asks a player who entered the high-score table for a name. OK is the only way out.
#include <string>

#include "platform/Dialog.h"

namespace korvat::shell {

class PlayerNameDialog : public platform::Dialog {
  public:
    static constexpr int kNameBox = 1002;

    PlayerNameDialog();

    // UTF-8, at most 15 UTF-16 units; empty until OK.
    const std::string& name() const { return name_; }

    bool onInitDialog() override;
    void onCancel() override {}  // no Cancel: the name is always taken
    bool exchangeData(bool save) override;

  private:
    std::string name_;
};

}  // namespace korvat::shell
