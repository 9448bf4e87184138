#pragma once
// File test helpers: a temporary folder, whole files, stored numbers and a failing writer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace korvat::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
struct TempFolder {
    std::string path = (std::filesystem::temp_directory_path() / "korvat-XXXXXX").string();

    TempFolder() {
        if (mkdtemp(path.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary folder " + path);
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string file(const std::string& name) const { return path + "/" + name; }
    auto entryCount() const { return std::distance(std::filesystem::directory_iterator(path), {}); }
};

inline void writeText(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A 32-bit number as the stored files hold it, least significant byte first.
inline std::string le32(uint32_t v) {
    return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}

// A writer that puts half of the bytes on disk and then reports a failure, as a full disk does.
inline bool failHalfway(std::FILE* file, const uint8_t* bytes, size_t size) {
    std::fwrite(bytes, 1, size / 2, file);
    std::fflush(file);
    return false;
}

}  // namespace korvat::testing
