#include "platform/ControlsDrawing.h"

#include "platform/Controls.h"
#include "platform/Font.h"

namespace korvat::platform::draw {

void fill(SDL_Surface* target, const SDL_Rect& area, SDL_Color color) {
    SDL_FillRect(target, &area, SDL_MapRGB(target->format, color.r, color.g, color.b));
}

void frame(SDL_Surface* target, const SDL_Rect& area, SDL_Color color, int thickness) {
    const int t = thickness;
    fill(target, {area.x, area.y, area.w, t}, color);
    fill(target, {area.x, area.y + area.h - t, area.w, t}, color);
    fill(target, {area.x, area.y, t, area.h}, color);
    fill(target, {area.x + area.w - t, area.y, t, area.h}, color);
}

void dottedFrame(SDL_Surface* target, const SDL_Rect& area, SDL_Color color) {
    for (int x = area.x; x < area.x + area.w; x += 2) {
        fill(target, {x, area.y, 1, 1}, color);
        fill(target, {x, area.y + area.h - 1, 1, 1}, color);
    }
    for (int y = area.y; y < area.y + area.h; y += 2) {
        fill(target, {area.x, y, 1, 1}, color);
        fill(target, {area.x + area.w - 1, y, 1, 1}, color);
    }
}

int lineHeight() {
    TTF_Font* f = font(FontFace::System, kDialogFontPixels);
    return f != nullptr ? TTF_FontHeight(f) : kDialogFontPixels + 2;
}

int textInRect(SDL_Surface* target, const SDL_Rect& area, int inset, const char* utf8,
               SDL_Color color) {
    ClipScope clip(target, area);
    const int y = area.y + (area.h - lineHeight()) / 2;
    drawText(target, area.x + inset, y, utf8, color, FontFace::System, kDialogFontPixels);
    return textWidth(utf8, FontFace::System, kDialogFontPixels);
}

void centredText(SDL_Surface* target, const SDL_Rect& area, const char* utf8, SDL_Color color) {
    const int width = textWidth(utf8, FontFace::System, kDialogFontPixels);
    textInRect(target, area, (area.w - width) / 2, utf8, color);
}

ClipScope::ClipScope(SDL_Surface* target, const SDL_Rect& area) : target_(target) {
    SDL_GetClipRect(target_, &previous_);
    SDL_Rect narrowed{};
    if (!SDL_IntersectRect(&previous_, &area, &narrowed)) {
        narrowed = {area.x, area.y, 0, 0};
    }
    SDL_SetClipRect(target_, &narrowed);
}

ClipScope::~ClipScope() {
    SDL_SetClipRect(target_, &previous_);
}

}  // namespace korvat::platform::draw
