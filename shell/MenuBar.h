#pragma once
// The main window's menu bar: the pop-ups of menu 139, a 6-pixel separator, the buttons of
// toolbar 141, and the keyboard shortcuts shown beside the items.
#include <memory>

#include "platform/CommandBar.h"

namespace korvat::shell {

// Failures to load the menu or the buttons leave a partial bar; the game plays on by taps.
std::unique_ptr<platform::CommandBar> buildMenuBar();

// The two rule-set items work as a pair of radio items.
void setRuleMarks(platform::CommandBar& bar, bool blockChecked);

}  // namespace korvat::shell
