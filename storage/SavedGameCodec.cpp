#include "storage/SavedGameCodec.h"

#include "storage/LittleEndian.h"

namespace korvat::storage {
namespace {

constexpr size_t kCellsOffset = 16;

}  // namespace

SavedGameBytes encodeSavedGame(const SavedGame& game) {
    SavedGameBytes bytes{};
    writeU32(&bytes[0], game.seconds);
    writeU32(&bytes[4], game.score);
    writeU32(&bytes[8], static_cast<uint32_t>(game.blockMode));
    writeU32(&bytes[12], static_cast<uint32_t>(game.linesMode));
    for (int i = 0; i < kCellCount; ++i) {
        writeU32(&bytes[kCellsOffset + 4 * i], static_cast<uint32_t>(game.board.cells[i]));
    }
    return bytes;
}

bool decodeSavedGame(const uint8_t* bytes, size_t size, SavedGame& game) {
    if (bytes == nullptr || size != static_cast<size_t>(kSavedGameBytes)) {
        return false;
    }
    SavedGame read;
    read.seconds = readU32(&bytes[0]);
    read.score = readU32(&bytes[4]);
    read.blockMode = static_cast<int32_t>(readU32(&bytes[8]));
    read.linesMode = static_cast<int32_t>(readU32(&bytes[12]));
    for (int i = 0; i < kCellCount; ++i) {
        read.board.cells[i] = static_cast<int32_t>(readU32(&bytes[kCellsOffset + 4 * i]));
    }
    if (!isPlayable(read)) {
        return false;
    }
    game = read;
    return true;
}

}  // namespace korvat::storage
