#pragma once
// The About picture in the player's language: the program's bitmap in English, drawn from the
// translated texts in the message font when the catalogue translates them.
#include <SDL.h>

#include <string>
#include <vector>

namespace korvat::shell {

struct AboutLine {
    int top;  // top row of the capitals' ink
    std::string text;
};

// The translated lines at the English rows, each block wrapped into the lines it has in
// English; `fits` is false when a block needs more lines or breaks inside a word.
std::vector<AboutLine> layOutAboutText(bool& fits);
// True when the catalogue translates any text of the picture.
bool aboutTextTranslated();
// The picture to show; the caller frees it. Null when it cannot be made.
SDL_Surface* loadAboutPicture();

}  // namespace korvat::shell
