#pragma once
// One running copy per user and program file. The first copy listens on a Unix socket named
// after the path of its program file: a socket file in the user's runtime folder (a 0700 folder
// of that user), or, without one, an abstract name that carries the user id. A later start of
// the same file that reaches a live holder of its own user sends it a raise request and ends;
// the kernel's answer to the connect is the proof of life, so a busy holder counts as alive.
// The peer's credentials are checked both ways: a copy honours only its own user, and a start
// trusts only a holder of its own uid, so another user can neither block nor be blocked.
#include <sys/types.h>

#include <cstdint>
#include <string>

namespace korvat::platform {

class SingleInstance {
  public:
    enum class Outcome {
        First,        // this process holds the name and takes later starts' raise requests
        HandedOver,   // a live copy of this user holds it and was asked to show itself
        Independent,  // no name could be had (taken by another user, no socket): run without
    };

    // `programPath` (programFilePath()) names the lock.
    explicit SingleInstance(std::string programPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the name, or hands over to its live holder. Never waits for an answer.
    Outcome start();

    // For the first copy, polled from the event loop: takes every waiting raise request of this
    // user and returns true when there was at least one.
    bool takeRaiseRequests();

    // The socket name for a program path: "<runtimeDir>/korvat-<hash>" for a usable runtime
    // folder of `uid` (null or unusable: none), otherwise an abstract name, written with its
    // leading zero byte, "\0korvat:<uid>:" + path or a hash of it when that does not fit.
    static std::string socketName(const std::string& programPath, const char* runtimeDir,
                                  uid_t uid);
    // The name this process uses: $XDG_RUNTIME_DIR and the real user id.
    static std::string socketName(const std::string& programPath);

  private:
    bool bindName();
    void releaseName();

    std::string name_;
    int listener_ = -1;
    ino_t boundInode_ = 0;  // of the socket file this copy made, to remove only its own
};

}  // namespace korvat::platform
