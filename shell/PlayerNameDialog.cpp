#include "PlayerNameDialog.h"

#include "assets/Resources.h"
#include "game/HighScoreTable.h"

namespace korvat::shell {

PlayerNameDialog::PlayerNameDialog() : Dialog(res::kPlayerNameDialog) {}

bool PlayerNameDialog::onInitDialog() {
    const bool focusFirst = Dialog::onInitDialog();
    limitText(kNameBox, kNameMaxChars);
    return focusFirst;
}

bool PlayerNameDialog::exchangeData(bool save) {
    exchangeText(save, kNameBox, name_);
    return true;
}

}  // namespace korvat::shell
