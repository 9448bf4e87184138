#pragma once
// Where the files of the faces are: fontconfig's answer on the desktop, files that come with
// the program elsewhere (platform/web).
#include <string>

#include "platform/Font.h"

namespace korvat::platform {

// Starts the lookup; fontFileFor waits for it. Empty when the face has no file.
void prepareFontFiles();
const std::string& fontFileFor(FontFace face);

}  // namespace korvat::platform
