// The single running copy per user: a second start of the same file hands over and ends with
// 255 writing nothing, other copies run on their own, a stale name is taken over, the users keep
// apart; without a display nothing starts.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "../e2e/XvfbSession.h"
#include "../storage/TempFolder.h"
#include "platform/SingleInstance.h"

namespace {

namespace fs = std::filesystem;
using korvat::platform::SingleInstance;
using korvat::testing::readText;
namespace e2e = korvat::e2e;

// The program and a copy of it in a fresh folder, run with a home and a runtime folder there.
class SingleCopyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy_file(KORVAT_PROGRAM, copy_);
        runtimeDir("run");
    }
    void TearDown() override {
        for (pid_t pid : children_)
            e2e::stopProcess(pid);
    }
    // A 0700 runtime folder, made the one of later starts.
    void runtimeDir(const char* sub) {
        fs::create_directories(root_ / sub);
        fs::permissions(root_ / sub, fs::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", (root_ / sub).c_str(), 1);
    }
    pid_t start(const std::string& program, const std::string& output = "/dev/null") {
        children_.push_back(
            e2e::spawnProcess({program}, e2e::homeEnvironment(root_ / "home"), output));
        return children_.back();
    }
    // The program's single-copy socket is bound within ten seconds (its path ends a line of
    // the table), and `pid` still runs.
    static bool serving(const std::string& program, pid_t pid) {
        const std::string line = " " + SingleInstance::socketName(program) + "\n";
        const auto bound = [&] { return readText("/proc/net/unix").find(line) != line.npos; };
        return e2e::waitUntil(10'000, 50, bound) && waitpid(pid, nullptr, WNOHANG) == 0;
    }
    // The exit code, or -1 while it still runs after ten seconds.
    int exitCode(pid_t pid) {
        pid_t waited = pid;  // -1 once it has ended
        const int code = e2e::waitForExit(waited, 10'000);
        if (waited == -1)
            std::erase(children_, pid);
        return code;
    }

    const korvat::testing::TempFolder folder_;
    const fs::path root_ = folder_.path;
    const std::string copy_ = root_ / "korvat";
    std::vector<pid_t> children_;
};

TEST_F(SingleCopyTest, SecondStartOfTheSameFileEndsWith255AndOtherCopiesRun) {
    const pid_t first = start(copy_);
    ASSERT_TRUE(serving(copy_, first));

    EXPECT_EQ(exitCode(start(copy_)), 255);
    EXPECT_FALSE(fs::exists(root_ / "home/config/korvat")) << "the handed-over start wrote";

    // Another file, or the same one with another runtime folder, runs its own copy.
    EXPECT_NE(SingleInstance::socketName(KORVAT_PROGRAM), SingleInstance::socketName(copy_));
    EXPECT_TRUE(serving(KORVAT_PROGRAM, start(KORVAT_PROGRAM)));
    runtimeDir("run2");
    EXPECT_TRUE(serving(copy_, start(copy_)));
    EXPECT_EQ(waitpid(first, nullptr, WNOHANG), 0) << "the first copy ended";

    // A holder killed leaves its socket file: the next start takes the name over.
    runtimeDir("run");
    kill(first, SIGKILL);
    exitCode(first);
    ASSERT_FALSE(fs::is_empty(root_ / "run"));
    EXPECT_TRUE(serving(copy_, start(copy_)));
}

TEST_F(SingleCopyTest, WithoutADisplayOneLineAndExit1HavingMadeNothing) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    // Over ssh there may be no runtime folder either: still the one line, nothing from SDL's
    // attempts at other displays.
    for (const bool withRuntime : {true, false}) {
        SCOPED_TRACE(withRuntime ? "with a runtime folder" : "without a runtime folder");
        const std::string errors = root_ / "stderr";
        const auto began = std::chrono::steady_clock::now();
        EXPECT_EQ(exitCode(start(copy_, errors)), 1);
        EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(2));
        const std::string text = readText(errors);
        EXPECT_TRUE(text.starts_with("korvat: cannot open a window: ")) << text;
        EXPECT_EQ(std::ranges::count(text, '\n'), 1) << text;
        EXPECT_TRUE(fs::is_empty(root_ / "run")) << "a name was taken";
        EXPECT_FALSE(fs::exists(root_ / "home")) << "a file was written";
        unsetenv("XDG_RUNTIME_DIR");
    }
}

// A socket for `name`, listening or connected with a raise request, made as user 65534: a peer
// sees the effective user at listen or connect. -1 when it failed.
int asAnotherUser(const std::string& name, bool listening) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size());
    const auto* a = reinterpret_cast<const sockaddr*>(&address);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool done = seteuid(65534) == 0 &&
                      (listening ? bind(fd, a, length) == 0 && listen(fd, 8) == 0
                                 : connect(fd, a, length) == 0 && write(fd, "raise\n", 6) == 6);
    EXPECT_EQ(seteuid(0), 0);
    return done ? fd : -1;
}

TEST(SingleInstanceTest, NamesKeepUsersAndFilesApartAndAnotherUserCanNeitherBlockNorRaise) {
    const std::string path = "/tmp/korvat-test-" + std::to_string(getpid()) + "/korvat";
    // Without a private runtime folder: abstract, one per user id and program path.
    const std::string abstract = SingleInstance::socketName(path, nullptr, 1000);
    EXPECT_EQ(abstract[0], '\0');
    EXPECT_NE(abstract, SingleInstance::socketName(path, nullptr, 1001));
    EXPECT_EQ(SingleInstance::socketName(path, "/tmp", 1000), abstract) << "a shared folder";
    EXPECT_EQ(SingleInstance::socketName(path, "/tmp", 0)[0], '\0') << "open to all, though ours";
    // Long paths are hashed into the address.
    const std::string longA = "/" + std::string(200, 'a') + "/korvat";
    const std::string longB = "/" + std::string(200, 'a') + "/korvaT";
    EXPECT_LE(SingleInstance::socketName(longA, nullptr, 0).size(), 108u);
    EXPECT_NE(SingleInstance::socketName(longA, nullptr, 0),
              SingleInstance::socketName(longB, nullptr, 0));

    if (getuid() != 0) {
        GTEST_SKIP() << "needs root to act as a second user";
    }
    unsetenv("XDG_RUNTIME_DIR");
    const std::string name = SingleInstance::socketName(path);
    // Another user squats this user's name: the start goes on without it.
    const int squatter = asAnotherUser(name, true);
    EXPECT_NE(squatter, -1) << "the name was not taken";
    EXPECT_EQ(SingleInstance(path).start(), SingleInstance::Outcome::Independent);
    close(squatter);

    // This user's copy holds the name: another user's raise request is not honoured, this
    // user's is.
    SingleInstance holder(path);
    ASSERT_EQ(holder.start(), SingleInstance::Outcome::First);
    const int asker = asAnotherUser(name, false);
    ASSERT_NE(asker, -1) << "the request was not sent";
    EXPECT_FALSE(holder.takeRaiseRequests());
    close(asker);
    SingleInstance again(path);
    EXPECT_EQ(again.start(), SingleInstance::Outcome::HandedOver);
    EXPECT_TRUE(holder.takeRaiseRequests());
}

}  // namespace
