// The ten best results: defaults, insertion and the exchange sort the file order relies on.
#include "HighScoreTable.h"

namespace korvat {

namespace {

constexpr char16_t kDefaultName[] = u"Tarnwell";
constexpr uint32_t kDefaultScore = 100;

// Copies a name up to its first zero (at most 15 units), blank-padded to 15, zero-ended.
void storeName(HighScoreEntry& entry, const char16_t* name) {
    int n = 0;
    if (name != nullptr) {
        while (n < kNameMaxChars && name[n] != u'\0') {
            entry.name[n] = name[n];
            ++n;
        }
    }
    for (; n < kNameMaxChars; ++n) {
        entry.name[n] = u' ';
    }
    entry.name[kNameMaxChars] = u'\0';
}

uint32_t lowestScore(const HighScoreTable& table) {
    uint32_t lowest = table.entries[0].score;
    for (const HighScoreEntry& entry : table.entries) {
        if (entry.score < lowest) {
            lowest = entry.score;
        }
    }
    return lowest;
}

}  // namespace

void makeDefaultHighScores(HighScoreTable& table) {
    for (HighScoreEntry& entry : table.entries) {
        storeName(entry, kDefaultName);
        entry.score = kDefaultScore;
        entry.hours = 0;
        entry.minutes = 1;
        entry.seconds = 0;
    }
    table.highest = kDefaultScore;
    table.lowest = kDefaultScore;
}

void noteLoadedScores(HighScoreTable& table) {
    table.highest = kDefaultScore;
    for (const HighScoreEntry& entry : table.entries) {
        if (entry.score > table.highest) {
            table.highest = entry.score;
        }
    }
    table.lowest = lowestScore(table);
}

void insertHighScore(HighScoreTable& table, const char16_t* name, uint32_t score, uint32_t hours,
                     uint32_t minutes, uint32_t seconds) {
    HighScoreEntry& last = table.entries[kHighScoreRows - 1];
    storeName(last, name);
    last.score = score;
    last.hours = hours;
    last.minutes = minutes;
    last.seconds = seconds;
    sortHighScores(table);
    table.lowest = lowestScore(table);
}

void sortHighScores(HighScoreTable& table) {
    // Only a strictly greater score moves up, so a new score ranks below its equals.
    for (int i = 0; i < kHighScoreRows; ++i) {
        for (int j = i + 1; j < kHighScoreRows; ++j) {
            if (table.entries[j].score > table.entries[i].score) {
                const HighScoreEntry swap = table.entries[i];
                table.entries[i] = table.entries[j];
                table.entries[j] = swap;
            }
        }
    }
}

int storedNameLength(const HighScoreEntry& entry) {
    int n = 0;
    while (n < kNameUnits && entry.name[n] != u'\0') {
        ++n;
    }
    return n;
}

}  // namespace korvat
