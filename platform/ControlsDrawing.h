#pragma once
// Drawing primitives shared by the controls and dialogs: solid and dotted frames, fills and
// clipped text, in the black-on-white device style.
#include <SDL.h>

namespace korvat::platform::draw {

constexpr SDL_Color kBlack{0, 0, 0, 255};
constexpr SDL_Color kWhite{255, 255, 255, 255};
constexpr SDL_Color kGrey{128, 128, 128, 255};
constexpr SDL_Color kSelection{0, 0, 128, 255};

void fill(SDL_Surface* target, const SDL_Rect& area, SDL_Color color);
// A frame `thickness` pixels wide inside `area`.
void frame(SDL_Surface* target, const SDL_Rect& area, SDL_Color color, int thickness = 1);
// Every other pixel of a 1-pixel frame: the focus mark.
void dottedFrame(SDL_Surface* target, const SDL_Rect& area, SDL_Color color);
// Text vertically centred in `area`, starting `inset` pixels from its left edge (negative
// scrolls it left) and clipped to it. Returns the width of the text.
int textInRect(SDL_Surface* target, const SDL_Rect& area, int inset, const char* utf8,
               SDL_Color color);
// Text centred both ways in `area`, clipped to it.
void centredText(SDL_Surface* target, const SDL_Rect& area, const char* utf8, SDL_Color color);
int lineHeight();

// Narrows the clip rectangle of `target` for its lifetime, restoring the previous one after.
class ClipScope {
  public:
    ClipScope(SDL_Surface* target, const SDL_Rect& area);
    ~ClipScope();
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

  private:
    SDL_Surface* target_;
    SDL_Rect previous_;
};

}  // namespace korvat::platform::draw
