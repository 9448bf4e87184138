#pragma once
// Whole files and the folders they live in: the game's only file-system calls.
//
// A write replaces the file whole or not at all. The new bytes go to an unnamed file in the
// target's folder (O_TMPFILE), which is given the fixed name ".NAME.tmp" just before it is
// renamed over NAME; where the file system refuses unnamed files, ".NAME.tmp" is written
// directly. Either way an interrupted write leaves the old or the new file and at most that one
// temporary, which the next write of NAME removes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace korvat::platform {

// Longest path handed to the file system, terminator excluded.
constexpr size_t kMaxPathBytes = 4095;

// Writes every byte to an open file and makes it durable; false on any error.
using FileWriter = bool (*)(std::FILE* file, const uint8_t* bytes, size_t size);
bool writeAndSync(std::FILE* file, const uint8_t* bytes, size_t size);

enum class TempFile { Unnamed, Named };

// ".NAME.tmp" beside path: the temporary a write of path may leave behind.
std::string temporaryPathFor(const std::string& path);

// Replaces path by the bytes written by writer. On failure path is left as it was and no
// temporary file remains. Named skips the unnamed file (as where it is refused).
bool writeFileAtomically(const std::string& path, const uint8_t* bytes, size_t size,
                         FileWriter writer = writeAndSync, TempFile temp = TempFile::Unnamed);

enum class ReadResult { Ok, Missing, TooLarge, Failed };
// Reads a regular file of at most maxBytes; TooLarge when it holds more.
ReadResult readFileBounded(const std::string& path, size_t maxBytes, std::vector<uint8_t>& out);

// Renames path to aside unless aside exists; nothing is ever replaced.
bool moveAside(const std::string& path, const std::string& aside);

// Creates the folder of path and its parents when missing (mode 0700 for new folders).
bool createParentFolders(const std::string& path);

// Whether a new file can be made in folder. Tried for real, since access(W_OK) says yes to root
// where the file system refuses (/proc, a read-only mount); the probe is never left behind.
bool canCreateFileIn(const std::string& folder);

// Whether folder belongs to the system's own tree (/usr and below), where a package or a
// system-wide install puts programs: shared by every user, even when root can write to it.
bool isSystemFolder(const std::string& folder);

// An absolute directory from an XDG variable, or HOME + fallback; empty when neither works.
std::string xdgDirectory(const char* variable, const char* homeFallback);

// The running program file (/proc/self/exe): its path names the single-copy lock, its base
// name is the application's name in message boxes. Empty when it cannot be read.
std::string programFilePath();
// The base name of the program file ("korvat" when it cannot be read).
const std::string& programFileName();
// The folder of the running program, with its final '/'; empty when it cannot be found.
std::string programDirectory();

}  // namespace korvat::platform
