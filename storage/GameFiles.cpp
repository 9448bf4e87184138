#include "storage/GameFiles.h"

#include "storage/HighScoreFile.h"
#include "storage/SavedGameFile.h"
#include "storage/SettingsStore.h"

namespace korvat::storage {

bool GameFiles::loadHighScores(HighScoreTable& table) {
    return !highScoreFile_.empty() && storage::loadHighScores(highScoreFile_, table);
}

void GameFiles::saveHighScores(const HighScoreTable& table) {
    if (!highScoreFile_.empty()) {
        storage::saveHighScores(highScoreFile_, table);
    }
}

void GameFiles::loadSettings(Settings& settings) {
    if (store_ != nullptr) {
        storage::loadSettings(settings, *store_);
    } else {
        // The defaults of a start with no stored values, which leave the best score taken from
        // the table.
        resetSettingsDefaults(settings);
    }
}

bool GameFiles::writeSavedGame(const char* path, const SavedGame& game) {
    return saveGameToFile(path, game);
}

bool GameFiles::readSavedGame(const char* path, SavedGame& game) {
    return loadGameFromFile(path, game);
}

}  // namespace korvat::storage
