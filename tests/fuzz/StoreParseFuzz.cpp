// Any file content: reading never fails hard, a value set afterwards reads back, and every
// line of the original file survives the rewrite.
#include <cstdlib>
#include <string>
#include <string_view>

#include "game/Settings.h"
#include "storage/SettingsText.h"

using korvat::storage::SettingsText;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SettingsText doc = SettingsText::parse(text);
    const size_t lines = doc.lineCount();
    for (const korvat::SettingField& field : korvat::kSettingFields) {
        doc.value(field.name);
    }
    // The new value is made of the input itself, so any number is tried.
    uint32_t number = 0;
    for (size_t i = 0; i < size && i < 4; ++i) {
        number = (number << 8) | data[i];
    }
    doc.setValue(korvat::kBestScoreValue, number);
    doc.setValue("new", 7);
    const SettingsText again = SettingsText::parse(doc.text());
    if (again.value(korvat::kBestScoreValue) != number || again.value("new") != 7u) {
        std::abort();
    }
    // At most the two values are added; nothing is dropped.
    if (again.lineCount() < lines || again.lineCount() > lines + 2) {
        std::abort();
    }
    return 0;
}
