#pragma once
// --help and --version, answered alike by the game and the replay driver before anything else.
#include <cstdio>
#include <optional>
#include <string_view>

#include "dist/Version.h"

namespace korvat {

// When the only argument is --help or --version: usage and help, or "name version", on stdout,
// and the exit code (1 when stdout cannot be written). Nothing for any other command line.
inline std::optional<int> answerInformationOption(int argc, char** argv, const char* name,
                                                  const char* usage, const char* help) {
    if (argc != 2) {
        return std::nullopt;
    }
    const std::string_view option = argv[1];
    if (option == "--help") {
        std::printf("%s%s", usage, help);
    } else if (option == "--version") {
        std::printf("%s %s\n", name, kVersion);
    } else {
        return std::nullopt;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace korvat
