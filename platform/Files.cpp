#include "platform/Files.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace korvat::platform {
namespace {

// The probe's name where unnamed files are refused; fixed, so a crash leaves at most one.
constexpr char kProbeName[] = ".korvat-probe";

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

// Gives an unnamed file a name; false where neither way is allowed (no /proc, say).
bool linkUnnamed(int fd, const std::string& name) {
    if (linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) {
        return true;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

enum class Fill { Ok, Failed, NotLinked };

// Writes through writer into fd and closes it; an unnamed file is then given the name temp.
Fill fill(int fd, bool named, const std::string& path, const std::string& temp,
          const uint8_t* bytes, size_t size, FileWriter writer) {
    std::FILE* file = fdopen(fd, "wb");
    if (file == nullptr) {
        close(fd);
        return Fill::Failed;
    }
    Fill result = fchmod(fd, modeForNewFile(path)) == 0 && writer(file, bytes, size) ? Fill::Ok
                                                                                     : Fill::Failed;
    if (result == Fill::Ok && !named && !linkUnnamed(fd, temp)) {
        result = Fill::NotLinked;
    }
    if (std::fclose(file) != 0 && result == Fill::Ok) {
        result = Fill::Failed;
    }
    return result;
}

}  // namespace

bool writeAndSync(std::FILE* file, const uint8_t* bytes, size_t size) {
    if (size > 0 && std::fwrite(bytes, 1, size, file) != size) {
        return false;
    }
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

std::string temporaryPathFor(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t start = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, start) + "." + path.substr(start) + ".tmp";
}

bool writeFileAtomically(const std::string& path, const uint8_t* bytes, size_t size,
                         FileWriter writer, TempFile temp) {
    if (path.empty() || path.back() == '/') {
        return false;
    }
    const std::string folder = parentFolder(path);
    const std::string tempPath = temporaryPathFor(path);
    // What an earlier, interrupted write left.
    unlink(tempPath.c_str());

    Fill result = Fill::NotLinked;
    if (temp == TempFile::Unnamed) {
        const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0) {
            result = fill(fd, false, path, tempPath, bytes, size, writer);
        }
    }
    if (result == Fill::NotLinked) {
        const int fd =
            open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        result = fd < 0 ? Fill::Failed : fill(fd, true, path, tempPath, bytes, size, writer);
    }
    if (result != Fill::Ok || std::rename(tempPath.c_str(), path.c_str()) != 0) {
        unlink(tempPath.c_str());
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
        // meanwhile; the room grows with such a file up to one byte over the limit.
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

bool moveAside(const std::string& path, const std::string& aside) {
#if defined(RENAME_NOREPLACE)
    if (renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
#else
    errno = EINVAL;  // a C library without the call (the browser's)
#endif
    // File systems without the flag: a check just before is the best left.
    struct stat st {};
    return errno == EINVAL && lstat(aside.c_str(), &st) != 0 && errno == ENOENT &&
           std::rename(path.c_str(), aside.c_str()) == 0;
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

bool isSystemFolder(const std::string& folder) {
    return folder == "/usr" || folder.rfind("/usr/", 0) == 0;
}

bool canCreateFileIn(const std::string& folder) {
    int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        close(fd);
        return true;
    }
    std::string probe = folder;
    if (!probe.empty() && probe.back() != '/') {
        probe += '/';
    }
    probe += kProbeName;
    if (probe.size() > kMaxPathBytes) {
        return false;
    }
    unlink(probe.c_str());
    fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    close(fd);
    unlink(probe.c_str());
    return true;
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

std::string programFilePath() {
    std::vector<char> buffer(kMaxPathBytes + 1);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0 || static_cast<size_t>(n) >= buffer.size()) {
        return {};
    }
    return std::string(buffer.data(), static_cast<size_t>(n));
}

const std::string& programFileName() {
    static const std::string name = [] {
        const std::string path = programFilePath();
        const std::string base = path.substr(path.find_last_of('/') + 1);
        return base.empty() ? std::string("korvat") : base;
    }();
    return name;
}

std::string programDirectory() {
    const std::string path = programFilePath();
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace korvat::platform
