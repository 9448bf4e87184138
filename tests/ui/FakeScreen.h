#pragma once
// A 240 x 268 target and coded sheets for the drawing tests. A sheet pixel holds its own
// position and bitmap id (red = x, green = y, blue = id), so a target pixel tells exactly which
// sheet pixel was copied there. The context records what the drawing asks of its caller.
#include <SDL.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "assets/Resources.h"
#include "game/GameState.h"
#include "ui/Blit.h"
#include "ui/DrawContext.h"
#include "ui/Layout.h"

namespace korvat::ui::test {

constexpr uint32_t kBackground = 0x123456;  // the target before drawing

// 0xRRGGBB of a 32-bit surface.
inline uint32_t pixel(SDL_Surface* s, int x, int y) {
    return static_cast<const uint32_t*>(s->pixels)[y * s->pitch / 4 + x] & 0xFFFFFF;
}

// What every coded sheet holds at (x, y); each is 240 x 240, larger than any real one.
constexpr uint32_t sheetPixel(int id, int x, int y) {
    return static_cast<uint32_t>(x << 16 | y << 8 | id);
}

class FakeScreen {
  public:
    FakeScreen() { SDL_FillRect(target(), nullptr, kBackground); }

    DrawContext context() {
        DrawContext c;
        c.target = target();
        c.user = this;
        c.present = [](void* self, const SDL_Rect* r) {
            static_cast<FakeScreen*>(self)->presents.push_back({r->x, r->y, r->w, r->h});
        };
        c.showMessage = [](void* self, const char* text) {
            static_cast<FakeScreen*>(self)->messages.emplace_back(text);
        };
        c.loadBitmap = [](void* self, int id) -> SDL_Surface* {
            if (static_cast<FakeScreen*>(self)->failing.count(id) != 0) {
                return nullptr;
            }
            SDL_Surface* s =
                SDL_CreateRGBSurfaceWithFormat(0, 240, 240, 32, SDL_PIXELFORMAT_ARGB8888);
            for (int y = 0; y < s->h; ++y) {
                for (int x = 0; x < s->w; ++x) {
                    static_cast<uint32_t*>(s->pixels)[y * s->pitch / 4 + x] =
                        0xFF000000u | sheetPixel(id, x, y);
                }
            }
            return s;  // the caller frees it
        };
        return c;
    }
    SDL_Surface* target() const { return target_.get(); }
    // The target shows the area `from` of sheet `id` with its corner at `at`.
    bool shows(Point at, int id, Area from) {
        for (int y = 0; y < from.h; ++y) {
            for (int x = 0; x < from.w; ++x) {
                if (pixel(target(), at.x + x, at.y + y) != sheetPixel(id, from.x + x, from.y + y)) {
                    return false;
                }
            }
        }
        return true;
    }
    bool cellShows(CellPos cell, int color, int row) {
        return shows(cellOrigin(cell.x, cell.y), res::kBallSheet, ballSprite(color, row));
    }
    bool blank() const {  // as made: nothing drawn
        const FakeScreen fresh;
        const size_t bytes = target_->h * target_->pitch;
        return std::memcmp(target_->pixels, fresh.target_->pixels, bytes) == 0;
    }

    std::set<int> failing;  // ids whose loading fails
    std::vector<Area> presents;
    std::vector<std::string> messages;

  private:
    SurfacePtr target_{SDL_CreateRGBSurfaceWithFormat(0, 240, 268, 32, SDL_PIXELFORMAT_RGB888)};
};

}  // namespace korvat::ui::test
