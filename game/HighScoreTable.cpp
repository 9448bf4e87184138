// The ten best results: defaults, insertion and the exchange sort the file order relies on.
#include "HighScoreTable.h"

#include <algorithm>
#include <iterator>

namespace korvat {

namespace {

constexpr char16_t kDefaultName[] = u"Tarnwell";
constexpr uint32_t kDefaultScore = 100;

bool byScore(const HighScoreEntry& a, const HighScoreEntry& b) {
    return a.score < b.score;
}

// A row with the name up to its first zero (at most 15 units), blank-padded to 15, zero-ended.
HighScoreEntry makeEntry(const char16_t* name, uint32_t score, uint32_t hours, uint32_t minutes,
                         uint32_t seconds) {
    HighScoreEntry entry{{}, score, hours, minutes, seconds};
    int n = 0;
    for (; name != nullptr && n < kNameMaxChars && name[n] != u'\0'; ++n) {
        entry.name[n] = name[n];
    }
    std::fill(entry.name + n, entry.name + kNameMaxChars, u' ');
    return entry;
}

}  // namespace

void makeDefaultHighScores(HighScoreTable& table) {
    std::fill(std::begin(table.entries), std::end(table.entries),
              makeEntry(kDefaultName, kDefaultScore, 0, 1, 0));
    table.highest = kDefaultScore;
    table.lowest = kDefaultScore;
}

void noteLoadedScores(HighScoreTable& table) {
    const uint32_t best =
        std::max_element(std::begin(table.entries), std::end(table.entries), byScore)->score;
    table.highest = std::max(kDefaultScore, best);
    table.lowest =
        std::min_element(std::begin(table.entries), std::end(table.entries), byScore)->score;
}

void insertHighScore(HighScoreTable& table, const char16_t* name, uint32_t score, uint32_t hours,
                     uint32_t minutes, uint32_t seconds) {
    table.entries[kHighScoreRows - 1] = makeEntry(name, score, hours, minutes, seconds);
    sortHighScores(table);
    table.lowest =
        std::min_element(std::begin(table.entries), std::end(table.entries), byScore)->score;
}

void sortHighScores(HighScoreTable& table) {
    // Only a strictly greater score moves up, so a new score ranks below its equals.
    for (int i = 0; i < kHighScoreRows; ++i) {
        for (int j = i + 1; j < kHighScoreRows; ++j) {
            if (table.entries[j].score > table.entries[i].score) {
                std::swap(table.entries[i], table.entries[j]);
            }
        }
    }
}

int storedNameLength(const HighScoreEntry& entry) {
    return static_cast<int>(std::find(entry.name, entry.name + kNameUnits, u'\0') - entry.name);
}

}  // namespace korvat
