#include "storage/SettingsStore.h"

namespace korvat::storage {
namespace {

struct NamedMember {
    const char* name;
    uint32_t Settings::*member;
};

// The order in which the values are read and written.
constexpr NamedMember kValues[] = {
    {kBestScoreValue, &Settings::bestScore},           {kSoundValue, &Settings::soundOn},
    {kJumpDelayValue, &Settings::jumpDelay},           {kMoveDelayValue, &Settings::moveDelay},
    {kExplosionDelayValue, &Settings::explosionDelay}, {kAppearDelayValue, &Settings::appearDelay},
};

}  // namespace

bool readSettingsValue(platform::KeyValueStore& store, const char* name, uint32_t& value) {
    platform::StoreKey key;
    if (!store.openKey(kSettingsKey, key)) {
        return false;
    }
    uint8_t bytes[4];
    const bool found = store.queryValue(key, name, bytes, sizeof bytes);
    store.closeKey(key);
    if (found) {
        value =
            bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    }
    return found;
}

bool writeSettingsValue(platform::KeyValueStore& store, const char* name, uint32_t value) {
    platform::StoreKey key;
    if (!store.createKey(kSettingsKey, key)) {
        return false;
    }
    const bool written = store.setDword(key, name, value);
    store.closeKey(key);
    return written;
}

void loadSettings(Settings& settings, platform::KeyValueStore& store) {
    resetSettingsDefaults(settings);
    for (const NamedMember& v : kValues) {
        readSettingsValue(store, v.name, settings.*v.member);
    }
}

void saveSettings(const Settings& settings, platform::KeyValueStore& store) {
    for (const NamedMember& v : kValues) {
        writeSettingsValue(store, v.name, settings.*v.member);
    }
}

}  // namespace korvat::storage
