#include "SimHost.h"

#include <cstdio>
#include <cstdlib>

#include "game/Utf16Name.h"
#include "storage/HighScoreFile.h"
#include "storage/SavedGameFile.h"
#include "ui/Layout.h"

namespace korvat::sim {

void SimHost::seedRandom() {
    std::srand(calendarSeconds);
}

int SimHost::nextRandom() {
    return std::rand();
}

void SimHost::newGameStarting() {
    out_.line("newgame");
}

void SimHost::playSound(SoundId id) {
    if (out_.enabled()) {
        out_.line("sound " + std::to_string(static_cast<int32_t>(id)));
    }
}

void SimHost::drawClock(uint32_t value) {
    if (!out_.enabled()) {
        return;
    }
    // The digit drawing shows zeros for values it has no room for.
    char text[16];
    std::snprintf(text, sizeof text, "clock %05u", value > ui::kLargestNumber ? 0u : value);
    out_.line(text);
}

void SimHost::gameEnded(uint32_t finalScore, bool) {
    ++endedGames;
    endedScoreSum += finalScore;
}

void SimHost::showMessage(const char* text) {
    if (out_.enabled()) {
        out_.line(std::string("message ") + text);
    }
}

void SimHost::askPlayerName(char* name, size_t capacity) {
    out_.line("namedialog");
    // playerName already fits a stored name; a smaller buffer still gets whole characters.
    copyUtf8(playerName.data(), playerName.size(), name, capacity);
}

void SimHost::showHighScores() {
    out_.line("highscores");
    if (game_ != nullptr) {
        game_->reloadHighScores();
    }
}

bool SimHost::loadHighScores(HighScoreTable& table) {
    if (homeDir_.empty()) {
        return false;
    }
    return storage::loadHighScores(storage::highScorePath(homeDir_), table);
}

void SimHost::saveHighScores(const HighScoreTable& table) {
    if (!homeDir_.empty()) {
        storage::saveHighScores(storage::highScorePath(homeDir_), table);
    }
}

void SimHost::loadSettings(Settings& settings) {
    // The settings store is never touched: the defaults of a start with no stored values,
    // which leave the best score taken from the table.
    resetSettingsDefaults(settings);
}

bool SimHost::writeSavedGame(const char* path, const SavedGame& game) {
    return storage::saveGameToFile(path, game);
}

bool SimHost::readSavedGame(const char* path, SavedGame& game) {
    return storage::loadGameFromFile(path, game);
}

std::string cutToStoredName(const std::string& text) {
    char16_t units[kNameMaxChars + 1];
    const int count = utf8ToUtf16Name(text.c_str(), units, kNameMaxChars);
    char utf8[kNameMaxChars * 3 + 1];
    utf16ToUtf8(units, count, utf8, sizeof utf8);
    return utf8;
}

}  // namespace korvat::sim
