#include "ui/Blit.h"

#include "ui/ProgramBitmaps.h"

namespace korvat::ui {

SurfacePtr loadSheet(const DrawContext& ctx, int id) {
    return SurfacePtr(ctx.loadBitmap ? ctx.loadBitmap(ctx.user, id) : loadProgramBitmap(id));
}

SurfacePtr createOffscreen(const SDL_Surface* like, int32_t width, int32_t height) {
    if (like == nullptr) {
        return nullptr;
    }
    Uint32 format = like->format->format;
    // An indexed target would need its palette; compose in true colour instead.
    if (SDL_ISPIXELFORMAT_INDEXED(format)) {
        format = SDL_PIXELFORMAT_ARGB8888;
    }
    return SurfacePtr(
        SDL_CreateRGBSurfaceWithFormat(0, width, height, SDL_BITSPERPIXEL(format), format));
}

void copyArea(SDL_Surface* src, Area from, SDL_Surface* dst, Point to) {
    if (src == nullptr || dst == nullptr || from.w <= 0 || from.h <= 0) {
        return;
    }
    SDL_SetSurfaceBlendMode(src, SDL_BLENDMODE_NONE);
    SDL_SetColorKey(src, SDL_FALSE, 0);
    SDL_Rect s{from.x, from.y, from.w, from.h};
    SDL_Rect d{to.x, to.y, from.w, from.h};  // SDL clips and rewrites it
    SDL_BlitSurface(src, &s, dst, &d);
}

void copyBall(SDL_Surface* sheet, int32_t color, int32_t row, SDL_Surface* dst, Point to) {
    if (isBallColor(color)) {
        copyArea(sheet, ballSprite(color, row), dst, to);
    }
}

void present(const DrawContext& ctx, Area area) {
    if (ctx.present == nullptr || ctx.target == nullptr) {
        return;
    }
    const SDL_Rect wanted{area.x, area.y, area.w, area.h};
    const SDL_Rect whole{0, 0, ctx.target->w, ctx.target->h};
    SDL_Rect shown;
    if (SDL_IntersectRect(&wanted, &whole, &shown)) {
        ctx.present(ctx.user, &shown);
    }
}

void showBall(const DrawContext& ctx, SDL_Surface* sheet, int32_t color, int32_t row,
              CellPos cell) {
    const Area at = cellArea(cell);
    copyBall(sheet, color, row, ctx.target, {at.x, at.y});
    present(ctx, at);
}

void reportLoadError(const DrawContext& ctx) {
    if (ctx.showMessage != nullptr) {
        ctx.showMessage(ctx.user, kLoadErrorText);
    }
}

}  // namespace korvat::ui
