// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/checksum.h"
#include "core/errors.h"
#include "core/game_file.h"
#include "core/safe_write.h"
#include "editors/patterned_file.h"
#include "game/track_files.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

const char* const kQuestion =
    "You have not installed track files on your hard disk. You need them to work with track editor. Would you "
    "like to install them now?";
const char* const kInsertCd = "Put \"Kavorra\" CD into CD drive, and hit \"OK\" when you are ready!";

std::string trackName(int t, const char* prefix = "F1CT", const char* suffix = ".DAT")
{
    char name[32];
    std::snprintf(name, sizeof name, "%s%02d%s", prefix, t + 1, suffix);
    return name;
}

// A sound track file: its setup at 0x100 (the word at 0x1014 says so) and its checksum.
std::vector<std::uint8_t> cdTrack(int t)
{
    std::vector<std::uint8_t> bytes = kvrtest::patternedBytes(0x1100 + std::size_t(t), unsigned(t) + 40);
    kvrtest::putBytes(bytes, 0x1014, {0xE0, 0xF0});
    kvr::writeChecksumTrailer(bytes);
    return bytes;
}
std::vector<std::uint8_t> oldTrack(int t) { return kvrtest::patternedBytes(100, unsigned(t) + 90); }

bool readOnly(const fs::path& p)
{
    return (fs::status(p).permissions() & fs::perms::owner_write) == fs::perms::none;
}

// A game folder and a CD folder with KVR.EXE and lower-case CIRCUITS names.
struct Folders {
    kvrtest::TempDir game;
    kvrtest::TempDir cd;
    kvrtest::ScriptedPrompt prompt;

    fs::path gameTrack(int t) const { return game.path() / "CIRCUITS" / trackName(t); }
    fs::path cdExe() const { return cd / "KVR.EXE"; }

    explicit Folders(bool cdFiles = true)
    {
        kvrtest::writeFile(cdExe(), {1, 2, 3});
        fs::create_directory(cd / "circuits");
        if (cdFiles)
            for (int t = 0; t < 16; ++t) {
                const fs::path p = cd.path() / "circuits" / trackName(t, "f1ct", ".dat");
                kvrtest::writeFile(p, cdTrack(t));
                fs::permissions(p, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                                fs::perm_options::remove);
            }
    }

    void installOld(int skip = -1)
    {
        fs::create_directory(game / "CIRCUITS");
        for (int t = 0; t < 16; ++t)
            if (t != skip)
                kvrtest::writeFile(gameTrack(t), oldTrack(t));
    }
};

TEST(EnsureTrackFiles, DeclinedLeavesTheNewFolderAndCopiesNothing)
{
    Folders f;
    f.prompt.confirmAnswers = {false};
    EXPECT_EQ(kvr::ensureTrackFiles(f.game.path(), f.prompt), kvr::TrackFiles::Declined);
    ASSERT_EQ(f.prompt.confirmed.size(), 1u);
    EXPECT_EQ(f.prompt.confirmed[0], kQuestion);
    EXPECT_TRUE(f.prompt.informed.empty());
    EXPECT_TRUE(f.prompt.fileRequests.empty());
    EXPECT_TRUE(fs::is_directory(f.game / "CIRCUITS"));
    EXPECT_TRUE(fs::is_empty(f.game / "CIRCUITS"));
}

TEST(EnsureTrackFiles, AcceptedCopiesAllSixteenFromTheCd)
{
    Folders f;
    f.prompt.confirmAnswers = {true};
    f.prompt.fileAnswers = {f.cdExe()};
    EXPECT_EQ(kvr::ensureTrackFiles(f.game.path(), f.prompt), kvr::TrackFiles::Present);

    EXPECT_EQ(f.prompt.confirmed, (std::vector<std::string>{kQuestion}));
    EXPECT_EQ(f.prompt.informed, (std::vector<std::string>{kInsertCd}));
    EXPECT_TRUE(f.prompt.warned.empty());
    ASSERT_EQ(f.prompt.fileRequests.size(), 1u);
    const kvr::FileRequest& r = f.prompt.fileRequests[0];
    EXPECT_EQ(r.mode, kvr::FileRequest::Mode::Open);
    EXPECT_EQ(r.title, "Locate kvr.exe file on your KVR CD");
    EXPECT_EQ(r.filter, "KVR.EXE on Your KVR CD|KVR.EXE");
    EXPECT_EQ(r.defaultExtension, "EXE");
    EXPECT_EQ(r.initialDirectory, fs::path("/"));

    for (int t = 0; t < 16; ++t) {
        EXPECT_EQ(kvrtest::readFile(f.gameTrack(t)), cdTrack(t)) << t;
        EXPECT_FALSE(readOnly(f.gameTrack(t))) << "read-only from the CD is cleared, track " << t;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(f.game / "CIRCUITS"), fs::directory_iterator()), 16)
        << "no temporary files are left behind";
}

TEST(EnsureTrackFiles, MissingFirstFileAsksAndOverwritesTheOthers)
{
    Folders f;
    f.installOld(0);
    fs::permissions(f.gameTrack(5), fs::perms::owner_write, fs::perm_options::remove);
    f.prompt.confirmAnswers = {true};
    f.prompt.fileAnswers = {f.cdExe()};
    EXPECT_EQ(kvr::ensureTrackFiles(f.game.path(), f.prompt), kvr::TrackFiles::Present);
    EXPECT_EQ(f.prompt.confirmed.size(), 1u) << "asked although the other 15 are there";
    for (int t = 0; t < 16; ++t)
        EXPECT_EQ(kvrtest::readFile(f.gameTrack(t)), cdTrack(t)) << t;
    EXPECT_FALSE(readOnly(f.gameTrack(5)));
    // The custom files the CD's replaced are kept; track 1 was not there to keep.
    EXPECT_FALSE(fs::exists(kvr::originalCopyPath(f.gameTrack(0))));
    for (int t = 1; t < 16; ++t)
        EXPECT_EQ(kvrtest::readFile(kvr::originalCopyPath(f.gameTrack(t))), oldTrack(t)) << t;
}

TEST(EnsureTrackFiles, AnyMissingFileAsks)
{
    Folders f;
    f.installOld(11);
    f.prompt.confirmAnswers = {false};
    EXPECT_EQ(kvr::ensureTrackFiles(f.game.path(), f.prompt), kvr::TrackFiles::Declined);
    EXPECT_EQ(f.prompt.confirmed.size(), 1u);
    EXPECT_EQ(kvrtest::readFile(f.gameTrack(0)), oldTrack(0)) << "declining changes nothing";
}

TEST(EnsureTrackFiles, AllPresentAsksNothingAndClearsReadOnly)
{
    Folders f;
    f.installOld();
    fs::permissions(f.gameTrack(15), fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(kvr::ensureTrackFiles(f.game.path(), f.prompt), kvr::TrackFiles::Present);
    EXPECT_TRUE(f.prompt.confirmed.empty());
    EXPECT_TRUE(f.prompt.informed.empty());
    EXPECT_FALSE(readOnly(f.gameTrack(15)));
    for (int t = 0; t < 16; ++t)
        EXPECT_EQ(kvrtest::readFile(f.gameTrack(t)), oldTrack(t)) << t;
}

TEST(EnsureTrackFiles, FindsALowerCaseFolder)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows finds names whatever their case itself";
#else
    Folders f;
    fs::create_directory(f.game / "circuits");
    for (int t = 0; t < 16; ++t)
        kvrtest::writeFile(f.game.path() / "circuits" / trackName(t, "f1ct", ".dat"), oldTrack(t));
    EXPECT_EQ(kvr::ensureTrackFiles(f.game.path(), f.prompt), kvr::TrackFiles::Present);
    EXPECT_TRUE(f.prompt.confirmed.empty());
    EXPECT_FALSE(fs::exists(f.game / "CIRCUITS")) << "no second folder beside the lower-case one";
#endif
}

TEST(EnsureTrackFiles, CancelledCdDialogCopiesNothing)
{
    Folders f;
    f.prompt.confirmAnswers = {true};
    f.prompt.fileAnswers = {std::nullopt};
    EXPECT_EQ(kvr::ensureTrackFiles(f.game.path(), f.prompt), kvr::TrackFiles::Cancelled);
    EXPECT_EQ(f.prompt.informed, (std::vector<std::string>{kInsertCd}));
    EXPECT_TRUE(f.prompt.warned.empty()) << "the user chose to cancel";
    EXPECT_TRUE(fs::is_empty(f.game / "CIRCUITS"));
}

TEST(EnsureTrackFiles, IncompleteCdCopiesNothing)
{
    Folders f;
    f.installOld(0);
    // Writable first: Windows removes no read-only file.
    fs::permissions(f.cd.path() / "circuits" / "f1ct09.dat", fs::perms::owner_write, fs::perm_options::add);
    fs::remove(f.cd.path() / "circuits" / "f1ct09.dat");
    f.prompt.confirmAnswers = {true};
    f.prompt.fileAnswers = {f.cdExe()};
    EXPECT_EQ(kvr::ensureTrackFiles(f.game.path(), f.prompt), kvr::TrackFiles::Missing);
    ASSERT_EQ(f.prompt.warned.size(), 1u);
    EXPECT_EQ(f.prompt.warned[0].rfind("Cannot copy track file!\n", 0), 0u) << f.prompt.warned[0];
    EXPECT_NE(f.prompt.warned[0].find("09.DAT: the file cannot be read"), std::string::npos) << f.prompt.warned[0];
    EXPECT_FALSE(fs::exists(f.gameTrack(0)));
    for (int t = 1; t < 16; ++t)
        EXPECT_EQ(kvrtest::readFile(f.gameTrack(t)), oldTrack(t)) << "track " << t << " keeps its old content";
}

TEST(EnsureTrackFiles, DamagedCdFileCopiesNothingAndIsNamed)
{
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* says;
    } cases[] = {
        {"cut short",
         [] {
             std::vector<std::uint8_t> b = cdTrack(8);
             b.resize(b.size() - 30);
             return b;
         }(),
         "f1ct09.dat: its checksum trailer does not match its content"},
        {"too short for a track", std::vector<std::uint8_t>(100, 1), "f1ct09.dat: it is 100 bytes long"},
    };
    for (const auto& c : cases) {
        Folders f;
        f.installOld();
        const fs::path damaged = f.cd.path() / "circuits" / "f1ct09.dat";
        fs::permissions(damaged, fs::perms::owner_write, fs::perm_options::add);
        kvrtest::writeFile(damaged, c.bytes);
        fs::remove(f.gameTrack(0));
        f.prompt.confirmAnswers = {true};
        f.prompt.fileAnswers = {f.cdExe()};
        EXPECT_EQ(kvr::ensureTrackFiles(f.game.path(), f.prompt), kvr::TrackFiles::Missing) << c.what;
        ASSERT_EQ(f.prompt.warned.size(), 1u) << c.what;
        EXPECT_EQ(f.prompt.warned[0].rfind("Cannot copy track file!\n", 0), 0u) << f.prompt.warned[0];
        // Windows names the file as the game does, whatever case the CD has.
        std::string said = f.prompt.warned[0];
        std::transform(said.begin(), said.end(), said.begin(), [](unsigned char ch) { return std::tolower(ch); });
        EXPECT_NE(said.find(c.says), std::string::npos) << f.prompt.warned[0];
        for (int t = 1; t < 16; ++t)
            EXPECT_EQ(kvrtest::readFile(f.gameTrack(t)), oldTrack(t)) << c.what << ", track " << t;
    }
}

TEST(EnsureTrackFiles, FailedWriteCopiesNoneOfTheSixteen)
{
    Folders f;
    f.installOld(0);
    kvr::setWriteFileHook([&](kvr::WriteStep s, const fs::path& file) {
        if (s == kvr::WriteStep::Write && file == f.gameTrack(3))
            throw kvr::WriteFailure("disk full");
    });
    f.prompt.confirmAnswers = {true};
    f.prompt.fileAnswers = {f.cdExe()};
    const kvr::TrackFiles result = kvr::ensureTrackFiles(f.game.path(), f.prompt);
    kvr::setWriteStepHook(nullptr);
    EXPECT_EQ(result, kvr::TrackFiles::Missing);
    EXPECT_EQ(f.prompt.warned, (std::vector<std::string>{"Cannot copy track file!"}));
    EXPECT_FALSE(fs::exists(f.gameTrack(0)));
    for (int t = 1; t < 16; ++t)
        EXPECT_EQ(kvrtest::readFile(f.gameTrack(t)), oldTrack(t)) << "track " << t << " keeps its old content";
    EXPECT_EQ(std::distance(fs::directory_iterator(f.game / "CIRCUITS"), fs::directory_iterator()), 15)
        << "the 15 old track files, no backup made on the way and no temp file";
}

TEST(EnsureTrackFiles, FolderThatCannotBeMadeIsReported)
{
    Folders f;
    kvrtest::writeFile(f.game / "CIRCUITS", {0});  // a file in the way
    EXPECT_THROW(kvr::ensureTrackFiles(f.game.path(), f.prompt), kvr::GeneralError);
    EXPECT_TRUE(f.prompt.confirmed.empty());
}

constexpr std::uint32_t kPatched[] = {0x10C032, 0x10C033, 0x10C034, 0x10C035, 0x10C036, 0x10C073, 0x10C074,
                                      0x10C075, 0x10C076, 0x10C077, 0x10C180, 0x10C181, 0x10EAEB, 0x10EAEC};

TEST(TrackPatch, FourteenNoOperationBytesAndNothingElse)
{
    kvrtest::TempDir dir;
    const auto original = kvrtest::patternedBytes(0x10EAED + 10);
    kvrtest::writeFile(dir / "KVR.EXE", original);
    kvr::GameFile exe = kvr::GameFile::open(dir / "KVR.EXE");
    kvr::trackPatch(exe);
    exe.commit();
    auto expected = original;
    for (std::uint32_t at : kPatched)
        expected[at] = 0x90;
    EXPECT_EQ(kvrtest::readFile(dir / "KVR.EXE"), expected);

    kvr::GameFile again = kvr::GameFile::open(dir / "KVR.EXE");
    kvr::trackPatch(again);
    EXPECT_FALSE(again.modified()) << "a second patch changes nothing";
}

TEST(TrackPatch, ShortFileThrowsBeforeAnyWrite)
{
    kvrtest::TempDir dir;
    const auto original = kvrtest::patternedBytes(0x10EAEC);  // the last patched byte is missing
    kvrtest::writeFile(dir / "KVR.EXE", original);
    kvr::GameFile exe = kvr::GameFile::open(dir / "KVR.EXE");
    EXPECT_THROW(kvr::trackPatch(exe), kvr::FileAccessError);
    EXPECT_FALSE(exe.modified());
    EXPECT_EQ(kvrtest::fileBytes(exe), original);
}

} // namespace
