#include "SingleInstance.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstring>

namespace korvat::platform {
namespace {

constexpr char kRequest[] = "raise\n";
constexpr size_t kRequestBytes = sizeof kRequest - 1;
constexpr size_t kAddressBytes = sizeof(sockaddr_un::sun_path);
constexpr int kReadRequestMs = 50;  // a start sends its word right after connecting
constexpr int kBindAttempts = 3;    // a holder may end or a rival start bind meanwhile

uint64_t fnv1a(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string hex(uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

bool isAbstract(const std::string& name) {
    return !name.empty() && name[0] == '\0';
}

// Only a folder of this user that nobody else may enter keeps others from making the name.
bool usableRuntimeDir(const char* dir, uid_t uid) {
    struct stat info {};
    return dir != nullptr && dir[0] == '/' && stat(dir, &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == uid && (info.st_mode & 077) == 0;
}

socklen_t makeAddress(const std::string& name, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.data(), name.size());
    // An abstract name has no terminator; a path keeps the one memset left.
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size() +
                                  (isAbstract(name) ? 0 : 1));
}

bool peerIsUs(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

// Reads the request a start sent, waiting a moment when it is not there yet.
bool readRequest(int fd) {
    pollfd p{fd, POLLIN, 0};
    int ready;
    do {
        ready = poll(&p, 1, kReadRequestMs);
    } while (ready < 0 && errno == EINTR);
    char request[16];
    return ready > 0 && recv(fd, request, sizeof request, MSG_DONTWAIT) >= ssize_t{kRequestBytes} &&
           std::memcmp(request, kRequest, kRequestBytes) == 0;
}

enum class Probe { Live, Stale, Foreign, Unreachable };

// What holds the name: a copy of this user (asked to come to the front), nothing, or another.
Probe probeHolder(const std::string& name) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return Probe::Unreachable;
    }
    sockaddr_un address;
    const socklen_t length = makeAddress(name, address);
    Probe probe = Probe::Unreachable;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
        if (peerIsUs(fd)) {
            send(fd, kRequest, kRequestBytes, MSG_NOSIGNAL | MSG_DONTWAIT);
            probe = Probe::Live;
        } else {
            probe = Probe::Foreign;
        }
    } else if (errno == ECONNREFUSED || errno == ENOENT) {
        probe = Probe::Stale;
    } else if (errno == EAGAIN && !isAbstract(name)) {
        // A full backlog: the holder lives, and only this user can make a name in that folder.
        probe = Probe::Live;
    }
    close(fd);
    return probe;
}

// Holds the runtime folder's lock while a start looks at the name and takes it, so that of
// two starts finding a stale socket file only one replaces it.
class FolderLock {
  public:
    explicit FolderLock(const std::string& name) {
        if (isAbstract(name)) {
            return;
        }
        const std::string folder = name.substr(0, name.rfind('/'));
        fd_ = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ >= 0) {
            while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~FolderLock() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    int fd_ = -1;
};

}  // namespace

SingleInstance::SingleInstance(std::string programPath) : name_(socketName(programPath)) {}

SingleInstance::~SingleInstance() {
    releaseName();
}

std::string SingleInstance::socketName(const std::string& programPath, const char* runtimeDir,
                                       uid_t uid) {
    if (usableRuntimeDir(runtimeDir, uid)) {
        std::string path = std::string(runtimeDir) + "/korvat-" + hex(fnv1a(programPath));
        if (path.size() < kAddressBytes) {
            return path;
        }
    }
    const std::string prefix = std::string(1, '\0') + "korvat:" + std::to_string(uid);
    std::string name = prefix + ":" + programPath;
    if (name.size() <= kAddressBytes) {
        return name;
    }
    return prefix + "#" + hex(fnv1a(programPath));
}

std::string SingleInstance::socketName(const std::string& programPath) {
    return socketName(programPath, getenv("XDG_RUNTIME_DIR"), getuid());
}

bool SingleInstance::bindName() {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_un address;
    const socklen_t length = makeAddress(name_, address);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        close(fd);
        return false;
    }
    struct stat info {};
    if (!isAbstract(name_) && stat(name_.c_str(), &info) == 0) {
        boundInode_ = info.st_ino;
    }
    listener_ = fd;
    if (listen(fd, SOMAXCONN) != 0) {
        releaseName();
        return false;
    }
    return true;
}

void SingleInstance::releaseName() {
    if (listener_ < 0) {
        return;
    }
    // The socket file goes with its copy; one a later copy made in its place stays.
    struct stat info {};
    if (!isAbstract(name_) && stat(name_.c_str(), &info) == 0 && info.st_ino == boundInode_) {
        unlink(name_.c_str());
    }
    close(listener_);
    listener_ = -1;
}

SingleInstance::Outcome SingleInstance::start() {
    if (listener_ >= 0) {
        return Outcome::First;
    }
    const FolderLock lock(name_);
    for (int attempt = 0; attempt < kBindAttempts; ++attempt) {
        switch (probeHolder(name_)) {
            case Probe::Live:
                return Outcome::HandedOver;
            case Probe::Foreign:
            case Probe::Unreachable:
                return Outcome::Independent;
            case Probe::Stale:
                break;
        }
        // The holder is gone; its socket file, if any, is what is left of it.
        if (!isAbstract(name_)) {
            unlink(name_.c_str());
        }
        if (bindName()) {
            return Outcome::First;
        }
        if (errno != EADDRINUSE) {
            return Outcome::Independent;
        }
    }
    return Outcome::Independent;
}

bool SingleInstance::takeRaiseRequests() {
    if (listener_ < 0) {
        return false;
    }
    bool asked = false;
    for (;;) {
        const int fd = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;  // EAGAIN: nobody else waiting
        }
        if (peerIsUs(fd) && readRequest(fd)) {
            asked = true;
        }
        close(fd);
    }
    return asked;
}

}  // namespace korvat::platform
