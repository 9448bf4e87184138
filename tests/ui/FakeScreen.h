#pragma once
// A 240 x 268 client surface with in-memory sheets and a recording context for the drawing
// tests. Sheet pixels encode their own position (red = x, green = y, blue = the bitmap id), so
// a target pixel tells exactly which sheet pixel was copied there.
#include <SDL.h>

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "assets/Resources.h"
#include "game/GameState.h"
#include "ui/DrawContext.h"
#include "ui/Layout.h"

namespace korvat::ui::test {

constexpr uint32_t kBackground = 0x123456;  // the target before drawing

// 0xRRGGBB; every surface here is 32 bits, XRGB or ARGB.
inline uint32_t pixel(SDL_Surface* s, int x, int y) {
    return static_cast<const uint32_t*>(s->pixels)[y * s->pitch / 4 + x] & 0xFFFFFF;
}

inline bool sameArea(SDL_Surface* a, int ax, int ay, SDL_Surface* b, int bx, int by, int w, int h) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (pixel(a, ax + x, ay + y) != pixel(b, bx + x, by + y)) {
                return false;
            }
        }
    }
    return true;
}

inline GameState emptyState() {
    GameState state;
    for (int32_t& cell : state.board.cells) {
        cell = EMPTY;
    }
    return state;
}

class FakeScreen {
  public:
    FakeScreen()
        : target_(SDL_CreateRGBSurfaceWithFormat(0, 240, 268, 32, SDL_PIXELFORMAT_RGB888)) {
        SDL_FillRect(target_, nullptr, kBackground);
        const int sizes[][3] = {{res::kPanelImage, 235, 29},   {res::kBoardImage, 235, 235},
                                {res::kBounceSheet, 168, 189}, {res::kBallSheet, 168, 210},
                                {res::kScoreDigits, 100, 20},  {res::kNextBallIcons, 120, 15},
                                {res::kClockDigits, 71, 8}};
        for (const auto& [id, w, h] : sizes) {
            SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    const SDL_Rect dot{x, y, 1, 1};
                    SDL_FillRect(s, &dot, 0xFF000000u | (x << 16) | (y << 8) | id);
                }
            }
            sheets_[id] = s;
        }
    }
    ~FakeScreen() {
        for (auto& [id, s] : sheets_) {
            SDL_FreeSurface(s);
        }
        SDL_FreeSurface(target_);
    }
    FakeScreen(const FakeScreen&) = delete;
    FakeScreen& operator=(const FakeScreen&) = delete;

    DrawContext context() {
        DrawContext c;
        c.target = target_;
        c.user = this;
        c.present = [](void* self, const SDL_Rect* area) {
            static_cast<FakeScreen*>(self)->presents.push_back(*area);
        };
        c.showMessage = [](void* self, const char* text) {
            static_cast<FakeScreen*>(self)->messages.emplace_back(text);
        };
        c.sleep = [](void* self, uint32_t ms) {
            auto* screen = static_cast<FakeScreen*>(self);
            if (screen->onSleep) {
                screen->onSleep();
            }
            screen->sleeps.push_back(ms);
        };
        c.loadBitmap = [](void* self, int id) {
            // The caller frees it; the sanitized build reports a copy that is never freed.
            auto* screen = static_cast<FakeScreen*>(self);
            return screen->failing.count(id) != 0 ? nullptr
                                                  : SDL_DuplicateSurface(screen->sheet(id));
        };
        return c;
    }
    SDL_Surface* target() { return target_; }
    // The sheet that the loader hands out for a bitmap id (copies of it).
    SDL_Surface* sheet(int id) { return sheets_.at(id); }
    uint32_t sheetPixel(int id, int x, int y) { return pixel(sheet(id), x, y); }
    // The ball sheet's sprite (colour, row) is what the cell shows.
    bool cellShows(CellPos cell, int color, int row) {
        const Point at = cellOrigin(cell.x, cell.y);
        return sameArea(target_, at.x, at.y, sheet(res::kBallSheet), 21 * color, 21 * row, 21, 21);
    }
    bool sameAs(SDL_Surface* before) { return sameArea(target_, 0, 0, before, 0, 0, 240, 268); }

    std::set<int> failing;  // ids whose loading fails
    std::vector<SDL_Rect> presents;
    std::vector<std::string> messages;
    std::vector<uint32_t> sleeps;
    std::function<void()> onSleep;  // runs at each sleep, before it is recorded

  private:
    SDL_Surface* target_;
    std::map<int, SDL_Surface*> sheets_;
};

}  // namespace korvat::ui::test
