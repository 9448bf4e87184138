// The catalogue lookup of the desktop's C library (glibc's gettext) for the browser's. The
// browser's (musl in Emscripten 3.1.6) reads its catalogues through mmap, and its lookup fails
// with an out-of-bounds access on the game's; this one reads each .mo file whole, once, and
// takes the languages from LANGUAGE as glibc does. These definitions take the place of the C
// library's at link time.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace {

constexpr uint32_t kMagic = 0x950412de;
constexpr size_t kMaxCatalogueBytes = 4 * 1024 * 1024;

// A catalogue's bytes, empty where a language has none.
using Catalogue = std::vector<uint8_t>;

std::string& folder() {
    static std::string dir;
    return dir;
}

std::map<std::string, Catalogue>& catalogues() {
    static std::map<std::string, Catalogue> loaded;
    return loaded;
}

uint32_t word(const std::vector<uint8_t>& bytes, size_t at) {
    uint32_t value = 0;
    if (at + 4 <= bytes.size()) {
        std::memcpy(&value, bytes.data() + at, 4);
    }
    return value;
}

const Catalogue& catalogueFor(const std::string& language, const char* domain) {
    const std::string path = folder() + "/" + language + "/LC_MESSAGES/" + domain + ".mo";
    auto [place, added] = catalogues().try_emplace(path);
    if (added) {
        std::vector<uint8_t> bytes;
        if (korvat::platform::readFileBounded(path, kMaxCatalogueBytes, bytes) ==
                korvat::platform::ReadResult::Ok &&
            word(bytes, 0) == kMagic) {
            place->second = std::move(bytes);
        }
    }
    return place->second;
}

// The translation of `key` in one catalogue, or null. Entries are checked against the file's
// size before they are read.
const char* lookUp(const Catalogue& b, const char* key) {
    const uint32_t count = word(b, 8);
    const uint32_t originals = word(b, 12);
    const uint32_t translations = word(b, 16);
    const size_t keyLength = std::strlen(key);
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t length = word(b, originals + 8 * size_t{i});
        const uint32_t at = word(b, originals + 8 * size_t{i} + 4);
        if (length != keyLength || size_t{at} + length >= b.size() ||
            std::memcmp(b.data() + at, key, length) != 0) {
            continue;
        }
        const uint32_t toLength = word(b, translations + 8 * size_t{i});
        const uint32_t to = word(b, translations + 8 * size_t{i} + 4);
        if (toLength == 0 || size_t{to} + toLength >= b.size()) {
            return nullptr;
        }
        return reinterpret_cast<const char*>(b.data() + to);
    }
    return nullptr;
}

// "de_DE.UTF-8@euro" is looked for as itself, then without its codeset, modifier and territory.
std::vector<std::string> variants(const std::string& language) {
    std::vector<std::string> names{language};
    std::string plain = language.substr(0, language.find('@'));
    plain = plain.substr(0, plain.find('.'));
    if (plain != language) {
        names.push_back(plain);
    }
    const size_t territory = plain.find('_');
    if (territory != std::string::npos) {
        names.push_back(plain.substr(0, territory));
    }
    return names;
}

}  // namespace

extern "C" char* bindtextdomain(const char*, const char* dir) {
    if (dir != nullptr) {
        folder() = dir;
        catalogues().clear();
    }
    return folder().data();
}

extern "C" char* bind_textdomain_codeset(const char*, const char* codeset) {
    return const_cast<char*>(codeset);
}

extern "C" char* textdomain(const char* domain) {
    static std::string current = "messages";
    if (domain != nullptr) {
        current = domain;
        catalogues().clear();
    }
    return current.data();
}

extern "C" char* dgettext(const char* domain, const char* key) {
    const char* languages = std::getenv("LANGUAGE");
    if (domain == nullptr || key == nullptr || languages == nullptr || folder().empty()) {
        return const_cast<char*>(key);
    }
    const std::string list = languages;
    for (size_t at = 0; at <= list.size();) {
        const size_t end = std::min(list.find(':', at), list.size());
        const std::string language = list.substr(at, end - at);
        at = end + 1;
        if (language.empty()) {
            continue;
        }
        for (const std::string& name : variants(language)) {
            if (const char* found = lookUp(catalogueFor(name, domain), key)) {
                return const_cast<char*>(found);
            }
        }
    }
    return const_cast<char*>(key);
}
