// Any bytes: decoding never reads out of bounds, accepts only valid records, and an accepted
// record encodes back to the very same bytes.
#include <cstring>

#include "FuzzCheck.h"
#include "storage/SavedGameCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korvat;
    SavedGame game;
    game.score = 0xdeadbeef;
    const SavedGame before = game;
    if (!storage::decodeSavedGame(data, size, game)) {
        require(game == before);  // a refused record leaves the game alone
        return 0;
    }
    require(size == kSavedGameBytes && ((game.blockMode == 1 && game.linesMode == 0) ||
                                        (game.blockMode == 0 && game.linesMode == 1)));
    for (int32_t cell : game.board.cells)
        require(cell == EMPTY || (cell >= 1 && cell <= kColorCount));
    const storage::SavedGameBytes again = storage::encodeSavedGame(game);
    require(std::memcmp(again.data(), data, size) == 0);
    return 0;
}
