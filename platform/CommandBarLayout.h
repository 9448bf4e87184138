#pragma once
// Sizes of the menu bar's parts and pop-ups, shared by the files of CommandBar.
#include <algorithm>

#include "platform/Display.h"
namespace korvat::platform::bar {

constexpr int kTextPixels = 12;
constexpr int kDropDownPadding = 8;  // left and right of a drop-down label
constexpr int kButtonWidth = 23;     // a 16-pixel image with its frame
constexpr int kToolbarSeparator = 6;
constexpr int kItemHeight = 20;
constexpr int kSeparatorHeight = 7;
constexpr int kCheckColumn = 18;  // left of the item texts
constexpr int kArrowColumn = 16;  // right of the texts, room for the sub-pop-up arrow
constexpr int kShortcutGap = 14;

// The index of the drop-down or button whose rectangle holds a device point; -1 for none.
template <typename Parts>
int partAt(const Parts& parts, int x, int y) {
    const auto hit = std::find_if(parts.begin(), parts.end(),
                                  [&](const auto& part) { return contains(part.rect, x, y); });
    return hit != parts.end() ? static_cast<int>(hit - parts.begin()) : -1;
}

}  // namespace korvat::platform::bar
