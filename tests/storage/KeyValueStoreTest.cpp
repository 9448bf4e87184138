#include "platform/KeyValueStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "TempFolder.h"

namespace korvat::platform {
namespace {

using namespace korvat::testing;

TEST(RegistryDocument, DamagedDefinitionsCountAsMissing) {
    for (const char* line :
         {"jump=dword:64", "jump=dword:0000006400", "jump=dword:xyz00000", "jump=hex:1,2",
          "jump=hex(zz):01", "jump=hex(4:01", "jump=text", "jump=", "jump=hex:01,,02"}) {
        const RegistryDocument doc = RegistryDocument::parse(std::string("[Korvat]\n") + line);
        EXPECT_FALSE(doc.value("Korvat", "jump")) << line;
    }
}

TEST(RegistryDocument, SettingKeepsEveryOtherLineInPlace) {
    RegistryDocument doc = RegistryDocument::parse(
        "; comment\n[Korvat]\nunknown=hex(7):00\nmaxmark=dword:00000001\n\n"
        "garbage line\r\n[Other]\nx=dword:00000002");
    ASSERT_TRUE(doc.setValue("Korvat", "maxmark", {kTypeDword, {5, 0, 0, 0}}));
    ASSERT_TRUE(doc.setValue("Korvat", "jump", {kTypeDword, {0x64, 0, 0, 0}}));
    ASSERT_TRUE(doc.setValue("New", "v", {kTypeBinary, {1, 2}}));
    EXPECT_EQ(doc.text(),
              "; comment\n[Korvat]\nunknown=hex(7):00\nmaxmark=dword:00000005\n"
              "jump=dword:00000064\n\ngarbage line\r\n[Other]\nx=dword:00000002\n"
              "[New]\nv=hex:01,02\n");
}

TEST(KeyValueStoreFile, RewritesLeaveNoTemporaryFilesAndKeepTheMode) {
    TempFolder folder;
    const std::string path = folder.file("registry");
    KeyValueStore store{path};
    StoreKey key;
    ASSERT_TRUE(store.createKey("Korvat", key));
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    for (uint32_t i = 0; i < 5; ++i) {
        ASSERT_TRUE(store.setDword(key, "n", i));
    }
    EXPECT_EQ(folder.entryCount(), 1u);
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(KeyValueStoreFile, AFileTooLargeToBeOursIsNeverOverwritten) {
    TempFolder folder;
    const std::string path = folder.file("registry");
    const std::string huge(2 << 20, 'x');
    writeText(path, huge);
    KeyValueStore store{path};
    StoreKey key;
    EXPECT_FALSE(store.openKey("Korvat", key));
    EXPECT_FALSE(store.createKey("Korvat", key));
    EXPECT_EQ(readText(path).size(), huge.size());
}

TEST(KeyValueStoreFile, FollowsXdgConfigHomeAndIgnoresRelativeOnes) {
    TempFolder folder;
    {
        const ScopedEnv config("XDG_CONFIG_HOME", folder.path());
        EXPECT_EQ(KeyValueStore().filePath(), folder.path() + "/korvat/registry");
    }
    const ScopedEnv config("XDG_CONFIG_HOME", "relative/dir");
    const ScopedEnv home("HOME", folder.path());
    EXPECT_EQ(KeyValueStore::defaultPath(), folder.path() + "/.config/korvat/registry");
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

    // A file longer than its stated size (as one that grows while it is read): /proc reports
    // size 0 for a status page of a kilobyte or more.
    EXPECT_EQ(readFileBounded("/proc/self/status", 100, out), ReadResult::TooLarge);
    EXPECT_TRUE(out.empty());
    ASSERT_EQ(readFileBounded("/proc/self/status", 1 << 16, out), ReadResult::Ok);
    EXPECT_GT(out.size(), 100u);
    EXPECT_EQ(std::string(out.begin(), out.begin() + 5), "Name:");
}

}  // namespace
}  // namespace korvat::platform
