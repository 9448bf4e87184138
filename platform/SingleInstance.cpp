#include "SingleInstance.h"

#include <errno.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstring>

namespace korvat::platform {
namespace {

constexpr char kRequest[] = "raise\n";
constexpr char kAnswer[] = "ok\n";
constexpr size_t kMaxNameBytes = sizeof(sockaddr_un::sun_path) - 1;  // after the leading zero
constexpr int kReadRequestMs = 200;  // how long an accepted start may take to say its word

uint64_t fnv1a(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

socklen_t makeAddress(const std::string& name, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    // Abstract namespace: a leading zero byte, then the name without a terminator.
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
}

uint64_t nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
}

void sleepUntil(uint64_t deadlineMs) {
    const uint64_t now = nowMs();
    if (now >= deadlineMs) {
        return;
    }
    const uint64_t left = deadlineMs - now;
    timespec ts{static_cast<time_t>(left / 1000), static_cast<long>((left % 1000) * 1000000)};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

// Waits for `fd` to become readable and reads what is there; false on timeout or error.
bool readWithin(int fd, char* buffer, size_t size, int timeoutMs, size_t& got) {
    pollfd p{fd, POLLIN, 0};
    int ready;
    do {
        ready = poll(&p, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0) {
        return false;
    }
    const ssize_t n = recv(fd, buffer, size, 0);
    if (n <= 0) {
        return false;
    }
    got = static_cast<size_t>(n);
    return true;
}

}  // namespace

SingleInstance::SingleInstance(std::string programPath) : name_(socketName(programPath)) {}

SingleInstance::~SingleInstance() {
    if (listener_ >= 0) {
        close(listener_);
    }
}

std::string SingleInstance::socketName(const std::string& programPath) {
    std::string name = "korvat:" + programPath;
    if (name.size() <= kMaxNameBytes) {
        return name;
    }
    char hashed[32];
    std::snprintf(hashed, sizeof hashed, "korvat#%016llx",
                  static_cast<unsigned long long>(fnv1a(programPath)));
    return hashed;
}

std::string SingleInstance::programFilePath() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) {
        return {};
    }
    return std::string(path, static_cast<size_t>(n));
}

bool SingleInstance::bindName() {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_un address;
    const socklen_t length = makeAddress(name_, address);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0 || listen(fd, 8) != 0) {
        close(fd);
        return false;
    }
    listener_ = fd;
    return true;
}

bool SingleInstance::askHolder(uint32_t waitMs) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_un address;
    const socklen_t length = makeAddress(name_, address);
    bool answered = false;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
        send(fd, kRequest, sizeof kRequest - 1, MSG_NOSIGNAL) ==
            static_cast<ssize_t>(sizeof kRequest - 1)) {
        char reply[8];
        size_t got = 0;
        answered = readWithin(fd, reply, sizeof reply, static_cast<int>(waitMs), got) && got >= 2 &&
                   std::memcmp(reply, kAnswer, 2) == 0;
    }
    close(fd);
    return answered;
}

SingleInstance::Outcome SingleInstance::start(int attempts, uint32_t waitMs) {
    if (listener_ >= 0) {
        return Outcome::First;
    }
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const uint64_t deadline = nowMs() + waitMs;
        // A holder that has just ended frees the name, so try to take it each time.
        if (bindName()) {
            return Outcome::First;
        }
        if (askHolder(waitMs)) {
            return Outcome::HandedOver;
        }
        if (attempt + 1 < attempts) {
            sleepUntil(deadline);
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
        char request[16];
        size_t got = 0;
        if (readWithin(fd, request, sizeof request, kReadRequestMs, got) &&
            got >= sizeof kRequest - 1 &&
            std::memcmp(request, kRequest, sizeof kRequest - 1) == 0) {
            // A start that has given up waiting is gone: its window request lapses with it.
            if (send(fd, kAnswer, sizeof kAnswer - 1, MSG_NOSIGNAL) ==
                static_cast<ssize_t>(sizeof kAnswer - 1)) {
                asked = true;
            }
        }
        close(fd);
    }
    return asked;
}

}  // namespace korvat::platform
