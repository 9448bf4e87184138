#include "storage/GameFiles.h"

#include "storage/HighScoreFile.h"
#include "storage/SettingsStore.h"

namespace korvat::storage {

bool GameFiles::loadHighScores(HighScoreTable& table) {
    return storage::loadHighScores(highScoreFile_, table);
}

void GameFiles::saveHighScores(const HighScoreTable& table) {
    storage::saveHighScores(highScoreFile_, table);
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

}  // namespace korvat::storage
