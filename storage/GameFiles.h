#pragma once
// The files of a game, as its host lends them to the rules: the high-score file, the settings
// store and saved games. The main window and the replay driver both use it.
#include <string>
#include <utility>

#include "game/GameHost.h"
#include "storage/SavedGameFile.h"

namespace korvat::storage {

class SettingsStore;

class GameFiles final : public Files {
  public:
    // An empty high-score path keeps the table in memory only (as if "top.ten" could be neither
    // read nor written); without a store the settings take their defaults.
    GameFiles(std::string highScoreFile, const SettingsStore* store)
        : highScoreFile_(std::move(highScoreFile)), store_(store) {}

    const std::string& highScoreFile() const { return highScoreFile_; }
    void setHighScoreFile(std::string path) { highScoreFile_ = std::move(path); }

    bool loadHighScores(HighScoreTable& table) override;
    void saveHighScores(const HighScoreTable& table) override;
    void loadSettings(Settings& settings) override;
    bool writeSavedGame(const char* path, const SavedGame& game) override {
        return saveGameToFile(path, game);
    }
    bool readSavedGame(const char* path, SavedGame& game) override {
        return loadGameFromFile(path, game);
    }

  private:
    std::string highScoreFile_;
    const SettingsStore* store_;
};

}  // namespace korvat::storage
