// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/game_file.h"
#include "core/safe_write.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {
using kvr::FileAccessError;
using kvr::GameFile;
using kvrtest::readFile;
using kvrtest::TempDir;
using kvrtest::writeFile;
using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

std::vector<std::string> names(const fs::path& dir)
{
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(dir))
        n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
}

// Fails the n-th step of all writes (counted from 1) as the system would, with `error`.
void failStep(int n, int error)
{
    auto count = std::make_shared<int>(0);
    kvr::setWriteStepHook([count, n, error](kvr::WriteStep) {
        if (++*count == n)
            throw std::system_error(error, std::generic_category());
    });
}

class SafeWrite : public ::testing::Test {
protected:
    void TearDown() override { kvr::setWriteStepHook(nullptr); }
};

// The first commit of a game file writes two files: the backup, then the file itself,
// four steps each. A failure at any of the eight leaves the old bytes, no temp file,
// and either no backup or a whole one; the message keeps the system's reason.
TEST_F(SafeWrite, EachStepOfBackupAndReplacementFailsCleanly)
{
    const Bytes old(5000, 0x11);
    for (int n = 1; n <= 8; ++n) {
        TempDir dir;
        writeFile(dir / "KVR.EXE", old);
        GameFile f = GameFile::open(dir / "KVR.EXE");
        f.seek(7);
        f.writeByte(0x22);
        failStep(n, ENOSPC);
        try {
            f.commit();
            ADD_FAILURE() << "step " << n << " did not fail";
        } catch (const kvr::FileWriteError& e) {
            EXPECT_STREQ(e.what(), " File access error! ");
            EXPECT_NE(e.detail().english().find("No space left on device"), std::string::npos) << n << ": " << e.detail();
            EXPECT_NE(e.detail().english().find(n <= 4 ? "KVR.EXE.orig" : "KVR.EXE:"), std::string::npos) << e.detail();
        }
        kvr::setWriteStepHook(nullptr);
        EXPECT_EQ(readFile(dir / "KVR.EXE"), old) << "step " << n;
        const auto left = names(dir.path());
        if (n <= 4)
            EXPECT_EQ(left, (std::vector<std::string>{"KVR.EXE"})) << "step " << n;
        else
            EXPECT_EQ(left, (std::vector<std::string>{"KVR.EXE", "KVR.EXE.orig"})) << "step " << n;
        if (fs::exists(dir / "KVR.EXE.orig")) {
            EXPECT_EQ(readFile(dir / "KVR.EXE.orig"), old) << "a backup that exists is whole";
        }
        f.commit();
        EXPECT_EQ(readFile(dir / "KVR.EXE")[7], 0x22) << "a later try succeeds, step " << n;
        EXPECT_EQ(readFile(dir / "KVR.EXE.orig"), old);
    }
}

TEST_F(SafeWrite, AFolderThatTakesNoNewFileIsNamedWithTheReason)
{
    TempDir dir;
    writeFile(dir / "F1GSTATE.SAV", {1, 2, 3, 4, 5});
    GameFile f = GameFile::open(dir / "F1GSTATE.SAV");
    f.writeByte(9);
    failStep(1, EACCES);
    try {
        f.commit();
        FAIL();
    } catch (const FileAccessError& e) {
        EXPECT_STREQ(e.what(), " File access error! ");
        EXPECT_EQ(e.detail(), (dir / "F1GSTATE.SAV.orig").string() +
                                  ": cannot create a file in the game folder: Permission denied");
    }
}

TEST_F(SafeWrite, ABackupThatExistsIsNeverReplaced)
{
    TempDir dir;
    writeFile(dir / "KVR.EXE", {1, 2, 3});
    writeFile(dir / "KVR.EXE.orig", {7, 7});
    kvr::keepOriginalCopy(dir / "KVR.EXE");
    EXPECT_EQ(readFile(dir / "KVR.EXE.orig"), (Bytes{7, 7}));
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"KVR.EXE", "KVR.EXE.orig"}));
}

TEST_F(SafeWrite, SymlinkedGameFileHasItsTargetReplaced)
{
#ifdef _WIN32
    GTEST_SKIP() << "symlinks need privileges on Windows";
#else
    TempDir dir;
    writeFile(dir / "real" / "KVR.EXE", {1, 2, 3});
    fs::create_directory(dir / "game");
    fs::create_symlink("../real/KVR.EXE", dir / "game" / "KVR.EXE");
    GameFile f = GameFile::open(dir / "game" / "KVR.EXE");
    f.writeByte(9);
    f.commit();
    EXPECT_TRUE(fs::is_symlink(dir / "game" / "KVR.EXE")) << "the link stays a link";
    EXPECT_EQ(readFile(dir / "real" / "KVR.EXE"), (Bytes{9, 2, 3}));
    EXPECT_EQ(readFile(dir / "game" / "KVR.EXE.orig"), (Bytes{1, 2, 3})) << "the backup sits beside the name used";
    EXPECT_EQ(names(dir / "real"), (std::vector<std::string>{"KVR.EXE"}));
#endif
}

TEST_F(SafeWrite, HardLinksAreSeparatedByASave)
{
    TempDir dir;
    writeFile(dir / "KVR.EXE", {1, 2, 3});
    fs::create_hard_link(dir / "KVR.EXE", dir / "other.exe");
    GameFile f = GameFile::open(dir / "KVR.EXE");
    f.writeByte(9);
    f.commit();
    EXPECT_EQ(readFile(dir / "KVR.EXE"), (Bytes{9, 2, 3}));
    EXPECT_EQ(readFile(dir / "other.exe"), (Bytes{1, 2, 3}));
}

TEST_F(SafeWrite, OwnerAndModeAreKept)
{
#ifdef _WIN32
    GTEST_SKIP() << "owners and modes are POSIX";
#else
    TempDir dir;
    writeFile(dir / "KVR.EXE", {1, 2, 3});
    ::chmod((dir / "KVR.EXE").c_str(), 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown((dir / "KVR.EXE").c_str(), kvrtest::kNobody, kvrtest::kNobody), 0);
    }
    struct stat before {};
    ASSERT_EQ(::stat((dir / "KVR.EXE").c_str(), &before), 0);
    GameFile f = GameFile::open(dir / "KVR.EXE");
    f.writeByte(9);
    f.commit();
    for (const char* name : {"KVR.EXE", "KVR.EXE.orig"}) {
        struct stat after {};
        ASSERT_EQ(::stat((dir / name).c_str(), &after), 0);
        EXPECT_EQ(after.st_uid, before.st_uid) << name;
        EXPECT_EQ(after.st_gid, before.st_gid) << name;
        EXPECT_EQ(after.st_mode & 07777, 0640u) << name;
    }
#endif
}

TEST_F(SafeWrite, OutputsThatAreNoRegularFileAreWrittenDirectly)
{
#ifdef _WIN32
    GTEST_SKIP() << "FIFOs are POSIX";
#else
    TempDir dir;
    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    kvr::writeOutputFile(fifo, Bytes{4, 5, 6});
    std::uint8_t got[8] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 3);
    ::close(reader);
    EXPECT_EQ(Bytes(got, got + 3), (Bytes{4, 5, 6}));
    EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo) << "the FIFO was not replaced by a file";

    kvr::writeOutputFile(dir / "plain", Bytes{1});
    EXPECT_EQ(readFile(dir / "plain"), Bytes{1});
#endif
}

TEST_F(SafeWrite, StaleTempFilesOfOursAreRecognisedAndRemoved)
{
    const struct {
        const char* name;
        bool ours;
    } cases[] = {
        {".KVR.EXE.kvrtmp-a1B2c3", true},
        {".F1CT01.DAT.orig.kvrtmp-XyZ012", true},
        {".x.kvrtmp-123456", true},
        {"KVR.EXE.kvrtmp-a1B2c3", false}, // not hidden: not a name we make
        {".KVR.EXE.kvrtmp-a1B2c", false},  // five random characters
        {".KVR.EXE.kvrtmp-a1B2c3d", false},
        {".kvrtmp-a1B2c3", false},
        {"KVR.EXE.orig", false},
        {".kvrdesk.lock", false},
    };
    TempDir dir;
    for (const auto& c : cases) {
        EXPECT_EQ(kvr::isTempFileName(c.name), c.ours) << c.name;
        writeFile(dir / c.name, {1});
    }
    kvr::removeStaleTempFiles(dir.path());
    for (const auto& c : cases)
        EXPECT_EQ(fs::exists(dir / c.name), !c.ours) << c.name;
}

} // namespace
