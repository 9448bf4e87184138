#pragma once
// Plumbing shared by the drawing operations: owned surfaces, plain copies, presenting.
#include <SDL.h>

#include <cstdint>
#include <memory>

#include "assets/TextMarker.h"
#include "ui/DrawContext.h"
#include "ui/Layout.h"

namespace korvat::ui {

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;

// TRANSLATORS: shown when a picture of the game cannot be loaded.
inline constexpr const char* kLoadErrorText = N_("ERROR!");

// One of the program's bitmaps, through the context's loader; null when it cannot be loaded.
SurfacePtr loadSheet(const DrawContext& ctx, int id);
// An off-screen surface of the target's pixel format; null when it cannot be made.
SurfacePtr createOffscreen(const SDL_Surface* like, int32_t width, int32_t height);

// Copies `from` of `src` to (x, y) of `dst`, replacing the pixels (no blending, no key).
void copyArea(SDL_Surface* src, Area from, SDL_Surface* dst, Point to);
// The ball sprite of a colour 1..7 in a row; other colours draw nothing.
void copyBall(SDL_Surface* sheet, int32_t color, int32_t row, SDL_Surface* dst, Point to);

void present(const DrawContext& ctx, Area area);
// copyBall onto the cell's sprite area of the target, then presents that area.
void showBall(const DrawContext& ctx, SDL_Surface* sheet, int32_t color, int32_t row, CellPos cell);
void reportLoadError(const DrawContext& ctx);

inline Area cellArea(CellPos cell) {
    const Point p = cellOrigin(cell.x, cell.y);
    return {p.x, p.y, kBallWidth, kBallHeight};
}

}  // namespace korvat::ui
