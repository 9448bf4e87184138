// Any bytes: decoding never reads out of bounds, accepts only valid records, and an accepted
// record encodes back to the very same bytes.
#include <cstdlib>
#include <cstring>

#include "storage/SavedGameCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korvat;
    SavedGame game;
    game.score = 0xdeadbeef;
    const SavedGame before = game;
    if (!storage::decodeSavedGame(data, size, game)) {
        if (game.score != before.score || !(game.board == before.board)) {
            std::abort();  // a refused record must leave the game alone
        }
        return 0;
    }
    if (size != kSavedGameBytes || !((game.blockMode == 1 && game.linesMode == 0) ||
                                     (game.blockMode == 0 && game.linesMode == 1))) {
        std::abort();
    }
    for (int32_t cell : game.board.cells) {
        if (cell != EMPTY && (cell < 1 || cell > kColorCount)) {
            std::abort();
        }
    }
    const storage::SavedGameBytes again = storage::encodeSavedGame(game);
    if (std::memcmp(again.data(), data, size) != 0) {
        std::abort();
    }
    return 0;
}
