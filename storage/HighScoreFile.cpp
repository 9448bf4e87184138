#include "storage/HighScoreFile.h"

#include <vector>

#include "storage/HighScoreCodec.h"

namespace korvat::storage {
namespace {

constexpr char kFileName[] = "top.ten";

}  // namespace

std::string highScorePath(const std::string& programDir) {
    if (programDir.empty()) {
        return {};
    }
    std::string path = programDir;
    if (path.back() != '/') {
        path += '/';
    }
    path += kFileName;
    return path.size() <= platform::kMaxPathBytes ? path : std::string();
}

std::string highScoreFileFor(const std::string& programDir) {
    const std::string beside = highScorePath(programDir);
    if (!beside.empty() && !platform::isSystemFolder(programDir) &&
        platform::canCreateFileIn(beside.substr(0, beside.find_last_of('/') + 1))) {
        return beside;
    }
    const std::string data = platform::xdgDirectory("XDG_DATA_HOME", ".local/share");
    if (data.empty()) {
        return beside;
    }
    return highScorePath(data + "/korvat/");
}

bool loadHighScores(const std::string& path, HighScoreTable& table) {
    std::vector<uint8_t> bytes;
    if (path.empty() ||
        platform::readFileBounded(path, kHighScoreFileBytes, bytes) != platform::ReadResult::Ok ||
        !decodeHighScoreRows(bytes.data(), bytes.size(), table)) {
        return false;
    }
    noteLoadedScores(table);
    return true;
}

bool saveHighScores(const std::string& path, const HighScoreTable& table,
                    platform::FileWriter writer) {
    if (path.empty() || !platform::createParentFolders(path)) {
        return false;
    }
    const HighScoreFileBytes bytes = encodeHighScores(table);
    return platform::writeFileAtomically(path, bytes.data(), bytes.size(), writer);
}

}  // namespace korvat::storage
