#pragma once
// The high-score file "top.ten" beside the program, or in the user's data folder when the
// program's folder cannot be written or is a system folder (an installed game, played by root too).
#include <string>

#include "game/HighScoreTable.h"
#include "platform/Files.h"

namespace korvat::storage {

// programDir + "top.ten" (a '/' put between when missing); empty when longer than
// platform::kMaxPathBytes or programDir is empty.
std::string highScorePath(const std::string& programDir);

// highScorePath(programDir) when a file can be created in that folder and it is not a system
// folder, else $XDG_DATA_HOME/korvat/top.ten (~/.local/share/korvat/top.ten).
std::string highScoreFileFor(const std::string& programDir);

// No path, or a file that cannot be read or is not exactly 480 bytes: false, table untouched.
// Otherwise the rows in file order, highest and lowest taken from them.
bool loadHighScores(const std::string& path, HighScoreTable& table);

// Writes the ten rows atomically, creating the folder when missing. The game ignores the
// result: a failed write is silent.
bool saveHighScores(const std::string& path, const HighScoreTable& table,
                    platform::FileWriter writer = platform::writeAndSync);

}  // namespace korvat::storage
