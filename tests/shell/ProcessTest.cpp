// The single running copy: with the real program a second start of the same file hands over
// and ends with 255 writing nothing, a copy of the program elsewhere runs on its own.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/SingleInstance.h"

namespace {

namespace fs = std::filesystem;
using korvat::platform::SingleInstance;

// Up to ten seconds.
bool waitFor(const std::function<bool()>& condition) {
    for (int waited = 0; waited < 10'000; waited += 50) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// The program's abstract socket, named after its path, is bound.
bool listening(const std::string& program) {
    std::ifstream table("/proc/net/unix");
    const std::string wanted = "@" + SingleInstance::socketName(program);
    for (std::string line; std::getline(table, line);) {
        if (line.ends_with(wanted)) {
            return true;
        }
    }
    return false;
}

class SingleCopyTest : public ::testing::Test {
  protected:
    // Two copies of the program in a fresh folder, run with a home there.
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "korvat-process-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        for (const char* sub : {"a", "b"}) {
            fs::create_directories(root_ / sub);
            fs::copy_file(KORVAT_PROGRAM, programPath(sub));
        }
        const std::string home = root_ / "home";
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    }
    void TearDown() override {
        for (const pid_t pid : children_) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        fs::remove_all(root_);
    }
    std::string programPath(const char* sub) const { return root_ / sub / "korvat"; }
    pid_t start(const char* sub) {
        const std::string program = programPath(sub);
        const pid_t pid = fork();
        if (pid == 0) {
            execl(program.c_str(), program.c_str(), nullptr);
            _exit(127);
        }
        children_.push_back(pid);
        return pid;
    }
    // The exit code, or -1 while it still runs after ten seconds.
    int exitCode(pid_t pid) {
        int status = 0;
        if (!waitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; })) {
            return -1;
        }
        std::erase(children_, pid);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static bool running(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == 0; }

    fs::path root_;
    std::vector<pid_t> children_;
};

TEST_F(SingleCopyTest, SecondStartOfTheSameFileEndsWith255AndAnotherFileRuns) {
    const pid_t first = start("a");
    ASSERT_TRUE(waitFor([&] { return listening(programPath("a")); }));

    EXPECT_EQ(exitCode(start("a")), 255);
    EXPECT_TRUE(running(first));
    EXPECT_FALSE(fs::exists(root_ / "home/config/korvat")) << "the handed-over start wrote";

    const pid_t elsewhere = start("b");
    EXPECT_TRUE(waitFor([&] { return listening(programPath("b")); }));
    EXPECT_TRUE(running(elsewhere));
    EXPECT_TRUE(running(first));
}

// Two lock objects for the same path in this process, for what the real program cannot provoke.
TEST(SingleInstanceTest, LongPathsAreHashedIntoTheSocketNameLimit) {
    const std::string longA = "/" + std::string(200, 'a') + "/korvat";
    const std::string longB = "/" + std::string(200, 'a') + "/korvaT";
    EXPECT_LE(SingleInstance::socketName(longA).size(), 107u);
    EXPECT_NE(SingleInstance::socketName(longA), SingleInstance::socketName(longB));
}

TEST(SingleInstanceTest, AHolderThatNeverAnswersIsAskedThreeTimesThenIgnored) {
    const std::string path = "/tmp/korvat-test-" + std::to_string(getpid()) + "/korvat";
    SingleInstance first(path);
    ASSERT_EQ(first.start(), SingleInstance::Outcome::First);
    SingleInstance second(path);
    EXPECT_EQ(second.start(3, 20), SingleInstance::Outcome::Independent);
    // The abandoned requests are not taken for a wish to be shown.
    EXPECT_FALSE(first.takeRaiseRequests());
}

}  // namespace
