// The single running copy with the real program: a second start of the same file hands over
// and ends with 255; a copy of the program elsewhere runs on its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ProcessSupport.h"

namespace korvat::shell::testing {
namespace {

class SingleCopyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = makeTempFolder();
        ASSERT_FALSE(root_.empty());
        for (const char* sub : {"a", "b", "home"}) {
            std::filesystem::create_directories(root_ + "/" + sub);
        }
        env_ = {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy", "HOME=" + root_ + "/home",
                "XDG_CONFIG_HOME=" + root_ + "/home/config",
                "XDG_DATA_HOME=" + root_ + "/home/data"};
    }
    void TearDown() override {
        for (pid_t pid : children_) {
            stop(pid);
        }
        removeFolder(root_);
    }
    pid_t start(const std::string& program) {
        const pid_t pid = spawn(program, {}, env_);
        if (pid > 0) {
            children_.push_back(pid);
        }
        return pid;
    }
    static bool listening(const std::string& program) {
        return abstractSocketListed("korvat:" + program);
    }

    std::string root_;
    std::vector<std::string> env_;
    std::vector<pid_t> children_;
};

TEST_F(SingleCopyTest, SecondStartOfTheSameFileEndsWith255AndAnotherFileRuns) {
    const std::string first = copyProgram(KORVAT_PROGRAM, root_ + "/a");
    const std::string other = copyProgram(KORVAT_PROGRAM, root_ + "/b");

    const pid_t running1 = start(first);
    ASSERT_GT(running1, 0);
    ASSERT_TRUE(waitFor([&] { return listening(first); }, 10000));

    const pid_t second = spawn(first, {}, env_);
    EXPECT_EQ(waitExit(second, 10000), 255);
    EXPECT_TRUE(running(running1));
    // The handed-over start wrote nothing.
    EXPECT_FALSE(std::filesystem::exists(root_ + "/home/config/korvat"));

    const pid_t elsewhere = start(other);
    ASSERT_GT(elsewhere, 0);
    EXPECT_TRUE(waitFor([&] { return listening(other); }, 10000));
    EXPECT_TRUE(running(elsewhere));
    EXPECT_TRUE(running(running1));
}

}  // namespace
}  // namespace korvat::shell::testing
