#pragma once

namespace korvat::platform::web {

// From now on every window is made as large as the viewport in device pixels when it is shown.
void fitWindowsToViewport();

}  // namespace korvat::platform::web
