#include "MenuBar.h"

#include "assets/Commands.h"
#include "assets/Resources.h"
#include "platform/Translation.h"

namespace korvat::shell {

std::unique_ptr<platform::CommandBar> buildMenuBar() {
    auto bar = std::make_unique<platform::CommandBar>();
    bar->addMenus(res::kMainMenu);
    bar->addSeparator(6);
    bar->addButtons(res::kToolbar);
    // TRANSLATORS: the keys shown beside Save game, Load game and Exit, named as the keyboards
    // of your language label them.
    bar->setShortcutLabel(command::kSaveGame, platform::tr("Ctrl+S"));
    bar->setShortcutLabel(command::kLoadGame, platform::tr("Ctrl+O"));
    bar->setShortcutLabel(command::kExit, platform::tr("Ctrl+Q"));
    return bar;
}

void setRuleMarks(platform::CommandBar& bar, bool blockChecked) {
    bar.setCheck(command::kLinesMode, !blockChecked);
    bar.setCheck(command::kBlockMode, blockChecked);
}

}  // namespace korvat::shell
