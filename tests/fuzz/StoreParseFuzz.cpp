// Any file content: reading never fails hard, a value set afterwards reads back, and the other
// settings and every byte before the changed line survive the rewrite.
#include <cstdlib>
#include <string>
#include <string_view>

#include "game/Settings.h"
#include "storage/SettingsText.h"

using korvat::storage::findSetting;
using korvat::storage::withSetting;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The new value is made of the input itself, so any number is tried.
    uint32_t number = 0;
    for (size_t i = 0; i < size && i < 4; ++i) {
        number = (number << 8) | data[i];
    }
    const std::string rewritten = withSetting(text, korvat::kBestScoreValue, number);
    if (findSetting(rewritten, korvat::kBestScoreValue) != number) {
        std::abort();
    }
    for (const korvat::SettingField& field : korvat::kSettingFields) {
        if (field.name != korvat::kBestScoreValue &&
            findSetting(rewritten, field.name) != findSetting(text, field.name)) {
            std::abort();
        }
    }
    // Only the line that counts is replaced: the rest of the text is kept around it.
    const size_t kept = rewritten.size() >= size ? size : rewritten.size();
    size_t same = 0;
    while (same < kept && rewritten[same] == text[same]) {
        ++same;
    }
    size_t sameEnd = 0;
    while (sameEnd < kept - same &&
           rewritten[rewritten.size() - 1 - sameEnd] == text[size - 1 - sameEnd]) {
        ++sameEnd;
    }
    if (rewritten.size() - same - sameEnd > 32) {
        std::abort();  // more changed than one line of a name and a number
    }
    return 0;
}
