// Any bytes: only a 480-byte file loads; its rows encode back unchanged, the thresholds agree
// with the rows, and stored names are bounded to 16 units.
#include <cstring>

#include "FuzzCheck.h"
#include "storage/HighScoreCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korvat;
    HighScoreTable table;
    makeDefaultHighScores(table);
    const bool loaded = storage::decodeHighScoreRows(data, size, table);
    require(loaded == (size == storage::kHighScoreFileBytes));
    if (!loaded)
        return 0;
    noteLoadedScores(table);
    const storage::HighScoreFileBytes again = storage::encodeHighScores(table);
    require(std::memcmp(again.data(), data, size) == 0);
    require(table.highest >= 100);
    for (const HighScoreEntry& entry : table.entries) {
        const int length = storedNameLength(entry);
        require(entry.score <= table.highest && entry.score >= table.lowest && length >= 0 &&
                length <= kNameUnits);
    }
    sortHighScores(table);
    for (int r = 1; r < kHighScoreRows; ++r)
        require(table.entries[r].score <= table.entries[r - 1].score);
    return 0;
}
