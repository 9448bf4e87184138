#include "MenuBar.h"

#include "assets/Commands.h"
#include "assets/Resources.h"

namespace korvat::shell {

std::unique_ptr<platform::CommandBar> buildMenuBar() {
    auto bar = std::make_unique<platform::CommandBar>();
    bar->addMenus(res::kMainMenu);
    bar->addSeparator(6);
    bar->addButtons(res::kToolbar);
    bar->setShortcutLabel(command::kSaveGame, "Ctrl+S");
    bar->setShortcutLabel(command::kLoadGame, "Ctrl+O");
    bar->setShortcutLabel(command::kExit, "Ctrl+Q");
    return bar;
}

void setRuleMarks(platform::CommandBar& bar, bool blockChecked) {
    bar.setCheck(command::kLinesMode, !blockChecked);
    bar.setCheck(command::kBlockMode, blockChecked);
}

}  // namespace korvat::shell
