#pragma once
// The player's language: texts are looked up in the "korvat" gettext catalogue of the first
// language asked for that has one. English, the source texts, needs no catalogue and is what
// every lookup returns until startTranslations finds one.
#include <string>

#include "assets/TextMarker.h"

namespace korvat::platform {

// The languages asked for, colon-separated, as gettext reads the environment: LANGUAGE when the
// locale (LC_ALL, then LC_MESSAGES, then LANG) is set and is not C or POSIX, else the locale's
// own name. Empty for C, POSIX, an unset locale or English.
std::string requestedLanguages();

// Opens the catalogues under `localeDir` (LANG/LC_MESSAGES/korvat.mo) for requestedLanguages().
// Works whether or not the locale itself is installed. Returns true when a language other than
// English was asked for.
bool startTranslations(const std::string& localeDir);

// Where a program in `programDir` finds its catalogues: `locale/` beside it in the build tree,
// else PREFIX/share/locale for a program in PREFIX/bin or PREFIX/games.
std::string catalogueDirectory(const std::string& programDir);

// The text in the player's language; `english` itself when there is no translation.
const char* tr(const char* english);
// The same for a text whose English is shared by different uses: `context` tells them apart.
const char* trContext(const char* context, const char* english);

}  // namespace korvat::platform
