// Any bytes: only a 480-byte file loads; its rows encode back unchanged, the thresholds agree
// with the rows, and stored names are bounded to 16 units.
#include <cstdlib>
#include <cstring>

#include "storage/HighScoreCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korvat;
    HighScoreTable table;
    makeDefaultHighScores(table);
    const bool loaded = storage::decodeHighScoreRows(data, size, table);
    if (loaded != (size == storage::kHighScoreFileBytes)) {
        std::abort();
    }
    if (!loaded) {
        return 0;
    }
    noteLoadedScores(table);
    const storage::HighScoreFileBytes again = storage::encodeHighScores(table);
    if (std::memcmp(again.data(), data, size) != 0) {
        std::abort();
    }
    if (table.highest < 100) {
        std::abort();
    }
    for (const HighScoreEntry& entry : table.entries) {
        const int length = storedNameLength(entry);
        if (entry.score > table.highest || entry.score < table.lowest || length < 0 ||
            length > kNameUnits) {
            std::abort();
        }
    }
    sortHighScores(table);
    for (int r = 1; r < kHighScoreRows; ++r) {
        if (table.entries[r].score > table.entries[r - 1].score) {
            std::abort();
        }
    }
    return 0;
}
