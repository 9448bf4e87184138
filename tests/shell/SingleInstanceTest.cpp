// The single running copy in one process, for what the process test cannot provoke: two lock
// objects for the same program path behave as two starts of the same file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "platform/SingleInstance.h"

namespace korvat::platform {
namespace {

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
}  // namespace korvat::platform
