// The single running copy, in one process: two lock objects for the same program path behave
// as two starts of the same file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/SingleInstance.h"

namespace korvat::platform {
namespace {

using Outcome = SingleInstance::Outcome;

std::string uniquePath(const char* tag) {
    return "/tmp/korvat-test-" + std::to_string(getpid()) + "-" + tag + "/korvat";
}

TEST(SingleInstanceTest, NamesComeFromThePathAndLongPathsAreHashed) {
    EXPECT_EQ(SingleInstance::socketName("/opt/korvat"), "korvat:/opt/korvat");
    const std::string longA = "/" + std::string(200, 'a') + "/korvat";
    const std::string longB = "/" + std::string(200, 'a') + "/korvaT";
    const std::string nameA = SingleInstance::socketName(longA);
    EXPECT_LE(nameA.size(), 107u);
    EXPECT_EQ(nameA, SingleInstance::socketName(longA));
    EXPECT_NE(nameA, SingleInstance::socketName(longB));
    EXPECT_FALSE(SingleInstance::programFilePath().empty());
}

TEST(SingleInstanceTest, ASecondStartOfTheSamePathHandsOverToTheFirst) {
    const std::string path = uniquePath("same");
    SingleInstance first(path);
    ASSERT_EQ(first.start(), Outcome::First);
    EXPECT_FALSE(first.takeRaiseRequests());

    std::atomic<bool> done{false};
    std::atomic<bool> raised{false};
    std::thread holder([&] {
        while (!done) {
            if (first.takeRaiseRequests()) {
                raised = true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    SingleInstance second(path);
    const Outcome outcome = second.start(3, 2000);
    done = true;
    holder.join();
    EXPECT_EQ(outcome, Outcome::HandedOver);
    EXPECT_TRUE(raised);
}

TEST(SingleInstanceTest, AnotherPathRunsOnItsOwn) {
    SingleInstance first(uniquePath("one"));
    SingleInstance other(uniquePath("two"));
    EXPECT_EQ(first.start(), Outcome::First);
    EXPECT_EQ(other.start(), Outcome::First);
}

TEST(SingleInstanceTest, AHolderThatNeverAnswersIsAskedThreeTimesThenIgnored) {
    const std::string path = uniquePath("mute");
    SingleInstance first(path);
    ASSERT_EQ(first.start(), Outcome::First);
    SingleInstance second(path);
    EXPECT_EQ(second.start(3, 20), Outcome::Independent);
    // The abandoned requests are not taken for a wish to be shown.
    EXPECT_FALSE(first.takeRaiseRequests());
}

TEST(SingleInstanceTest, TheNameIsFreeAgainWhenItsHolderEnds) {
    const std::string path = uniquePath("again");
    {
        SingleInstance first(path);
        ASSERT_EQ(first.start(), Outcome::First);
    }
    SingleInstance next(path);
    EXPECT_EQ(next.start(1, 20), Outcome::First);
}

}  // namespace
}  // namespace korvat::platform
