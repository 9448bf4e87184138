#pragma once
// The per-user key-value store: a small registry kept as a human-readable text file, by default
// $XDG_CONFIG_HOME/korvat/registry (~/.config/korvat/registry). The file looks like
//
//     ; Korvat per-user settings
//     [Korvat]
//     maxmark=dword:00000064
//     other=hex(3):01,02,03
//
// "[name]" opens a key; "name=dword:XXXXXXXX" is a 4-byte little-endian number (type 4) and
// "name=hex(T):bb,bb,..." holds raw bytes of type T (hexadecimal; "hex:" is type 3). Key and
// value names compare without regard to ASCII case. A line that cannot be understood is ignored
// on reading and kept as it is on rewrite, as are keys and values the game does not know.
//
// Every change rewrites the whole file atomically (temporary file in the same folder, fsync,
// rename), so an interrupted write leaves the previous file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvat::platform {

constexpr uint32_t kTypeBinary = 3;
constexpr uint32_t kTypeDword = 4;

struct StoredValue {
    uint32_t type = kTypeBinary;
    std::vector<uint8_t> bytes;
};

// The text of a store file, line by line, with lookups and in-place changes.
class RegistryDocument {
  public:
    static RegistryDocument parse(std::string_view text);

    bool hasKey(std::string_view key) const;
    // The last line defining the value counts; a line that cannot be read makes it missing.
    std::optional<StoredValue> value(std::string_view key, std::string_view name) const;

    // False when the name cannot be written in this format (empty, line breaks, brackets...).
    bool addKey(std::string_view key);
    bool setValue(std::string_view key, std::string_view name, const StoredValue& value);

    std::string text() const;
    size_t lineCount() const { return lines_.size(); }

  private:
    std::vector<std::string> lines_;
};

// An open key. Reading keys take a snapshot of the file when opened.
struct StoreKey {
    std::string name;
    RegistryDocument snapshot;
    bool open = false;
    bool writable = false;
};

class KeyValueStore {
  public:
    // The store at the default place; the environment is looked up here, once.
    KeyValueStore();
    explicit KeyValueStore(std::string filePath);

    const std::string& filePath() const { return path_; }

    // Opens an existing key for reading; false when the file or the key is not there.
    bool openKey(std::string_view keyName, StoreKey& key) const;
    // Opens a key for writing, creating it (and the file) when it is missing.
    bool createKey(std::string_view keyName, StoreKey& key);
    // Copies the value into buffer; fails when the stored value is missing, unreadable or of
    // another length than size. The stored type plays no part.
    bool queryValue(const StoreKey& key, std::string_view name, void* buffer, size_t size) const;
    bool setValue(StoreKey& key, std::string_view name, const StoredValue& value);
    bool setDword(StoreKey& key, std::string_view name, uint32_t value);
    void closeKey(StoreKey& key) const;

    // $XDG_CONFIG_HOME/korvat/registry, or ~/.config/korvat/registry; empty when neither a
    // usable XDG_CONFIG_HOME nor HOME is set.
    static std::string defaultPath();

  private:
    // Whole-file read of the store; nullopt when it exists but cannot be read whole (then
    // nothing may be written over it).
    std::optional<RegistryDocument> readForUpdate() const;

    std::string path_;
};

// ---- Whole-file access shared with the game's own files ----

// Writes every byte to an open file and makes it durable; false on any error.
using FileWriter = bool (*)(std::FILE* file, const uint8_t* bytes, size_t size);
bool writeAndSync(std::FILE* file, const uint8_t* bytes, size_t size);

// Replaces path by the bytes: a temporary file in the same folder, written by writer, then
// renamed over path. On failure path is left as it was and the temporary file is removed.
bool writeFileAtomically(const std::string& path, const uint8_t* bytes, size_t size,
                         FileWriter writer = writeAndSync);

enum class ReadResult { Ok, Missing, TooLarge, Failed };
// Reads a regular file of at most maxBytes; TooLarge when it holds more.
ReadResult readFileBounded(const std::string& path, size_t maxBytes, std::vector<uint8_t>& out);

// Creates the folder of path and its parents when missing (mode 0700 for new folders).
bool createParentFolders(const std::string& path);

// An absolute directory from an XDG variable, or HOME + fallback; empty when neither works.
std::string xdgDirectory(const char* variable, const char* homeFallback);

}  // namespace korvat::platform
