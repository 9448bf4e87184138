#pragma once
// Saved games on disk. Writing goes through a temporary file, so a failed save never damages
// an existing file; a file that is not a valid record is refused whole.
#include <string>

#include "game/SavedGame.h"
#include "platform/Files.h"

namespace korvat::storage {

// False when the file could not be written completely; an existing file is then unchanged.
bool saveGameToFile(const std::string& path, const SavedGame& game,
                    platform::FileWriter writer = platform::writeAndSync);

// False when the file cannot be read or is not a valid 340-byte record; game is then unchanged.
bool loadGameFromFile(const std::string& path, SavedGame& game);

}  // namespace korvat::storage
