#pragma once
// The running program file: its path names the single-copy lock, its base name is the
// application's name in message boxes.
#include <string>

namespace korvat::platform {

// /proc/self/exe, empty if unknown.
std::string programFilePath();
// The base name of the program file ("korvat" when it cannot be read).
const std::string& programFileName();

}  // namespace korvat::platform
