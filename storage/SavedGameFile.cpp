#include "storage/SavedGameFile.h"

#include <vector>

#include "storage/SavedGameCodec.h"

namespace korvat::storage {

bool saveGameToFile(const std::string& path, const SavedGame& game, platform::FileWriter writer) {
    const SavedGameBytes bytes = encodeSavedGame(game);
    return platform::writeFileAtomically(path, bytes.data(), bytes.size(), writer);
}

bool loadGameFromFile(const std::string& path, SavedGame& game) {
    std::vector<uint8_t> bytes;
    if (platform::readFileBounded(path, kSavedGameBytes, bytes) != platform::ReadResult::Ok) {
        return false;
    }
    return decodeSavedGame(bytes.data(), bytes.size(), game);
}

}  // namespace korvat::storage
