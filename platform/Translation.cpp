#include "platform/Translation.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace korvat::platform {
namespace {

constexpr char kDomain[] = "korvat";

// Until a catalogue is chosen every lookup returns its English at once, so an English session
// never reaches gettext at all.
bool active = false;

const char* nonEmptyVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

bool isPlainCLocale(const std::string& name) {
    return name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

bool isEnglish(const std::string& language) {
    return language == "en" || language.rfind("en_", 0) == 0 || language.rfind("en.", 0) == 0 ||
           language.rfind("en@", 0) == 0;
}

}  // namespace

std::string requestedLanguages() {
    const char* locale = nullptr;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = locale != nullptr ? locale : nonEmptyVariable(name);
    }
    if (locale == nullptr || isPlainCLocale(locale)) {
        return {};
    }
    const char* languages = nonEmptyVariable("LANGUAGE");
    const std::string list = languages != nullptr ? languages : locale;
    // English is the source: the languages after it would only stand in for a missing English
    // catalogue, so they are dropped.
    std::string wanted;
    size_t at = 0;
    while (at <= list.size()) {
        size_t end = list.find(':', at);
        if (end == std::string::npos) {
            end = list.size();
        }
        const std::string language = list.substr(at, end - at);
        at = end + 1;
        if (language.empty()) {
            continue;
        }
        if (isEnglish(language) || isPlainCLocale(language)) {
            break;
        }
        wanted += (wanted.empty() ? "" : ":") + language;
    }
    return wanted;
}

bool startTranslations(const std::string& localeDir) {
    const std::string languages = requestedLanguages();
    active = !languages.empty();
    if (!active) {
        return false;
    }
    bindtextdomain(kDomain, localeDir.c_str());
    bind_textdomain_codeset(kDomain, "UTF-8");
    // gettext translates nothing in the C locale. When the player's locale is not installed,
    // C.UTF-8 (always there in glibc) carries the messages, and LANGUAGE names the catalogue.
    const char* messages = std::setlocale(LC_MESSAGES, "");
    if (messages == nullptr || std::strcmp(messages, "C") == 0 ||
        std::strcmp(messages, "POSIX") == 0) {
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    }
    setenv("LANGUAGE", languages.c_str(), 1);
    // Setting the domain again drops what gettext cached for the previous languages.
    textdomain(kDomain);
    return true;
}

std::string catalogueDirectory(const std::string& programDir) {
    std::filesystem::path program = std::filesystem::path(programDir).lexically_normal();
    if (!program.has_filename()) {
        program = program.parent_path();  // "/usr/games/" is the folder "/usr/games"
    }
    std::error_code error;
    if (std::filesystem::is_directory(program / "locale", error)) {
        return (program / "locale").string();
    }
    return (program.parent_path() / "share" / "locale").lexically_normal().string();
}

const char* tr(const char* english) {
    return active && english != nullptr && *english != '\0' ? dgettext(kDomain, english) : english;
}

const char* trContext(const char* context, const char* english) {
    if (!active || english == nullptr || *english == '\0') {
        return english;
    }
    const std::string key = std::string(context) + '\004' + english;
    const char* translated = dgettext(kDomain, key.c_str());
    return translated == key.c_str() ? english : translated;
}

}  // namespace korvat::platform
