#include "PlayerNameDialog.h"

#include "assets/Resources.h"
#include "game/HighScoreTable.h"

namespace korvat::shell {

PlayerNameDialog::PlayerNameDialog() : Dialog(res::kPlayerNameDialog) {}

bool PlayerNameDialog::OnInitDialog() {
    const bool focusFirst = Dialog::OnInitDialog();
    limitText(kNameBox, kNameMaxChars);
    return focusFirst;
}

bool PlayerNameDialog::DoDataExchange(bool save) {
    exchangeText(save, kNameBox, name_);
    return true;
}

}  // namespace korvat::shell
