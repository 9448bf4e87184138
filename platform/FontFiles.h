#pragma once
// Where the files of the faces are: fontconfig's answer on the desktop, files that come with
// the program elsewhere (platform/web).
#include <string>

#include "platform/Font.h"

namespace korvat::platform {

// Waits for the lookup prepareFonts started. Empty when the face has no file.
const std::string& fontFileFor(FontFace face);

}  // namespace korvat::platform
