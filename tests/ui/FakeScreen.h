#pragma once
// A 240 x 268 client surface with in-memory sheets and a recording context for the drawing
// tests. Sheet pixels encode their own position (red = x, green = y, blue = a sheet tag), so a
// target pixel tells exactly which sheet pixel was copied there.
#include <SDL.h>

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/DrawContext.h"

namespace korvat::ui::test {

constexpr uint32_t kBackground = 0x123456;  // the target before drawing
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

constexpr uint32_t coded(int x, int y, int tag) {
    return (uint32_t(x) << 16) | (uint32_t(y) << 8) | uint32_t(tag);
}

uint32_t pixel(SDL_Surface* s, int x, int y);  // 0xRRGGBB
bool sameArea(SDL_Surface* a, int ax, int ay, SDL_Surface* b, int bx, int by, int w, int h);

class FakeScreen {
  public:
    FakeScreen();
    ~FakeScreen();
    FakeScreen(const FakeScreen&) = delete;
    FakeScreen& operator=(const FakeScreen&) = delete;

    // The sheet that the loader hands out for a bitmap id (copies of it).
    SDL_Surface* sheet(int id) { return sheets_.at(id); }
    // Sheet pixel of a sprite cell, as it must appear on the target.
    uint32_t sheetPixel(int id, int x, int y) { return pixel(sheet(id), x, y); }

    DrawContext context();
    SDL_Surface* target() { return target_; }
    SDL_Surface* copyOfTarget() const;  // caller frees
    // True when every bitmap handed out has been freed again.
    bool allSheetsReleased() const;

    std::set<int> failing;   // ids whose loading fails
    std::vector<int> loads;  // ids asked for, in order
    std::vector<SDL_Rect> presents;
    std::vector<std::string> messages;
    std::vector<uint32_t> sleeps;
    std::function<void()> onSleep;  // runs at each sleep, before it is recorded

  private:
    static SDL_Surface* load(void* user, int id);
    static void present(void* user, const SDL_Rect* area);
    static void showMessage(void* user, const char* text);
    static void sleep(void* user, uint32_t ms);

    SDL_Surface* target_;
    std::map<int, SDL_Surface*> sheets_;
    std::vector<SDL_Surface*> handedOut_;  // each with one extra reference of ours
};

}  // namespace korvat::ui::test
