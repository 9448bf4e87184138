#include "platform/Files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <string>

#include "TempFolder.h"

namespace korvat::platform {
namespace {

using namespace korvat::testing;

bool replaceWith(const std::string& path, const std::string& text,
                 TempFile temp = TempFile::Unnamed) {
    return writeFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size(),
                               writeAndSync, temp);
}

TEST(WholeFiles, AFullDiskIsReportedAndFifosAndOversizedFilesAreRefused) {
    std::FILE* full = std::fopen("/dev/full", "wb");
    ASSERT_NE(full, nullptr);
    const std::vector<uint8_t> bytes(340, 1);
    EXPECT_FALSE(writeAndSync(full, bytes.data(), bytes.size()));
    std::fclose(full);

    TempFolder folder;
    std::vector<uint8_t> out;
    ASSERT_EQ(mkfifo(folder.file("fifo").c_str(), 0600), 0);
    EXPECT_EQ(readFileBounded(folder.file("fifo"), 10, out), ReadResult::Failed);
    writeText(folder.file("eleven"), "01234567890");
    EXPECT_EQ(readFileBounded(folder.file("eleven"), 10, out), ReadResult::TooLarge);
    EXPECT_EQ(readFileBounded(folder.file("eleven"), 11, out), ReadResult::Ok);
    EXPECT_EQ(out.size(), 11u);
    // Longer than its stated size, as a file that grows while read: /proc says 0 bytes.
    EXPECT_EQ(readFileBounded("/proc/self/status", 100, out), ReadResult::TooLarge);
    EXPECT_TRUE(out.empty());
    ASSERT_EQ(readFileBounded("/proc/self/status", 1 << 16, out), ReadResult::Ok);
    EXPECT_GT(out.size(), 100u);
}

TEST(WholeFiles, ARewriteKeepsTheModeAndRemovesAnEarlierWritesTemporary) {
    TempFolder folder;
    const std::string path = folder.file("top.ten");
    ASSERT_TRUE(replaceWith(path, "one"));
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    writeText(temporaryPathFor(path), "left by a crash");
    ASSERT_TRUE(replaceWith(path, "two", TempFile::Named));
    ASSERT_TRUE(replaceWith(path, "three"));
    EXPECT_FALSE(writeFileAtomically(path, reinterpret_cast<const uint8_t*>("four"), 4, failHalfway,
                                     TempFile::Named));
    EXPECT_EQ(readText(path), "three");
    EXPECT_EQ(folder.entryCount(), 1);
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(WholeFiles, KillsDuringWritesLeaveWholeFilesAndAtMostOneTemporary) {
    TempFolder folder;
    const std::string path = folder.file("game.kvt");
    const std::string small(340, 's'), large(5000, 'L');
    std::mt19937 random(20240607);
    for (int kill = 0; kill < 100; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        for (int i = 0; child == 0; ++i) {
            replaceWith(path, i % 2 == 0 ? small : large,
                        kill % 2 == 0 ? TempFile::Unnamed : TempFile::Named);
        }
        usleep(200 + random() % 3000);
        ::kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
        ASSERT_LE(folder.entryCount(), 2) << "after kill " << kill;
        if (std::filesystem::exists(path)) {
            const std::string now = readText(path);
            ASSERT_TRUE(now == small || now == large) << "a torn file of " << now.size();
        }
    }
    ASSERT_TRUE(replaceWith(path, small));
    EXPECT_EQ(folder.entryCount(), 1);
}

}  // namespace
}  // namespace korvat::platform
