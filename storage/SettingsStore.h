#pragma once
// The six settings values in the per-user store, key "Korvat", each a 4-byte number.
#include <cstdint>

#include "game/Settings.h"
#include "platform/KeyValueStore.h"

namespace korvat::storage {

inline constexpr char kSettingsKey[] = "Korvat";
inline constexpr char kBestScoreValue[] = "maxmark";
inline constexpr char kSoundValue[] = "playsound";
inline constexpr char kJumpDelayValue[] = "jump";
inline constexpr char kMoveDelayValue[] = "move";
inline constexpr char kExplosionDelayValue[] = "bum";
inline constexpr char kAppearDelayValue[] = "appear";

// Sound on and every delay 100 first; bestScore keeps what it holds unless "maxmark" is stored.
// Each value is read on its own, so a missing or damaged one falls back alone.
void loadSettings(Settings& settings, platform::KeyValueStore& store);

// Writes all six values, each on its own; failures are silent.
void saveSettings(const Settings& settings, platform::KeyValueStore& store);

// One value, for the Options dialog: opens the key, reads or writes the value, closes the key.
// Reading fails (and leaves value alone) when the value is missing or not 4 bytes long.
bool readSettingsValue(platform::KeyValueStore& store, const char* name, uint32_t& value);
bool writeSettingsValue(platform::KeyValueStore& store, const char* name, uint32_t value);

}  // namespace korvat::storage
