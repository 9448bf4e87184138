#include "platform/KeyValueStore.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace korvat::platform {
namespace {

// Far more than any settings file; a bigger file is not ours and is never rewritten.
constexpr size_t kMaxStoreBytes = 1 << 20;
constexpr char kNewFileHeader[] = "; Korvat per-user settings";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (isBlank(s.front()) || s.front() == '\r')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && sameName(s.substr(0, prefix.size()), prefix);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = lowerAscii(c);
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// 1 to 8 hexadecimal digits, nothing else.
std::optional<uint32_t> parseHexNumber(std::string_view s, size_t minDigits) {
    if (s.size() < minDigits || s.size() > 8) {
        return std::nullopt;
    }
    uint32_t n = 0;
    for (char c : s) {
        const int d = hexDigit(c);
        if (d < 0) {
            return std::nullopt;
        }
        n = (n << 4) | static_cast<uint32_t>(d);
    }
    return n;
}

std::optional<std::vector<uint8_t>> parseHexBytes(std::string_view s) {
    std::vector<uint8_t> bytes;
    s = trim(s);
    if (s.empty()) {
        return bytes;
    }
    while (true) {
        const size_t comma = s.find(',');
        const std::string_view token = trim(s.substr(0, comma));
        if (token.size() != 2) {
            return std::nullopt;
        }
        const auto byte = parseHexNumber(token, 2);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<uint8_t>(*byte));
        if (comma == std::string_view::npos) {
            return bytes;
        }
        s.remove_prefix(comma + 1);
    }
}

std::optional<StoredValue> parseData(std::string_view data) {
    if (startsWithNoCase(data, "dword:")) {
        const auto n = parseHexNumber(data.substr(6), 8);
        if (!n) {
            return std::nullopt;
        }
        StoredValue v{kTypeDword, {}};
        for (int i = 0; i < 4; ++i) {
            v.bytes.push_back(static_cast<uint8_t>(*n >> (8 * i)));
        }
        return v;
    }
    if (!startsWithNoCase(data, "hex")) {
        return std::nullopt;
    }
    data.remove_prefix(3);
    uint32_t type = kTypeBinary;
    if (!data.empty() && data.front() == '(') {
        const size_t close = data.find(')');
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        const auto t = parseHexNumber(data.substr(1, close - 1), 1);
        if (!t) {
            return std::nullopt;
        }
        type = *t;
        data.remove_prefix(close + 1);
    }
    if (data.empty() || data.front() != ':') {
        return std::nullopt;
    }
    auto bytes = parseHexBytes(data.substr(1));
    if (!bytes) {
        return std::nullopt;
    }
    return StoredValue{type, std::move(*bytes)};
}

std::string formatValue(std::string_view name, const StoredValue& v) {
    std::string line(name);
    char buf[32];
    if (v.type == kTypeDword && v.bytes.size() == 4) {
        const uint32_t n = v.bytes[0] | (v.bytes[1] << 8) | (v.bytes[2] << 16) |
                           (static_cast<uint32_t>(v.bytes[3]) << 24);
        std::snprintf(buf, sizeof buf, "=dword:%08x", n);
        return line + buf;
    }
    if (v.type == kTypeBinary) {
        line += "=hex:";
    } else {
        std::snprintf(buf, sizeof buf, "=hex(%x):", v.type);
        line += buf;
    }
    for (size_t i = 0; i < v.bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, i == 0 ? "%02x" : ",%02x", v.bytes[i]);
        line += buf;
    }
    return line;
}

struct LineInfo {
    enum class Kind { Other, Key, Value } kind = Kind::Other;
    std::string_view name;  // key name or value name
    std::string_view data;  // value data
};

LineInfo classify(std::string_view raw) {
    const std::string_view line = trim(raw);
    if (line.empty() || line.front() == ';' || line.front() == '#') {
        return {};
    }
    if (line.front() == '[') {
        if (line.back() != ']' || line.size() < 3) {
            return {};
        }
        return {LineInfo::Kind::Key, trim(line.substr(1, line.size() - 2)), {}};
    }
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
        return {};
    }
    const std::string_view name = trim(line.substr(0, eq));
    if (name.empty()) {
        return {};
    }
    return {LineInfo::Kind::Value, name, trim(line.substr(eq + 1))};
}

// Names must survive a write and a read unchanged.
bool writableName(std::string_view name, std::string_view forbidden) {
    if (name.empty() || name != trim(name)) {
        return false;
    }
    if (name.front() == ';' || name.front() == '#' || name.front() == '[') {
        return false;
    }
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f ||
            forbidden.find(c) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

}  // namespace

RegistryDocument RegistryDocument::parse(std::string_view text) {
    RegistryDocument doc;
    while (!text.empty()) {
        const size_t nl = text.find('\n');
        doc.lines_.emplace_back(text.substr(0, nl));
        if (nl == std::string_view::npos) {
            break;
        }
        text.remove_prefix(nl + 1);
    }
    return doc;
}

bool RegistryDocument::hasKey(std::string_view key) const {
    for (const std::string& line : lines_) {
        const LineInfo info = classify(line);
        if (info.kind == LineInfo::Kind::Key && sameName(info.name, key)) {
            return true;
        }
    }
    return false;
}

std::optional<StoredValue> RegistryDocument::value(std::string_view key,
                                                   std::string_view name) const {
    bool inKey = false;
    std::optional<std::string_view> data;
    for (const std::string& line : lines_) {
        const LineInfo info = classify(line);
        if (info.kind == LineInfo::Kind::Key) {
            inKey = sameName(info.name, key);
        } else if (inKey && info.kind == LineInfo::Kind::Value && sameName(info.name, name)) {
            data = info.data;
        }
    }
    if (!data) {
        return std::nullopt;
    }
    return parseData(*data);
}

bool RegistryDocument::addKey(std::string_view key) {
    if (!writableName(key, "[]")) {
        return false;
    }
    if (!hasKey(key)) {
        lines_.push_back("[" + std::string(key) + "]");
    }
    return true;
}

bool RegistryDocument::setValue(std::string_view key, std::string_view name,
                                const StoredValue& value) {
    if (!writableName(name, "=") || !addKey(key)) {
        return false;
    }
    const std::string line = formatValue(name, value);
    // Replace the defining line, or add one after the last value (or the header) of the key.
    std::optional<size_t> defining;
    size_t insertAt = 0;
    bool inKey = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const LineInfo info = classify(lines_[i]);
        if (info.kind == LineInfo::Kind::Key) {
            inKey = sameName(info.name, key);
        }
        if (!inKey) {
            continue;
        }
        if (info.kind == LineInfo::Kind::Value && sameName(info.name, name)) {
            defining = i;
        }
        if (info.kind != LineInfo::Kind::Other) {
            insertAt = i + 1;
        }
    }
    if (defining) {
        lines_[*defining] = line;
    } else {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
    }
    return true;
}

std::string RegistryDocument::text() const {
    std::string out;
    for (const std::string& line : lines_) {
        out += line;
        out += '\n';
    }
    return out;
}

KeyValueStore::KeyValueStore() : path_(defaultPath()) {}

KeyValueStore::KeyValueStore(std::string filePath) : path_(std::move(filePath)) {}

std::string KeyValueStore::defaultPath() {
    const std::string dir = xdgDirectory("XDG_CONFIG_HOME", ".config");
    return dir.empty() ? std::string() : dir + "/korvat/registry";
}

bool KeyValueStore::openKey(std::string_view keyName, StoreKey& key) const {
    key = StoreKey{};
    std::vector<uint8_t> bytes;
    if (path_.empty() || readFileBounded(path_, kMaxStoreBytes, bytes) != ReadResult::Ok) {
        return false;
    }
    RegistryDocument doc = RegistryDocument::parse(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!doc.hasKey(keyName)) {
        return false;
    }
    key = StoreKey{std::string(keyName), std::move(doc), true, false};
    return true;
}

std::optional<RegistryDocument> KeyValueStore::readForUpdate() const {
    if (path_.empty()) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    switch (readFileBounded(path_, kMaxStoreBytes, bytes)) {
        case ReadResult::Ok:
            return RegistryDocument::parse(
                std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        case ReadResult::Missing:
            return RegistryDocument::parse(kNewFileHeader);
        case ReadResult::TooLarge:
        case ReadResult::Failed:
            break;
    }
    return std::nullopt;
}

namespace {

bool writeDocument(const std::string& path, const RegistryDocument& doc) {
    const std::string text = doc.text();
    return createParentFolders(path) &&
           writeFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

}  // namespace

bool KeyValueStore::createKey(std::string_view keyName, StoreKey& key) {
    key = StoreKey{};
    std::optional<RegistryDocument> doc = readForUpdate();
    if (!doc) {
        return false;
    }
    if (!doc->hasKey(keyName)) {
        if (!doc->addKey(keyName) || !writeDocument(path_, *doc)) {
            return false;
        }
    }
    key = StoreKey{std::string(keyName), std::move(*doc), true, true};
    return true;
}

bool KeyValueStore::queryValue(const StoreKey& key, std::string_view name, void* buffer,
                               size_t size) const {
    if (!key.open) {
        return false;
    }
    const std::optional<StoredValue> v = key.snapshot.value(key.name, name);
    if (!v || v->bytes.size() != size) {
        return false;
    }
    if (size > 0) {
        std::memcpy(buffer, v->bytes.data(), size);
    }
    return true;
}

bool KeyValueStore::setValue(StoreKey& key, std::string_view name, const StoredValue& value) {
    if (!key.open || !key.writable) {
        return false;
    }
    // Re-read so that changes made since the key was opened are kept.
    std::optional<RegistryDocument> doc = readForUpdate();
    if (!doc || !doc->setValue(key.name, name, value) || !writeDocument(path_, *doc)) {
        return false;
    }
    key.snapshot = std::move(*doc);
    return true;
}

bool KeyValueStore::setDword(StoreKey& key, std::string_view name, uint32_t value) {
    StoredValue v{kTypeDword, {}};
    for (int i = 0; i < 4; ++i) {
        v.bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
    return setValue(key, name, v);
}

void KeyValueStore::closeKey(StoreKey& key) const {
    key = StoreKey{};
}

// ---- Whole-file access ----

bool writeAndSync(std::FILE* file, const uint8_t* bytes, size_t size) {
    if (size > 0 && std::fwrite(bytes, 1, size, file) != size) {
        return false;
    }
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

namespace {

std::string parentFolder(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t modeForNewFile(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        return st.st_mode & 07777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool writeFileAtomically(const std::string& path, const uint8_t* bytes, size_t size,
                         FileWriter writer) {
    if (path.empty() || path.back() == '/') {
        return false;
    }
    const size_t slash = path.find_last_of('/');
    const std::string folder = parentFolder(path);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temp = folder + "/." + base + ".XXXXXX";
    const int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    std::FILE* file = fdopen(fd, "wb");
    if (file == nullptr) {
        close(fd);
        unlink(temp.c_str());
        return false;
    }
    bool ok = fchmod(fd, modeForNewFile(path)) == 0;
    ok = ok && writer(file, bytes, size);
    ok = (std::fclose(file) == 0) && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable; the new file is in place either way.
    const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}

ReadResult readFileBounded(const std::string& path, size_t maxBytes, std::vector<uint8_t>& out) {
    out.clear();
    // Non-blocking so that a FIFO put in place of the file cannot hang the game.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    }
    struct stat st {};
    ReadResult result = ReadResult::Ok;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        result = ReadResult::Failed;
    } else if (static_cast<uint64_t>(st.st_size) > maxBytes) {
        result = ReadResult::TooLarge;
    } else {
        // Room for the file as it stands and one byte more, which tells a file that grew
        // meanwhile; the room grows with such a file up to one byte over the limit. (Not the
        // whole limit at once: the settings are read value by value at every start.)
        out.resize(std::min(static_cast<size_t>(st.st_size), maxBytes) + 1);
        size_t got = 0;
        while (true) {
            if (got == out.size()) {
                if (out.size() > maxBytes) {
                    break;
                }
                out.resize(std::min(out.size() * 2, maxBytes + 1));
            }
            const ssize_t n = read(fd, out.data() + got, out.size() - got);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                result = ReadResult::Failed;
                break;
            }
            if (n == 0) {
                break;
            }
            got += static_cast<size_t>(n);
        }
        if (result == ReadResult::Ok && got > maxBytes) {
            result = ReadResult::TooLarge;
        }
        out.resize(result == ReadResult::Ok ? got : 0);
    }
    close(fd);
    return result;
}

bool createParentFolders(const std::string& path) {
    const std::string folder = parentFolder(path);
    for (size_t pos = 1; pos <= folder.size(); ++pos) {
        if (pos == folder.size() || folder[pos] == '/') {
            const std::string part = folder.substr(0, pos);
            if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
                return false;
            }
        }
    }
    struct stat st {};
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string xdgDirectory(const char* variable, const char* homeFallback) {
    // Relative XDG paths are invalid and ignored.
    const char* xdg = std::getenv(variable);
    if (xdg != nullptr && xdg[0] == '/') {
        return xdg;
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') {
        const passwd* pw = getpwuid(getuid());
        home = pw != nullptr ? pw->pw_dir : nullptr;
    }
    if (home == nullptr || home[0] != '/') {
        return {};
    }
    std::string dir = home;
    if (dir.back() != '/') {
        dir += '/';
    }
    return dir + homeFallback;
}

}  // namespace korvat::platform
