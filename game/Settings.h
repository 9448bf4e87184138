#pragma once
#include <cstdint>

namespace korvat {

// The six values kept in the per-user settings file. bestScore has no default of its own: it
// starts from the high-score table.
struct Settings {
    uint32_t bestScore = 0;
    uint32_t soundOn = 1;
    uint32_t jumpDelay = 100;
    uint32_t moveDelay = 100;
    uint32_t explosionDelay = 100;
    uint32_t appearDelay = 100;
    friend bool operator==(const Settings&, const Settings&) = default;
};

// Their names in the settings file and in replay scripts.
inline constexpr char kBestScoreValue[] = "maxmark";
inline constexpr char kSoundValue[] = "playsound";
inline constexpr char kJumpDelayValue[] = "jump";
inline constexpr char kMoveDelayValue[] = "move";
inline constexpr char kExplosionDelayValue[] = "bum";
inline constexpr char kAppearDelayValue[] = "appear";

struct SettingField {
    const char* name;
    uint32_t Settings::*member;
};

// Every value with its name, in the order they are read and written.
inline constexpr SettingField kSettingFields[] = {
    {kBestScoreValue, &Settings::bestScore},           {kSoundValue, &Settings::soundOn},
    {kJumpDelayValue, &Settings::jumpDelay},           {kMoveDelayValue, &Settings::moveDelay},
    {kExplosionDelayValue, &Settings::explosionDelay}, {kAppearDelayValue, &Settings::appearDelay},
};

// The sound switch and delays as at a start with nothing stored; the best score keeps its value.
constexpr void resetSettingsDefaults(Settings& settings) {
    settings = Settings{settings.bestScore};
}

// The bounce timer steps at the jump delay. A delay that the other animations would not wait
// for (0, or negative as a signed number) or a very short one would flood the window with
// ticks, so the period never falls below 10 ms.
constexpr uint32_t kShortestBouncePeriodMs = 10;
constexpr uint32_t bouncePeriodMs(const Settings& settings) {
    const int32_t delay = static_cast<int32_t>(settings.jumpDelay);
    return delay < static_cast<int32_t>(kShortestBouncePeriodMs) ? kShortestBouncePeriodMs
                                                                 : settings.jumpDelay;
}

}  // namespace korvat
