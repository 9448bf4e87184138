// The faces come with the page, in the program's own file system: the browser has no fonts to
// look up, and the same files as the desktop's draw the same pixels.
#include "platform/Font.h"

namespace korvat::platform {

void prepareFonts() {}

const std::string& fontFileFor(FontFace face) {
    static const std::string regular = "/fonts/DejaVuSans.ttf";
    static const std::string bold = "/fonts/DejaVuSans-Bold.ttf";
    return face == FontFace::SystemBold ? bold : regular;
}

}  // namespace korvat::platform
