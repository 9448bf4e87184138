#pragma once
// The text of the settings file: a comment line, then one "name=value" line per setting, the
// value in decimal. Lines the game does not understand are kept as they are on rewrite.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvat::storage {

class SettingsText {
  public:
    // What a new file starts with.
    static constexpr char kHeader[] = "# Korvat settings";

    static SettingsText parse(std::string_view text);

    // The last line naming the setting counts; missing when that line does not hold a decimal
    // number of 32 bits.
    std::optional<uint32_t> value(std::string_view name) const;
    // Rewrites the line that counts, or adds one at the end.
    void setValue(std::string_view name, uint32_t value);

    std::string text() const;
    size_t lineCount() const { return lines_.size(); }

  private:
    std::optional<size_t> definingLine(std::string_view name) const;

    std::vector<std::string> lines_;
};

}  // namespace korvat::storage
