// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/game_dir.h"
#include "core/game_file.h"
#include "core/safe_write.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {
using kvr::FileAccessError;
using kvr::GameFile;
using kvrtest::readFile;
using kvrtest::TempDir;
using kvrtest::writeFile;
namespace fs = std::filesystem;

TEST(GameFile, ReadsAndWritesLittleEndianWords)
{
    TempDir dir;
    writeFile(dir / "F", {0x00, 0x34, 0x12, 0x00});
    GameFile f = GameFile::open(dir / "F");
    f.seek(1);
    EXPECT_EQ(f.readWord(), 0x1234);
    f.seek(1);
    f.writeWord(0xBEEF);
    f.commit();
    EXPECT_EQ(readFile(dir / "F"), (std::vector<std::uint8_t>{0x00, 0xEF, 0xBE, 0x00}));
}

TEST(GameFile, AccessOutsideTheFileIsAFileAccessError)
{
    TempDir dir;
    writeFile(dir / "F", {1, 2, 3});
    GameFile f = GameFile::open(dir / "F");
    try {
        f.seek(4);
        FAIL() << "seek beyond the end passed";
    } catch (const FileAccessError& e) {
        EXPECT_STREQ(e.what(), " File access error! ");
    }
    f.seek(3); // the end itself is a valid place, as after the last byte
    EXPECT_THROW(f.readByte(), FileAccessError);
    f.seek(2);
    EXPECT_THROW(f.writeWord(7), FileAccessError);
    EXPECT_EQ(f.bytes()[2], 3) << "a word that does not fit writes no half";
    EXPECT_THROW(f.require(1, 3), FileAccessError);
    EXPECT_NO_THROW(f.require(1, 2));
    EXPECT_THROW(GameFile::open(dir / "missing"), FileAccessError);
}

// A file opened to read in parts must read as the same file read whole, across the
// parts' seams, at its ends and after a write.
TEST(GameFile, OpenedToReadItReadsAsTheWholeFile)
{
    TempDir dir;
    std::vector<std::uint8_t> bytes(40000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = std::uint8_t(i * 7 + i / 251);
    writeFile(dir / "F", bytes);
    GameFile whole = GameFile::open(dir / "F");
    GameFile parts = GameFile::openToRead(dir / "F", "1) File access error! ");
    ASSERT_EQ(parts.size(), 40000u);
    // First byte, a word across the first seam (16384), the second seam, the last word.
    for (const std::uint32_t at : {0u, 16383u, 32767u, 20000u, 39998u, 5u}) {
        SCOPED_TRACE(at);
        whole.seek(at);
        parts.seek(at);
        EXPECT_EQ(parts.readWord(), whole.readWord());
        EXPECT_EQ(parts.position(), at + 2);
    }
    parts.seek(40000);
    try {
        parts.readByte();
        FAIL() << "read beyond the end passed";
    } catch (const FileAccessError& e) {
        EXPECT_STREQ(e.what(), "1) File access error! ");
    }
    EXPECT_THROW(parts.seek(40001), FileAccessError);
    EXPECT_THROW(parts.require(39999, 2), FileAccessError);

    parts.seek(30000);
    parts.writeByte(std::uint8_t(bytes[30000] ^ 0xFF));
    parts.commit();
    bytes[30000] ^= 0xFF;
    EXPECT_EQ(readFile(dir / "F"), bytes) << "a write keeps every byte it did not change";
    EXPECT_THROW(GameFile::openToRead(dir / "missing"), FileAccessError);
}

TEST(GameFile, OpenedToReadAFileCutShortIsAFileAccessError)
{
    TempDir dir;
    writeFile(dir / "F", std::vector<std::uint8_t>(40000, 9));
    GameFile parts = GameFile::openToRead(dir / "F");
    parts.seek(10);
    EXPECT_EQ(parts.readByte(), 9);
    // Another program cuts the file while the editor reads it.
    fs::resize_file(dir / "F", 20000);
    parts.seek(35000);
    EXPECT_THROW(parts.readByte(), FileAccessError);
}

TEST(GameFile, NumberedMessagesTravelWithTheError)
{
    TempDir dir;
    writeFile(dir / "F", {1});
    GameFile f = GameFile::open(dir / "F", "2) File access error! ");
    f.seek(1);
    try {
        f.readByte();
        FAIL();
    } catch (const FileAccessError& e) {
        EXPECT_STREQ(e.what(), "2) File access error! ");
    }
}

TEST(GameFile, AFailedActionLeavesTheFileAsItWas)
{
    TempDir dir;
    const std::vector<std::uint8_t> original(100, 0x5A);
    writeFile(dir / "KVR.EXE", original);
    {
        GameFile f = GameFile::open(dir / "KVR.EXE");
        f.seek(10);
        f.writeByte(1);
        f.seek(99);
        EXPECT_THROW(f.writeWord(0x0102), FileAccessError);
        // the action ends here without commit
    }
    EXPECT_EQ(readFile(dir / "KVR.EXE"), original);
    EXPECT_FALSE(fs::exists(dir / "KVR.EXE.orig"));
}

TEST(GameFile, KeepsOnePristineCopyBeforeTheFirstWrite)
{
    TempDir dir;
    writeFile(dir / "KVR.EXE", {1, 2, 3});
    GameFile a = GameFile::open(dir / "KVR.EXE");
    a.commit(); // nothing changed: nothing written, no copy
    EXPECT_FALSE(fs::exists(dir / "KVR.EXE.orig"));
    a.seek(0);
    a.writeByte(9);
    a.commit();
    GameFile b = GameFile::open(dir / "KVR.EXE");
    b.seek(1);
    b.writeByte(8);
    b.commit();
    EXPECT_EQ(readFile(dir / "KVR.EXE.orig"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(readFile(dir / "KVR.EXE"), (std::vector<std::uint8_t>{9, 8, 3}));
}

TEST(GameFile, ReadOnlyFilesAreMadeWritableAndKeepTheirMode)
{
    TempDir dir;
    writeFile(dir / "F1GSTATE.SAV", {0, 0, 0, 0, 0});
    fs::permissions(dir / "F1GSTATE.SAV", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    GameFile f = GameFile::open(dir / "F1GSTATE.SAV");
    f.writeByte(1);
    f.commit();
    EXPECT_NE(fs::status(dir / "F1GSTATE.SAV").permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(readFile(dir / "F1GSTATE.SAV")[0], 1);
}

class SafeWriteStep : public ::testing::TestWithParam<kvr::WriteStep> {
protected:
    void TearDown() override { kvr::setWriteStepHook(nullptr); }
};

TEST_P(SafeWriteStep, AFailureAtAnyStepLeavesTheOldBytesAndNoLitter)
{
    TempDir dir;
    const std::vector<std::uint8_t> old(64, 0x11);
    writeFile(dir / "KVR.EXE", old);
    GameFile f = GameFile::open(dir / "KVR.EXE");
    f.seek(5);
    f.writeByte(0x22);
    const kvr::WriteStep failing = GetParam();
    kvr::setWriteStepHook([failing](kvr::WriteStep s) {
        if (s == failing)
            throw kvr::WriteFailure("injected");
    });
    EXPECT_THROW(f.commit(), FileAccessError);
    kvr::setWriteStepHook(nullptr);
    EXPECT_EQ(readFile(dir / "KVR.EXE"), old);
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_TRUE(entry.path().filename() == "KVR.EXE" || entry.path().filename() == "KVR.EXE.orig")
            << "left behind: " << entry.path();
    // A later try succeeds.
    f.commit();
    EXPECT_EQ(readFile(dir / "KVR.EXE")[5], 0x22);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, SafeWriteStep,
                         ::testing::Values(kvr::WriteStep::Create, kvr::WriteStep::Write, kvr::WriteStep::Flush,
                                           kvr::WriteStep::Rename));

TEST(GameDir, FindsFilesWhateverTheirCase)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows finds names whatever their case itself";
#else
    TempDir dir;
    writeFile(dir / "kvr.exe", {1});
    writeFile(dir / "Circuits" / "f1ct01.dat", {2});
    EXPECT_EQ(kvr::findInDir(dir.path(), "KVR.EXE"), dir / "kvr.exe");
    EXPECT_EQ(kvr::findInDir(dir.path(), "CIRCUITS\\F1CT01.DAT"), dir.path() / "Circuits" / "f1ct01.dat");
    EXPECT_EQ(kvr::findInDir(dir.path(), "CIRCUITS/F1CT02.DAT"), dir.path() / "Circuits" / "F1CT02.DAT")
        << "a missing file keeps the spelling asked for, inside the folder found";
    EXPECT_EQ(kvr::findInDir(dir.path(), "GAMEJAMS/X.JAM"), dir.path() / "GAMEJAMS" / "X.JAM");
#endif
}

} // namespace
