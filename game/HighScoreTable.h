#pragma once
#include <cstdint>

namespace korvat {

constexpr int kHighScoreRows = 10;
constexpr int kNameUnits = 16;     // UTF-16 units in a stored name, the zero unit included
constexpr int kNameMaxChars = 15;  // what a player may type, in UTF-16 units

// One row, the same 48 bytes in memory and in "top.ten": the name blank-padded to 15 units
// followed by a zero unit, then score and play time.
struct HighScoreEntry {
    char16_t name[kNameUnits];
    uint32_t score;
    uint32_t hours;
    uint32_t minutes;
    uint32_t seconds;
};
static_assert(sizeof(HighScoreEntry) == 48);

struct HighScoreTable {
    uint32_t highest = 100;  // max(100, best row) as last loaded: the start-up best score
    uint32_t lowest = 100;   // the entry threshold for a finished game
    HighScoreEntry entries[kHighScoreRows];
};

// Ten rows "Tarnwell", 100, 0:1:0; highest and lowest 100.
void makeDefaultHighScores(HighScoreTable& table);

// highest = max(100, every row's score) and lowest = the smallest row score, for rows just read.
void noteLoadedScores(HighScoreTable& table);

// Puts the result into row 10, pads the name (at most 15 units, taken up to its first zero),
// sorts and takes the new lowest score.
void insertHighScore(HighScoreTable& table, const char16_t* name, uint32_t score, uint32_t hours,
                     uint32_t minutes, uint32_t seconds);

// The exchange sort: row j moves above row i only when its score is strictly greater.
void sortHighScores(HighScoreTable& table);

// Number of units of a stored name before its zero unit, bounded to 16 for damaged files.
int storedNameLength(const HighScoreEntry& entry);

}  // namespace korvat
