#include "platform/Font.h"

namespace korvat::platform {
namespace {

// One open font per file, set to the size asked for last: each open face carries its own copy
// of the file's tables and shaping data, and the sizes in use differ by a pixel or two.
struct OpenFont {
    bool tried = false;  // a failed open is remembered, so it is not retried every frame
    TTF_Font* font = nullptr;
    int pixelHeight = 0;
};

// Open for the life of the process and never closed.
OpenFont& openFont(FontFace face) {
    static OpenFont regular;
    static OpenFont bold;
    return face == FontFace::SystemBold ? bold : regular;
}

bool ttfReady() {
    static const bool ready = TTF_WasInit() > 0 || TTF_Init() == 0;
    return ready;
}

}  // namespace

TTF_Font* font(FontFace face, int pixelHeight) {
    if (pixelHeight <= 0) {
        return nullptr;
    }
    OpenFont& open = openFont(face);
    if (!open.tried) {
        open.tried = true;
        const std::string path = ttfReady() ? fontFileFor(face) : std::string();
        if (!path.empty()) {
            // SDL_ttf sizes at 72 dpi, so the point size is the em height in pixels.
            open.font = TTF_OpenFont(path.c_str(), pixelHeight);
            open.pixelHeight = pixelHeight;
        }
        if (open.font != nullptr && face == FontFace::SystemBold &&
            path.find("Bold") == std::string::npos) {
            TTF_SetFontStyle(open.font, TTF_STYLE_BOLD);
        }
    }
    if (open.font != nullptr && open.pixelHeight != pixelHeight &&
        TTF_SetFontSize(open.font, pixelHeight) == 0) {
        open.pixelHeight = pixelHeight;
    }
    return open.pixelHeight == pixelHeight ? open.font : nullptr;
}

int drawText(SDL_Surface* target, int x, int y, const char* utf8, SDL_Color color, FontFace face,
             int pixelHeight) {
    if (target == nullptr || utf8 == nullptr || utf8[0] == '\0') {
        return 0;
    }
    TTF_Font* f = font(face, pixelHeight);
    if (f == nullptr) {
        return 0;
    }
    color.a = 255;
    SDL_Surface* glyphs = TTF_RenderUTF8_Blended(f, utf8, color);
    if (glyphs == nullptr) {
        return 0;
    }
    SDL_SetSurfaceBlendMode(glyphs, SDL_BLENDMODE_BLEND);
    SDL_Rect place{x, y, glyphs->w, glyphs->h};
    SDL_BlitSurface(glyphs, nullptr, target, &place);
    const int width = glyphs->w;
    SDL_FreeSurface(glyphs);
    return width;
}

int textWidth(const char* utf8, FontFace face, int pixelHeight) {
    if (utf8 == nullptr || utf8[0] == '\0') {
        return 0;
    }
    TTF_Font* f = font(face, pixelHeight);
    int width = 0;
    if (f == nullptr || TTF_SizeUTF8(f, utf8, &width, nullptr) != 0) {
        return 0;
    }
    return width;
}

}  // namespace korvat::platform
