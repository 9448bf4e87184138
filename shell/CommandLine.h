#pragma once
// The game's few options, answered before anything is opened.
#include <optional>

namespace korvat::shell {

// The exit code when the command line was answered here (--help, --version, a bad argument);
// nothing when the game should start.
std::optional<int> answerCommandLine(int argc, char** argv);

}  // namespace korvat::shell
