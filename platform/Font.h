#pragma once
// Text for the screen chrome and the dialogs: DejaVu Sans, found through fontconfig, stands
// in for the device's "System" and "Verdana" faces.
#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

namespace korvat::platform {

enum class FontFace { System, SystemBold, Verdana };

// Starts looking the font files up in the background. Fontconfig reads its configuration and
// caches on first use, milliseconds that would otherwise delay the first frame; started before
// the window is made, the lookup runs while the display is being set up.
void prepareFonts();
// The file of a face, once the lookup is done (it waits for it); empty when there is none.
// Fontconfig's answer on the desktop (FontFiles.cpp), files that come with the program
// elsewhere (platform/web).
const std::string& fontFileFor(FontFace face);

// Open for the life of the program and set to `pixelHeight` until the next call; nullptr when
// no font can be opened (text is then skipped).
TTF_Font* font(FontFace face, int pixelHeight);

// Draws UTF-8 text with its top-left corner at (x, y), glyphs only (transparent background).
// Returns the width drawn.
int drawText(SDL_Surface* target, int x, int y, const char* utf8, SDL_Color color,
             FontFace face = FontFace::System, int pixelHeight = 12);
int textWidth(const char* utf8, FontFace face = FontFace::System, int pixelHeight = 12);

}  // namespace korvat::platform
