#include "storage/HighScoreFile.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "storage/HighScoreCodec.h"

namespace korvat::storage {
namespace {

constexpr char kFileName[] = "top.ten";
constexpr char kProbeName[] = ".korvat-probe-XXXXXX";

// Whether a file can be created in `folder` (ending in '/'). Asked by creating and removing a
// probe file: access(W_OK) says yes to root even where the file system refuses (/proc, a
// read-only mount), and the atomic write needs a new file beside the table anyway.
bool canCreateFileIn(const std::string& folder) {
    std::string probe = folder + kProbeName;
    if (probe.size() > kMaxPathBytes) {
        return false;
    }
    const int fd = mkstemp(probe.data());
    if (fd < 0) {
        return false;
    }
    close(fd);
    unlink(probe.c_str());
    return true;
}

}  // namespace

std::string programDirectory() {
    std::vector<char> buffer(kMaxPathBytes + 1);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0 || static_cast<size_t>(n) >= buffer.size()) {
        return {};
    }
    std::string path(buffer.data(), static_cast<size_t>(n));
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return {};
    }
    return path.substr(0, slash + 1);
}

std::string highScorePath(const std::string& programDir) {
    if (programDir.empty()) {
        return {};
    }
    std::string path = programDir;
    if (path.back() != '/') {
        path += '/';
    }
    path += kFileName;
    return path.size() <= kMaxPathBytes ? path : std::string();
}

std::string highScoreFileFor(const std::string& programDir) {
    const std::string beside = highScorePath(programDir);
    if (!beside.empty() && canCreateFileIn(beside.substr(0, beside.find_last_of('/') + 1))) {
        return beside;
    }
    const std::string data = platform::xdgDirectory("XDG_DATA_HOME", ".local/share");
    if (data.empty()) {
        return beside;
    }
    return highScorePath(data + "/korvat/");
}

bool loadHighScores(const std::string& path, HighScoreTable& table) {
    table.highest = 100;
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
