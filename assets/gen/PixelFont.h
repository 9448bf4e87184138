#pragma once
// A small proportional pixel font for the About picture. Glyph cells are 11 rows high: capitals
// and ascenders fill rows 0 to 8, the baseline lies under row 8, descenders reach row 10.
#include "Image.h"

namespace korvat::assetgen {

constexpr int kGlyphRows = 11;

// The first row of the cell that carries ink in any glyph of `text`.
int inkTop(const char* text);
// Width in pixels, one blank column between glyphs.
int textWidth(const char* text);
// Draws `text` with the cell top at `top`; returns the width drawn. Characters the font lacks
// stop the generator, so every text of the program is known to be drawable.
int drawText(Image& image, int left, int top, const char* text, Rgb colour);

}  // namespace korvat::assetgen
