#include "platform/ProgramFile.h"

#include <unistd.h>

namespace korvat::platform {

std::string programFilePath() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) {
        return {};
    }
    return std::string(path, static_cast<size_t>(n));
}

const std::string& programFileName() {
    static const std::string name = [] {
        const std::string path = programFilePath();
        const size_t slash = path.rfind('/');
        const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
        return base.empty() ? std::string("korvat") : base;
    }();
    return name;
}

}  // namespace korvat::platform
