// Which catalogue the player's environment asks for, and where a program finds catalogues.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "../storage/TempFolder.h"
#include "platform/Translation.h"

namespace korvat::platform {
namespace {

TEST(LanguageChoice, FollowsTheVariablesAsGettextDoes) {
    constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    // The variables in that order (null: unset), then the languages wanted.
    constexpr const char* kCases[][5] = {
        {nullptr, nullptr, nullptr, nullptr, ""},
        {nullptr, nullptr, "C", "de", ""},  // the C locale ignores LANGUAGE
        {nullptr, nullptr, "POSIX", nullptr, ""},
        {nullptr, nullptr, "C.UTF-8", "de", ""},
        {nullptr, nullptr, "en_GB.UTF-8", nullptr, ""},
        {nullptr, nullptr, "de_DE.UTF-8", nullptr, "de_DE.UTF-8"},
        {nullptr, nullptr, "de_DE.UTF-8", "", "de_DE.UTF-8"},  // empty counts as unset
        {nullptr, nullptr, "de_DE.UTF-8", "fr:de", "fr:de"},
        {nullptr, nullptr, "de_DE.UTF-8", "en:de", ""},  // English first: the source texts
        {nullptr, nullptr, "fi_FI.UTF-8", "pt_BR:en_US:ru", "pt_BR"},
        {nullptr, "ru_RU.UTF-8", "de_DE.UTF-8", nullptr, "ru_RU.UTF-8"},
        {"C", "ru_RU.UTF-8", "de_DE.UTF-8", "de", ""},
        {"uk_UA.UTF-8", "C", "de_DE.UTF-8", nullptr, "uk_UA.UTF-8"},
        {"", "pl_PL.UTF-8", nullptr, nullptr, "pl_PL.UTF-8"},
    };
    for (const auto& c : kCases) {
        std::string variables;
        for (int i = 0; i < 4; ++i) {
            if (c[i] != nullptr)
                setenv(kNames[i], c[i], 1);
            else
                unsetenv(kNames[i]);
            variables += std::string(c[i] != nullptr ? c[i] : "-") + " ";
        }
        EXPECT_EQ(requestedLanguages(), c[4]) << variables;
    }
    for (const char* name : kNames)
        unsetenv(name);
}

TEST(LanguageChoice, CataloguesBesideTheBuiltProgramElseUnderItsPrefix) {
    const korvat::testing::TempFolder folder;
    const std::filesystem::path tree = folder.path;
    std::filesystem::create_directories(tree / "build" / "locale");
    std::filesystem::create_directories(tree / "usr" / "games");
    EXPECT_EQ(catalogueDirectory((tree / "build/").string()), (tree / "build/locale").string());
    EXPECT_EQ(catalogueDirectory((tree / "usr/games/").string()),
              (tree / "usr/share/locale").string());
    EXPECT_EQ(catalogueDirectory((tree / "usr/games").string()),
              (tree / "usr/share/locale").string());
}

TEST(LanguageChoice, EnglishNeedsNoCatalogue) {
    setenv("LANG", "C", 1);
    EXPECT_FALSE(startTranslations("/nonexistent"));
    const char* const text = "Game";
    EXPECT_EQ(tr(text), text);  // the very text, not a copy
    EXPECT_EQ(trContext("title bar button", text), text);
    unsetenv("LANG");
}

}  // namespace
}  // namespace korvat::platform
