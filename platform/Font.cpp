#include "platform/Font.h"

#include <dlfcn.h>
#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <future>
#include <string>

namespace korvat::platform {
namespace {

// Fontconfig is asked twice, at start-up, and never again: it is loaded for the lookup and
// unloaded after it, so that its code does not stay resident with the game.
struct Fontconfig {
    void* library = nullptr;
    bool ready = false;
    decltype(&FcInit) init = nullptr;
    decltype(&FcFini) fini = nullptr;
    decltype(&FcNameParse) nameParse = nullptr;
    decltype(&FcConfigSubstitute) configSubstitute = nullptr;
    decltype(&FcDefaultSubstitute) defaultSubstitute = nullptr;
    decltype(&FcFontMatch) fontMatch = nullptr;
    decltype(&FcPatternGetString) patternGetString = nullptr;
    decltype(&FcPatternDestroy) patternDestroy = nullptr;

    template <typename F>
    bool find(F& function, const char* name) {
        function = reinterpret_cast<F>(dlsym(library, name));
        return function != nullptr;
    }

    bool load() {
        library = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_LOCAL);
        return library != nullptr && find(init, "FcInit") && find(fini, "FcFini") &&
               find(nameParse, "FcNameParse") && find(configSubstitute, "FcConfigSubstitute") &&
               find(defaultSubstitute, "FcDefaultSubstitute") && find(fontMatch, "FcFontMatch") &&
               find(patternGetString, "FcPatternGetString") &&
               find(patternDestroy, "FcPatternDestroy") && (ready = init());
    }

    // Finds the file of a face; empty when nothing matches.
    std::string matchFile(const char* pattern) const {
        FcPattern* wanted = nameParse(reinterpret_cast<const FcChar8*>(pattern));
        if (wanted == nullptr) {
            return {};
        }
        configSubstitute(nullptr, wanted, FcMatchPattern);
        defaultSubstitute(wanted);
        FcResult result = FcResultNoMatch;
        FcPattern* match = fontMatch(nullptr, wanted, &result);
        std::string path;
        FcChar8* file = nullptr;
        if (match != nullptr && patternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            path = reinterpret_cast<const char*>(file);
        }
        if (match != nullptr) {
            patternDestroy(match);
        }
        patternDestroy(wanted);
        return path;
    }

    ~Fontconfig() {
        if (ready) {
            fini();
        }
#if !defined(__SANITIZE_ADDRESS__)
        // The leak checker names fontconfig's own leftovers by its library, which must stay.
        if (library != nullptr) {
            dlclose(library);
        }
#endif
    }
};

// Every face is one of two files, so they are looked up once for all sizes.
struct FontFiles {
    std::string regular;
    std::string bold;
};

const std::shared_future<FontFiles>& fontFiles() {
    static const std::shared_future<FontFiles> files =
        std::async(std::launch::async, [] {
            Fontconfig fontconfig;
            if (!fontconfig.load()) {
                return FontFiles{};
            }
            return FontFiles{fontconfig.matchFile("DejaVu Sans"),
                             fontconfig.matchFile("DejaVu Sans:bold")};
        }).share();
    return files;
}

const std::string& fileFor(FontFace face) {
    const FontFiles& files = fontFiles().get();
    return face == FontFace::SystemBold ? files.bold : files.regular;
}

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

void prepareFonts() {
    // One malloc arena: the lookup thread would otherwise open a second one, whose pages stay
    // resident after fontconfig has freed its memory into it.
    mallopt(M_ARENA_MAX, 1);
    fontFiles();
}

TTF_Font* font(FontFace face, int pixelHeight) {
    if (pixelHeight <= 0) {
        return nullptr;
    }
    OpenFont& open = openFont(face);
    if (!open.tried) {
        open.tried = true;
        const std::string path = ttfReady() ? fileFor(face) : std::string();
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
