#include "platform/KeyValueStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "TempFolder.h"

namespace korvat::platform {
namespace {

using testing::readText;
using testing::TempFolder;
using testing::writeText;

StoredValue bytesOf(uint32_t type, std::vector<uint8_t> bytes) {
    return {type, std::move(bytes)};
}

TEST(RegistryDocument, ReadsDwordAndRawValuesOfAnyType) {
    const RegistryDocument doc = RegistryDocument::parse(
        "[Korvat]\nmaxmark=dword:0000012c\nname=hex(1):41,00,42,00\nblob=hex:\n"
        "[Other]\nmaxmark=dword:00000001\n");
    const auto maxmark = doc.value("Korvat", "maxmark");
    ASSERT_TRUE(maxmark);
    EXPECT_EQ(maxmark->type, kTypeDword);
    EXPECT_EQ(maxmark->bytes, (std::vector<uint8_t>{0x2c, 0x01, 0, 0}));
    const auto name = doc.value("Korvat", "name");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->type, 1u);
    EXPECT_EQ(name->bytes, (std::vector<uint8_t>{0x41, 0, 0x42, 0}));
    EXPECT_EQ(doc.value("Korvat", "blob")->bytes.size(), 0u);
    EXPECT_EQ(doc.value("Other", "maxmark")->bytes[0], 1);
    EXPECT_FALSE(doc.value("Korvat", "missing"));
    EXPECT_FALSE(doc.value("Nowhere", "maxmark"));
}

TEST(RegistryDocument, NamesIgnoreCaseAndSpacesAroundThem) {
    const RegistryDocument doc =
        RegistryDocument::parse("  [ KORVAT ]  \r\n  MaxMark = DWORD:000000FF \r\n");
    EXPECT_TRUE(doc.hasKey("korvat"));
    ASSERT_TRUE(doc.value("Korvat", "maxmark"));
    EXPECT_EQ(doc.value("Korvat", "maxmark")->bytes[0], 0xff);
}

TEST(RegistryDocument, DamagedDefinitionsCountAsMissing) {
    for (const char* line :
         {"jump=dword:64", "jump=dword:0000006400", "jump=dword:xyz00000", "jump=hex:1,2",
          "jump=hex(zz):01", "jump=hex(4:01", "jump=text", "jump=", "jump=hex:01,,02"}) {
        const RegistryDocument doc = RegistryDocument::parse(std::string("[Korvat]\n") + line);
        EXPECT_FALSE(doc.value("Korvat", "jump")) << line;
    }
    // The last definition counts, even when it is the damaged one.
    const RegistryDocument doc =
        RegistryDocument::parse("[Korvat]\njump=dword:00000001\njump=dword:zz\n");
    EXPECT_FALSE(doc.value("Korvat", "jump"));
}

TEST(RegistryDocument, SettingKeepsEveryOtherLineInPlace) {
    const std::string original =
        "; comment\n[Korvat]\nunknown=hex(7):00\nmaxmark=dword:00000001\n\n"
        "garbage line\r\n[Other]\nx=dword:00000002";
    RegistryDocument doc = RegistryDocument::parse(original);
    ASSERT_TRUE(doc.setValue("Korvat", "maxmark", bytesOf(kTypeDword, {5, 0, 0, 0})));
    ASSERT_TRUE(doc.setValue("Korvat", "jump", bytesOf(kTypeDword, {0x64, 0, 0, 0})));
    ASSERT_TRUE(doc.setValue("New", "v", bytesOf(kTypeBinary, {1, 2})));
    EXPECT_EQ(doc.text(),
              "; comment\n[Korvat]\nunknown=hex(7):00\nmaxmark=dword:00000005\n"
              "jump=dword:00000064\n\ngarbage line\r\n[Other]\nx=dword:00000002\n"
              "[New]\nv=hex:01,02\n");
}

TEST(RegistryDocument, RefusesNamesThatWouldNotReadBack) {
    RegistryDocument doc;
    const StoredValue v = bytesOf(kTypeDword, {0, 0, 0, 0});
    for (const char* name : {"", "a=b", "line\nbreak", " padded", ";comment", "[x"}) {
        EXPECT_FALSE(doc.setValue("Korvat", name, v)) << name;
    }
    EXPECT_FALSE(doc.setValue("Kor]vat", "ok", v));
    EXPECT_EQ(doc.text(), "");
}

TEST(RegistryDocument, WrittenValuesReadBackWithTheirType) {
    RegistryDocument doc;
    const StoredValue odd = bytesOf(0x2a, {0xde, 0xad, 0xbe, 0xef, 0x00});
    const StoredValue dwordOfOtherLength = bytesOf(kTypeDword, {1, 2});
    ASSERT_TRUE(doc.setValue("K", "odd", odd));
    ASSERT_TRUE(doc.setValue("K", "short", dwordOfOtherLength));
    const RegistryDocument again = RegistryDocument::parse(doc.text());
    EXPECT_EQ(again.value("K", "odd")->type, odd.type);
    EXPECT_EQ(again.value("K", "odd")->bytes, odd.bytes);
    EXPECT_EQ(again.value("K", "short")->type, kTypeDword);
    EXPECT_EQ(again.value("K", "short")->bytes, dwordOfOtherLength.bytes);
}

class KeyValueStoreFile : public ::testing::Test {
  protected:
    TempFolder folder;
    std::string path = folder.file("korvat/registry");
    KeyValueStore store{path};
};

TEST_F(KeyValueStoreFile, MissingFileHasNoKey) {
    StoreKey key;
    EXPECT_FALSE(store.openKey("Korvat", key));
    EXPECT_FALSE(key.open);
}

TEST_F(KeyValueStoreFile, CreateKeyWritesTheFileAndValuesReadBack) {
    StoreKey key;
    ASSERT_TRUE(store.createKey("Korvat", key));
    ASSERT_TRUE(store.setDword(key, "maxmark", 0x12345678));
    store.closeKey(key);
    EXPECT_NE(readText(path).find("[Korvat]\nmaxmark=dword:12345678\n"), std::string::npos);

    ASSERT_TRUE(store.openKey("Korvat", key));
    uint8_t bytes[4] = {};
    ASSERT_TRUE(store.queryValue(key, "maxmark", bytes, 4));
    EXPECT_EQ(bytes[0], 0x78);
    EXPECT_EQ(bytes[3], 0x12);
    EXPECT_FALSE(store.setDword(key, "x", 1)) << "a key opened for reading cannot be written";
    store.closeKey(key);
    EXPECT_FALSE(store.queryValue(key, "maxmark", bytes, 4)) << "a closed key reads nothing";
}

TEST_F(KeyValueStoreFile, ValuesOfAnotherLengthThanTheBufferAreMissing) {
    StoreKey key;
    ASSERT_TRUE(store.createKey("Korvat", key));
    ASSERT_TRUE(store.setValue(key, "two", bytesOf(kTypeDword, {1, 2})));
    ASSERT_TRUE(store.setValue(key, "eight", bytesOf(kTypeBinary, {1, 2, 3, 4, 5, 6, 7, 8})));
    uint8_t buffer[4] = {9, 9, 9, 9};
    EXPECT_FALSE(store.queryValue(key, "two", buffer, 4));
    EXPECT_FALSE(store.queryValue(key, "eight", buffer, 4));
    EXPECT_EQ(buffer[0], 9);
    uint8_t eight[8];
    EXPECT_TRUE(store.queryValue(key, "eight", eight, 8));
}

TEST_F(KeyValueStoreFile, RewritesLeaveNoTemporaryFilesAndKeepTheMode) {
    StoreKey key;
    ASSERT_TRUE(store.createKey("Korvat", key));
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    for (uint32_t i = 0; i < 5; ++i) {
        ASSERT_TRUE(store.setDword(key, "n", i));
    }
    EXPECT_EQ(std::filesystem::directory_iterator(folder.file("korvat"))->path().filename(),
              "registry");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.file("korvat")), {}), 1);
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(KeyValueStoreFile, BinaryGarbageReadsAsMissingAndIsKeptOnRewrite) {
    std::filesystem::create_directories(folder.file("korvat"));
    std::string garbage(
        "\x7f"
        "ELF\0\0\xff\xfe[Korvat\n=\n\0\0",
        18);
    writeText(path, garbage);
    StoreKey key;
    EXPECT_FALSE(store.openKey("Korvat", key));
    ASSERT_TRUE(store.createKey("Korvat", key));
    ASSERT_TRUE(store.setDword(key, "maxmark", 7));
    const std::string text = readText(path);
    EXPECT_EQ(text.substr(0, garbage.size()), garbage);
    ASSERT_TRUE(store.openKey("Korvat", key));
    uint8_t bytes[4];
    EXPECT_TRUE(store.queryValue(key, "maxmark", bytes, 4));
    EXPECT_EQ(bytes[0], 7);
}

TEST_F(KeyValueStoreFile, AFileTooLargeToBeOursIsNeverOverwritten) {
    std::filesystem::create_directories(folder.file("korvat"));
    const std::string huge(2 << 20, 'x');
    writeText(path, huge);
    StoreKey key;
    EXPECT_FALSE(store.openKey("Korvat", key));
    EXPECT_FALSE(store.createKey("Korvat", key));
    EXPECT_EQ(readText(path).size(), huge.size());
}

TEST_F(KeyValueStoreFile, AFolderThatCannotBeMadeFailsQuietly) {
    writeText(folder.file("korvat"), "a file where the folder should be");
    StoreKey key;
    EXPECT_FALSE(store.createKey("Korvat", key));
    EXPECT_FALSE(store.openKey("Korvat", key));
}

TEST(KeyValueStoreLocation, FollowsXdgConfigHomeAndIgnoresRelativeOnes) {
    TempFolder folder;
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string savedXdg = oldXdg != nullptr ? oldXdg : "";
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome != nullptr ? oldHome : "";
    setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    EXPECT_EQ(KeyValueStore().filePath(), folder.path() + "/korvat/registry");
    setenv("XDG_CONFIG_HOME", "relative/dir", 1);
    setenv("HOME", folder.path().c_str(), 1);
    EXPECT_EQ(KeyValueStore::defaultPath(), folder.path() + "/.config/korvat/registry");
    if (oldXdg != nullptr) {
        setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
    if (oldHome != nullptr) {
        setenv("HOME", savedHome.c_str(), 1);
    } else {
        unsetenv("HOME");
    }
}

TEST(WholeFiles, WriteAndSyncReportsAFullDisk) {
    std::FILE* full = std::fopen("/dev/full", "wb");
    if (full == nullptr) {
        GTEST_SKIP() << "no /dev/full";
    }
    const std::vector<uint8_t> bytes(340, 1);
    EXPECT_FALSE(writeAndSync(full, bytes.data(), bytes.size()));
    std::fclose(full);
}

TEST(WholeFiles, ReadingRefusesFoldersFifosAndOversizedFiles) {
    TempFolder folder;
    std::vector<uint8_t> out;
    EXPECT_EQ(readFileBounded(folder.file("none"), 10, out), ReadResult::Missing);
    EXPECT_EQ(readFileBounded(folder.path(), 10, out), ReadResult::Failed);
    ASSERT_EQ(mkfifo(folder.file("fifo").c_str(), 0600), 0);
    EXPECT_EQ(readFileBounded(folder.file("fifo"), 10, out), ReadResult::Failed);
    writeText(folder.file("eleven"), "01234567890");
    EXPECT_EQ(readFileBounded(folder.file("eleven"), 10, out), ReadResult::TooLarge);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(readFileBounded(folder.file("eleven"), 11, out), ReadResult::Ok);
    EXPECT_EQ(out.size(), 11u);
}

}  // namespace
}  // namespace korvat::platform
