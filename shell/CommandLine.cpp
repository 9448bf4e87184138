#include "CommandLine.h"

#include <cstdio>
#include <string_view>

#include "dist/Version.h"

namespace korvat::shell {
namespace {

constexpr int kUsageExit = 2;
constexpr char kUsage[] = "usage: korvat [--help | --version]\n";

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    if (argc < 2) {
        return std::nullopt;
    }
    const std::string_view option = argv[1];
    if (argc == 2 && option == "--help") {
        std::printf(
            "%s"
            "A puzzle game of coloured balls; without options it opens its window.\n"
            "  --help     show this text\n"
            "  --version  show the version\n"
            "See man 6 korvat.\n",
            kUsage);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (argc == 2 && option == "--version") {
        std::printf("korvat %s\n", kVersion);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    std::fputs(kUsage, stderr);
    return kUsageExit;
}

}  // namespace korvat::shell
