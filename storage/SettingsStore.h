#pragma once
// The settings file, $XDG_CONFIG_HOME/korvat/korvat.conf (~/.config/korvat/korvat.conf). Each
// value is read and written on its own, so a missing or damaged one falls back alone.
#include <cstdint>
#include <optional>
#include <string>

#include "game/Settings.h"

namespace korvat::storage {

class SettingsStore {
  public:
    // The file at the default place; the environment is looked up here, once.
    SettingsStore();
    explicit SettingsStore(std::string filePath);

    const std::string& filePath() const { return path_; }

    // False (value left alone) when the file or the value is missing or damaged.
    bool read(const char* name, uint32_t& value) const;
    // Rewrites the file whole with the value changed. A file that cannot be read whole is first
    // moved aside to NAME.unreadable (said on stderr), so the settings can be kept again.
    bool write(const char* name, uint32_t value);
    // All six values in one rewrite.
    bool write(const Settings& settings);

    // $XDG_CONFIG_HOME/korvat/korvat.conf, or ~/.config/korvat/korvat.conf; empty when neither
    // a usable XDG_CONFIG_HOME nor HOME is set.
    static std::string defaultPath();

  private:
    std::optional<std::string> readForUpdate() const;
    bool writeText(const std::string& text);

    std::string path_;
};

// Sound on and every delay at its default first; bestScore keeps what it holds unless one is
// stored.
void loadSettings(Settings& settings, const SettingsStore& store);

// Failures are silent.
void saveSettings(const Settings& settings, SettingsStore& store);

}  // namespace korvat::storage
