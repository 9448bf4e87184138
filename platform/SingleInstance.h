#pragma once
// One running copy per program file. The first copy binds an abstract Unix socket named after
// the path of its program file; a later start of the same file connects to it, asks it to come
// to the front and ends. A copy of the program at another path has another name and runs on its
// own. No file is left behind: the name vanishes with the process that holds it.
#include <cstdint>
#include <string>

namespace korvat::platform {

class SingleInstance {
  public:
    enum class Outcome {
        First,        // this process holds the name and answers later starts
        HandedOver,   // a running copy answered: end at once, showing nothing
        Independent,  // the name is taken but nobody answered: run without it
    };

    // `programPath` names the lock; see programFilePath().
    explicit SingleInstance(std::string programPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the name, or asks its holder to come to the front. A holder that does not answer
    // is asked `attempts` times, each waiting up to `waitMs` for the answer.
    Outcome start(int attempts = 3, uint32_t waitMs = 1000);

    // For the first copy, polled from the event loop: answers every waiting start and returns
    // true when at least one asked to be shown.
    bool takeRaiseRequests();

    // The socket name for a program path: "\0korvat:" + path, or a hash of the path when that
    // does not fit a socket address.
    static std::string socketName(const std::string& programPath);
    // The path of the running program file (/proc/self/exe), empty if unknown.
    static std::string programFilePath();

  private:
    bool bindName();
    bool askHolder(uint32_t waitMs);

    std::string name_;
    int listener_ = -1;
};

}  // namespace korvat::platform
