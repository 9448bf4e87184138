#include "FakeScreen.h"

#include <gtest/gtest.h>

#include "assets/Resources.h"

namespace korvat::ui::test {
namespace {

SDL_Surface* codedSheet(int w, int h, int tag) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < w; ++x) {
            row[x] = 0xFF000000u | coded(x, y, tag);
        }
    }
    return s;
}

// White with the four colon dots of the clock, two-colour indexed like the real image.
SDL_Surface* panelImage() {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 235, 29, 8, SDL_PIXELFORMAT_INDEX8);
    const SDL_Color colors[2] = {{255, 255, 255, 255}, {0, 0, 0, 255}};
    SDL_SetPaletteColors(s->format->palette, colors, 0, 2);
    SDL_FillRect(s, nullptr, 0);
    for (const auto& [x, y] : {std::pair{110, 22}, {110, 25}, {128, 22}, {128, 25}}) {
        static_cast<uint8_t*>(s->pixels)[y * s->pitch + x] = 1;
    }
    return s;
}

}  // namespace

uint32_t pixel(SDL_Surface* s, int x, int y) {
    const int bytes = s->format->BytesPerPixel;
    const uint8_t* at = static_cast<const uint8_t*>(s->pixels) + y * s->pitch + x * bytes;
    uint32_t raw = 0;
    switch (bytes) {
        case 1:
            raw = *at;
            break;
        case 2:
            raw = *reinterpret_cast<const uint16_t*>(at);
            break;
        case 4:
            raw = *reinterpret_cast<const uint32_t*>(at);
            break;
        default:
            ADD_FAILURE() << "unexpected pixel size " << bytes;
    }
    uint8_t r = 0, g = 0, b = 0;
    SDL_GetRGB(raw, s->format, &r, &g, &b);
    return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b;
}

bool sameArea(SDL_Surface* a, int ax, int ay, SDL_Surface* b, int bx, int by, int w, int h) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (pixel(a, ax + x, ay + y) != pixel(b, bx + x, by + y)) {
                return false;
            }
        }
    }
    return true;
}

FakeScreen::FakeScreen()
    : target_(SDL_CreateRGBSurfaceWithFormat(0, 240, 268, 32, SDL_PIXELFORMAT_RGB888)) {
    SDL_FillRect(target_, nullptr, kBackground);
    sheets_[res::kBoardImage] = codedSheet(235, 235, 1);
    sheets_[res::kBounceSheet] = codedSheet(168, 189, 2);
    sheets_[res::kBallSheet] = codedSheet(168, 210, 3);
    sheets_[res::kScoreDigits] = codedSheet(100, 20, 4);
    sheets_[res::kNextBallIcons] = codedSheet(120, 15, 5);
    sheets_[res::kClockDigits] = codedSheet(71, 8, 6);
    sheets_[res::kPanelImage] = panelImage();
}

FakeScreen::~FakeScreen() {
    for (SDL_Surface* s : handedOut_) {
        SDL_FreeSurface(s);
    }
    for (auto& [id, s] : sheets_) {
        SDL_FreeSurface(s);
    }
    SDL_FreeSurface(target_);
}

DrawContext FakeScreen::context() {
    return {target_, &FakeScreen::present, &FakeScreen::showMessage, &FakeScreen::sleep,
            this,    &FakeScreen::load};
}

SDL_Surface* FakeScreen::copyOfTarget() const {
    return SDL_DuplicateSurface(target_);
}

bool FakeScreen::allSheetsReleased() const {
    for (const SDL_Surface* s : handedOut_) {
        if (s->refcount != 1) {
            return false;
        }
    }
    return true;
}

SDL_Surface* FakeScreen::load(void* user, int id) {
    auto* self = static_cast<FakeScreen*>(user);
    self->loads.push_back(id);
    if (self->failing.count(id) != 0 || self->sheets_.count(id) == 0) {
        return nullptr;
    }
    SDL_Surface* copy = SDL_DuplicateSurface(self->sheets_[id]);
    ++copy->refcount;  // ours: the drawing code must drop its own reference
    self->handedOut_.push_back(copy);
    return copy;
}

void FakeScreen::present(void* user, const SDL_Rect* area) {
    static_cast<FakeScreen*>(user)->presents.push_back(*area);
}

void FakeScreen::showMessage(void* user, const char* text) {
    static_cast<FakeScreen*>(user)->messages.emplace_back(text);
}

void FakeScreen::sleep(void* user, uint32_t ms) {
    auto* self = static_cast<FakeScreen*>(user);
    if (self->onSleep) {
        self->onSleep();
    }
    self->sleeps.push_back(ms);
}

}  // namespace korvat::ui::test
