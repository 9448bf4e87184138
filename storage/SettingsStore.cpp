#include "storage/SettingsStore.h"

#include <cstdio>
#include <vector>

#include "platform/Files.h"
#include "storage/SettingsText.h"

namespace korvat::storage {
namespace {

// Far more than any settings file; a bigger file is not ours.
constexpr size_t kMaxFileBytes = 64 * 1024;

std::string_view textOf(const std::vector<uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

SettingsStore::SettingsStore() : path_(defaultPath()) {}

SettingsStore::SettingsStore(std::string filePath) : path_(std::move(filePath)) {}

std::string SettingsStore::defaultPath() {
    const std::string dir = platform::xdgDirectory("XDG_CONFIG_HOME", ".config");
    return dir.empty() ? std::string() : dir + "/korvat/korvat.conf";
}

bool SettingsStore::read(const char* name, uint32_t& value) const {
    std::vector<uint8_t> bytes;
    if (path_.empty() ||
        platform::readFileBounded(path_, kMaxFileBytes, bytes) != platform::ReadResult::Ok) {
        return false;
    }
    const std::optional<uint32_t> stored = findSetting(textOf(bytes), name);
    if (stored) {
        value = *stored;
    }
    return stored.has_value();
}

std::optional<std::string> SettingsStore::readForUpdate() const {
    if (path_.empty()) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    switch (platform::readFileBounded(path_, kMaxFileBytes, bytes)) {
        case platform::ReadResult::Ok:
            return std::string(textOf(bytes));
        case platform::ReadResult::Missing:
            return kSettingsHeader;
        case platform::ReadResult::TooLarge:
        case platform::ReadResult::Failed:
            break;
    }
    // Kept for whoever wants to look at it, but out of the way of the settings.
    const std::string aside = path_ + ".unreadable";
    if (!platform::moveAside(path_, aside)) {
        std::fprintf(stderr, "korvat: %s could not be read nor moved to %s; settings not saved\n",
                     path_.c_str(), aside.c_str());
        return std::nullopt;
    }
    std::fprintf(stderr, "korvat: %s could not be read; moved it to %s\n", path_.c_str(),
                 aside.c_str());
    return kSettingsHeader;
}

bool SettingsStore::writeText(const std::string& bytes) {
    return platform::createParentFolders(path_) &&
           platform::writeFileAtomically(path_, reinterpret_cast<const uint8_t*>(bytes.data()),
                                         bytes.size());
}

bool SettingsStore::write(const char* name, uint32_t value) {
    const std::optional<std::string> text = readForUpdate();
    return text && writeText(withSetting(*text, name, value));
}

bool SettingsStore::write(const Settings& settings) {
    std::optional<std::string> text = readForUpdate();
    if (!text) {
        return false;
    }
    for (const SettingField& field : kSettingFields) {
        *text = withSetting(*text, field.name, settings.*field.member);
    }
    return writeText(*text);
}

void loadSettings(Settings& settings, const SettingsStore& store) {
    resetSettingsDefaults(settings);
    for (const SettingField& field : kSettingFields) {
        store.read(field.name, settings.*field.member);
    }
}

void saveSettings(const Settings& settings, SettingsStore& store) {
    store.write(settings);
}

}  // namespace korvat::storage
