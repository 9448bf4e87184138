#pragma once
// The text of the settings file: a comment line, then one "name=value" line per setting, the
// value in decimal. Lines the game does not understand are kept as they are on rewrite.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvat::storage {

// What a new file starts with.
inline constexpr char kSettingsHeader[] = "# Korvat settings\n";

// The last line naming the setting counts; nullopt when that line does not hold a decimal
// number of 32 bits (blanks around name and value allowed).
std::optional<uint32_t> findSetting(std::string_view text, std::string_view name);

// The text with the line that counts for name rewritten, or with one added at the end; every
// other byte stays.
std::string withSetting(std::string_view text, std::string_view name, uint32_t value);

}  // namespace korvat::storage
