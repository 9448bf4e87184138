// Any file content: reading never fails hard, a value set afterwards reads back, and the other
// settings and every byte before the changed line survive the rewrite.
#include <algorithm>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "game/Settings.h"
#include "storage/SettingsText.h"

using korvat::storage::findSetting;
using korvat::storage::withSetting;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The new value is made of the input itself, so any number is tried.
    uint32_t number = 0;
    for (size_t i = 0; i < size && i < 4; ++i)
        number = (number << 8) | data[i];
    const std::string rewritten = withSetting(text, korvat::kBestScoreValue, number);
    require(findSetting(rewritten, korvat::kBestScoreValue) == number);
    for (const korvat::SettingField& field : korvat::kSettingFields) {
        require(field.name == korvat::kBestScoreValue ||
                findSetting(rewritten, field.name) == findSetting(text, field.name));
    }
    // Only the line that counts is replaced: at most a name and a number change.
    const std::string_view out = rewritten;
    const size_t same =
        std::mismatch(text.begin(), text.end(), out.begin(), out.end()).first - text.begin();
    const size_t sameEnd =
        std::mismatch(text.rbegin(), text.rend(), out.rbegin(), out.rend()).first - text.rbegin();
    require(out.size() - same - std::min(sameEnd, std::min(size, out.size()) - same) <= 32);
    return 0;
}
