#pragma once
// The title bar across the top of the device screen: the caption of the top page in white on
// dark blue, and the "ok" button at the right that confirms the page.
#include <SDL.h>

namespace korvat::platform {

// The "ok" button in device coordinates; taps anywhere in it count.
SDL_Rect titleBarOkButton();
void drawTitleBar(SDL_Surface* screen, const char* caption, bool okPressed);

}  // namespace korvat::platform
