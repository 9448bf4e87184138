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

}  // namespace

void prepareFonts() {
    // One malloc arena: the lookup thread would otherwise open a second one, whose pages stay
    // resident after fontconfig has freed its memory into it.
    mallopt(M_ARENA_MAX, 1);
    fontFiles();
}

const std::string& fontFileFor(FontFace face) {
    const FontFiles& files = fontFiles().get();
    return face == FontFace::SystemBold ? files.bold : files.regular;
}

}  // namespace korvat::platform
