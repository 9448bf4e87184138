#include "storage/HighScoreCodec.h"

#include "storage/LittleEndian.h"

namespace korvat::storage {
namespace {

constexpr size_t kScoreOffset = 2 * kNameUnits;

}  // namespace

HighScoreFileBytes encodeHighScores(const HighScoreTable& table) {
    HighScoreFileBytes bytes{};
    for (int r = 0; r < kHighScoreRows; ++r) {
        const HighScoreEntry& entry = table.entries[r];
        uint8_t* row = &bytes[r * kHighScoreRowBytes];
        for (int i = 0; i < kNameUnits; ++i) {
            row[2 * i] = static_cast<uint8_t>(entry.name[i]);
            row[2 * i + 1] = static_cast<uint8_t>(entry.name[i] >> 8);
        }
        writeU32(&row[kScoreOffset], entry.score);
        writeU32(&row[kScoreOffset + 4], entry.hours);
        writeU32(&row[kScoreOffset + 8], entry.minutes);
        writeU32(&row[kScoreOffset + 12], entry.seconds);
    }
    return bytes;
}

bool decodeHighScoreRows(const uint8_t* bytes, size_t size, HighScoreTable& table) {
    if (bytes == nullptr || size != kHighScoreFileBytes) {
        return false;
    }
    for (int r = 0; r < kHighScoreRows; ++r) {
        HighScoreEntry& entry = table.entries[r];
        const uint8_t* row = bytes + r * kHighScoreRowBytes;
        for (int i = 0; i < kNameUnits; ++i) {
            entry.name[i] = static_cast<char16_t>(row[2 * i] | (row[2 * i + 1] << 8));
        }
        entry.score = readU32(&row[kScoreOffset]);
        entry.hours = readU32(&row[kScoreOffset + 4]);
        entry.minutes = readU32(&row[kScoreOffset + 8]);
        entry.seconds = readU32(&row[kScoreOffset + 12]);
    }
    return true;
}

}  // namespace korvat::storage
