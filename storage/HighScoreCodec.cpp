#include "storage/HighScoreCodec.h"

#include <algorithm>

#include "storage/LittleEndian.h"

namespace korvat::storage {
namespace {

constexpr size_t kScoreOffset = 2 * kNameUnits;

}  // namespace

HighScoreRowBytes encodeHighScoreRow(const HighScoreEntry& entry) {
    HighScoreRowBytes row{};
    for (int i = 0; i < kNameUnits; ++i) {
        row[2 * i] = static_cast<uint8_t>(entry.name[i]);
        row[2 * i + 1] = static_cast<uint8_t>(entry.name[i] >> 8);
    }
    writeU32(&row[kScoreOffset], entry.score);
    writeU32(&row[kScoreOffset + 4], entry.hours);
    writeU32(&row[kScoreOffset + 8], entry.minutes);
    writeU32(&row[kScoreOffset + 12], entry.seconds);
    return row;
}

HighScoreEntry decodeHighScoreRow(const uint8_t* row) {
    HighScoreEntry entry{};
    for (int i = 0; i < kNameUnits; ++i) {
        entry.name[i] = static_cast<char16_t>(row[2 * i] | (row[2 * i + 1] << 8));
    }
    entry.score = readU32(&row[kScoreOffset]);
    entry.hours = readU32(&row[kScoreOffset + 4]);
    entry.minutes = readU32(&row[kScoreOffset + 8]);
    entry.seconds = readU32(&row[kScoreOffset + 12]);
    return entry;
}

HighScoreFileBytes encodeHighScores(const HighScoreTable& table) {
    HighScoreFileBytes bytes{};
    for (int r = 0; r < kHighScoreRows; ++r) {
        const HighScoreRowBytes row = encodeHighScoreRow(table.entries[r]);
        std::copy(row.begin(), row.end(), bytes.begin() + r * kHighScoreRowBytes);
    }
    return bytes;
}

bool decodeHighScoreRows(const uint8_t* bytes, size_t size, HighScoreTable& table) {
    if (bytes == nullptr || size != kHighScoreFileBytes) {
        return false;
    }
    for (int r = 0; r < kHighScoreRows; ++r) {
        table.entries[r] = decodeHighScoreRow(bytes + r * kHighScoreRowBytes);
    }
    return true;
}

}  // namespace korvat::storage
