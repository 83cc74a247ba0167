// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/game_file.h"
#include "core/positions.h"
#include "core/safe_write.h"
#include "core/settings_record.h"
#include "editors/track/track_data.h"
#include "game/addon_tracks.h"
#include "install/track_installer.h"
#include "support/install_game.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;
using kvrtest::InstallGame;
using kvrtest::readFile;
using kvrtest::snapshot;
using Bytes = std::vector<std::uint8_t>;

const char* const kInsertCd = "Put \"Kavorra\" CD into CD drive, and hit \"OK\" when you are ready!";
constexpr std::uint32_t kPatched[] = {0x10C032, 0x10C033, 0x10C034, 0x10C035, 0x10C036, 0x10C073, 0x10C074,
                                      0x10C075, 0x10C076, 0x10C077, 0x10C180, 0x10C181, 0x10EAEB, 0x10EAEC};

fs::path track(const InstallGame& g, int number)
{
    char name[16];
    std::snprintf(name, sizeof name, "F1CT%02d.DAT", number);
    return g.game() / "CIRCUITS" / name;
}

Bytes blockAt(const Bytes& exe, kvr::Row row, int version, std::size_t size)
{
    const auto at = std::ptrdiff_t(kvr::positionOf(row, version));
    return Bytes(exe.begin() + at, exe.begin() + at + std::ptrdiff_t(size));
}

std::vector<std::string> namesIn(const fs::path& exePath, int version)
{
    kvr::GameFile exe = kvr::GameFile::open(exePath);
    return kvr::readTrackNames(exe, version);
}

bool packTrack(int number)
{
    return std::find(kvr::kPackTrackFiles.begin(), kvr::kPackTrackFiles.end(), number) != kvr::kPackTrackFiles.end();
}

class TrackInstall : public testing::TestWithParam<int> {};

TEST_P(TrackInstall, PackThenOriginalsBringsBackEverythingButThePatch)
{
    const int version = GetParam();
    InstallGame g(version == 5 ? 0 : version);
    g.context.version = version;
    const kvrtest::Snapshot original = snapshot(g.game());
    const Bytes exeBefore = readFile(g.game() / "KVR.EXE");
    EXPECT_EQ(namesIn(g.game() / "KVR.EXE", version)[0], "Marvella") << "the demo game holds the original names";

    ASSERT_EQ(kvr::installTrackPack(g.context, g.prompt), kvr::InstallOutcome::Installed);
    EXPECT_EQ(g.prompt.informed, (std::vector<std::string>{"Tracks installed!"})) << "CIRCUITS exists: no CD asked";
    EXPECT_TRUE(g.prompt.fileRequests.empty());
    const Bytes packed = readFile(g.game() / "KVR.EXE");
    for (const kvr::TrackBlockSource& b : kvr::kTrackBlocks) {
        const Bytes block = readFile(g.shipped(b.pack));
        EXPECT_EQ(blockAt(packed, b.row, version, block.size()), block) << b.pack;
    }
    for (std::uint32_t at : kPatched)
        EXPECT_EQ(packed[at], 0x90);
    EXPECT_EQ(namesIn(g.game() / "KVR.EXE", version)[15], "Sable Coast");
    EXPECT_EQ(namesIn(g.game() / "KVR.EXE", version)[3], "Valdemosa") << "track 04 is not in the pack";
    for (int n = 1; n <= 16; ++n) {
        const Bytes now = readFile(track(g, n));
        const std::string name = fs::path(track(g, n)).filename().string();
        if (packTrack(n)) {
            EXPECT_EQ(now, readFile(g.shipped(name))) << name;
            EXPECT_EQ(readFile(fs::path(track(g, n)) += ".orig"), original.at("CIRCUITS/" + name)) << name;
        } else {
            EXPECT_EQ(now, original.at("CIRCUITS/" + name)) << name << " is left as it was";
        }
    }

    g.prompt.fileAnswers = {g.cdExe()};
    ASSERT_EQ(kvr::installOriginalTracks(g.context, g.prompt), kvr::InstallOutcome::Installed);
    EXPECT_EQ(g.prompt.informed,
              (std::vector<std::string>{"Tracks installed!", kInsertCd, "Original tracks installed!"}));
    const Bytes back = readFile(g.game() / "KVR.EXE");
    Bytes expected = exeBefore;
    for (std::uint32_t at : kPatched)
        expected[at] = 0x90;
    EXPECT_TRUE(back == expected) << "every byte as before the pack, but the 14 patch bytes";
    kvrtest::Snapshot now = snapshot(g.game());
    for (const auto& [name, bytes] : original) {
        if (name != "KVR.EXE") {
            EXPECT_TRUE(now.at(name) == bytes) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, TrackInstall, testing::Values(0, 2, 3, 5, 6));

TEST(TrackInstaller, PackTwiceGivesTheSameFilesAsOnce)
{
    InstallGame g(1);
    ASSERT_EQ(kvr::installTrackPack(g.context, g.prompt), kvr::InstallOutcome::Installed);
    const kvrtest::Snapshot once = snapshot(g.game());
    ASSERT_EQ(kvr::installTrackPack(g.context, g.prompt), kvr::InstallOutcome::Installed);
    EXPECT_TRUE(snapshot(g.game()) == once);
}

TEST(TrackInstaller, PackWithoutCircuitsFolderTakesTheOtherTracksFromTheCd)
{
    InstallGame g;
    fs::remove_all(g.game() / "CIRCUITS");
    g.prompt.fileAnswers = {g.cdExe()};
    ASSERT_EQ(kvr::installTrackPack(g.context, g.prompt), kvr::InstallOutcome::Installed);
    EXPECT_EQ(g.prompt.informed, (std::vector<std::string>{kInsertCd, "Tracks installed!"}));
    ASSERT_EQ(g.prompt.fileRequests.size(), 1u);
    EXPECT_EQ(g.prompt.fileRequests[0].title, "Locate kvr.exe file on your KVR CD");
    for (int n = 1; n <= 16; ++n) {
        const std::string name = track(g, n).filename().string();
        EXPECT_EQ(readFile(track(g, n)), readFile(packTrack(n) ? g.shipped(name) : g.cd() / "CIRCUITS" / name)) << name;
        EXPECT_FALSE(fs::exists(fs::path(track(g, n)) += ".orig")) << "nothing was there to keep";
    }

    // Cancelling the CD dialog still installs the pack's 11.
    InstallGame h;
    fs::remove_all(h.game() / "CIRCUITS");
    h.prompt.fileAnswers = {std::nullopt};
    ASSERT_EQ(kvr::installTrackPack(h.context, h.prompt), kvr::InstallOutcome::Installed);
    EXPECT_EQ(std::distance(fs::directory_iterator(h.game() / "CIRCUITS"), fs::directory_iterator()), 11);
}

TEST(TrackInstaller, CancelledCdForOriginalsChangesNothing)
{
    InstallGame g;
    ASSERT_EQ(kvr::installTrackPack(g.context, g.prompt), kvr::InstallOutcome::Installed);
    const kvrtest::Snapshot packed = snapshot(g.game());
    g.prompt.fileAnswers = {std::nullopt};
    EXPECT_EQ(kvr::installOriginalTracks(g.context, g.prompt), kvr::InstallOutcome::Cancelled);
    EXPECT_TRUE(snapshot(g.game()) == packed) << "the original blocks are not written without the tracks";
    EXPECT_EQ(g.prompt.informed.back(), kInsertCd);
}

TEST(TrackInstaller, OriginalsMakeAMissingCircuitsFolder)
{
    InstallGame g;
    fs::remove_all(g.game() / "CIRCUITS");
    g.prompt.fileAnswers = {g.cdExe()};
    ASSERT_EQ(kvr::installOriginalTracks(g.context, g.prompt), kvr::InstallOutcome::Installed);
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(readFile(track(g, n)), readFile(g.cd() / "CIRCUITS" / track(g, n).filename()));
}

// Each case spoils one source; the game stays exactly as it was and the message names it.
TEST(TrackInstaller, MissingOrBadSourceLeavesTheGameUntouched)
{
    struct Case {
        const char* what;
        bool pack;
        std::function<void(const InstallGame&)> spoil;
        std::string says;
    } cases[] = {
        {"no ENGTN.DAT", true, [](const InstallGame& g) { fs::remove(g.data() / "ENGTN.DAT"); },
         "Cannot read track data file!\n"},
        {"an empty TRKL.DAT", true, [](const InstallGame& g) { kvrtest::writeFile(g.data() / "TRKL.DAT", {}); },
         "TRKL.DAT"},
        {"a TRK_N.DAT longer than its block", true,
         [](const InstallGame& g) { kvrtest::writeFile(g.data() / "TRK_N.DAT", Bytes(0x104, 1)); },
         "TRK_N.DAT: it is 260 bytes long; its block is exactly 32 bytes"},
        {"no F1CT12.DAT in the pack, the last one copied", true,
         [](const InstallGame& g) { fs::remove(g.data() / "F1CT12.DAT"); }, "F1CT12.DAT: missing"},
        {"an empty F1CT05.DAT in the pack", true,
         [](const InstallGame& g) { kvrtest::writeFile(g.data() / "F1CT05.DAT", {}); }, "F1CT05.DAT: it is empty"},
#ifndef _WIN32
        {"a FIFO for F1CT05.DAT in the pack", true,
         [](const InstallGame& g) {
             fs::remove(g.data() / "F1CT05.DAT");
             ASSERT_EQ(::mkfifo((g.data() / "F1CT05.DAT").c_str(), 0600), 0);
         },
         "not a regular file"},
#endif
        {"no TRKLO.DAT", false, [](const InstallGame& g) { fs::remove(g.data() / "TRKLO.DAT"); }, "TRKLO.DAT"},
        {"a CD without F1CT16.DAT", false, [](const InstallGame& g) { fs::remove(g.cd() / "CIRCUITS" / "F1CT16.DAT"); },
         "F1CT16.DAT: missing"},
        {"the pack with no CIRCUITS folder and a CD without F1CT04.DAT", true,
         [](const InstallGame& g) {
             fs::remove_all(g.game() / "CIRCUITS");
             fs::remove(g.cd() / "CIRCUITS" / "F1CT04.DAT");
         },
         "F1CT04.DAT"},
    };
    for (const Case& c : cases) {
        InstallGame g(6, true);
        c.spoil(g);
        g.prompt.fileAnswers = {g.cdExe()};
        const kvrtest::Snapshot before = snapshot(g.game());
        const auto outcome =
            c.pack ? kvr::installTrackPack(g.context, g.prompt) : kvr::installOriginalTracks(g.context, g.prompt);
        EXPECT_EQ(outcome, kvr::InstallOutcome::BadSource) << c.what;
        EXPECT_TRUE(snapshot(g.game()) == before) << c.what;
        std::vector<std::string> told = g.prompt.warned;
        told.insert(told.end(), g.prompt.informed.begin(), g.prompt.informed.end());
        ASSERT_FALSE(told.empty()) << c.what;
        EXPECT_NE(told.back().find(c.says), std::string::npos) << c.what << ": " << told.back();
        EXPECT_EQ(
            std::count_if(told.begin(), told.end(), [](const std::string& t) { return t.find("installed") != t.npos; }),
            0)
            << c.what;
    }
}

TEST(TrackInstaller, TrackThatCannotBeWrittenChangesNothing)
{
    InstallGame g;
    const kvrtest::Snapshot before = snapshot(g.game());
    kvr::setWriteFileHook([&](kvr::WriteStep s, const fs::path& file) {
        if (s == kvr::WriteStep::Write && file == track(g, 13))
            throw kvr::WriteFailure("disk full");
    });
    const auto outcome = kvr::installTrackPack(g.context, g.prompt);
    kvr::setWriteStepHook(nullptr);
    EXPECT_EQ(outcome, kvr::InstallOutcome::CopyFailed);
    EXPECT_EQ(g.prompt.informed, (std::vector<std::string>{"Cannot copy track file!\n" + track(g, 13).string()}));
    EXPECT_TRUE(snapshot(g.game()) == before) << "neither KVR.EXE nor the other ten track files changed";
}

TEST(TrackInstaller, ShortExecutableStopsBeforeAnyTrackIsCopied)
{
    InstallGame g;
    Bytes exe = readFile(g.game() / "KVR.EXE");
    exe.resize(kvr::positionOf(kvr::Row::TrackManagerFirst, 0) + 100);
    kvrtest::writeFile(g.game() / "KVR.EXE", exe);
    const kvrtest::Snapshot before = snapshot(g.game());
    EXPECT_THROW(kvr::installTrackPack(g.context, g.prompt), kvr::FileAccessError);
    EXPECT_TRUE(snapshot(g.game()) == before);
}

TEST(TrackInstaller, ShippedBlocksFitBetweenTheirNeighboursInEveryVersion)
{
    for (const kvr::TrackBlockSource& b : kvr::kTrackBlocks)
        for (const char* file : {b.pack, b.original}) {
            const std::size_t size = readFile(fs::path(KVR_DATA_DIR) / file).size();
            EXPECT_EQ(size, readFile(fs::path(KVR_DATA_DIR) / b.original).size())
                << file << ": originals undo it whole";
            for (int v = 0; v < kvr::kLanguageVersions; ++v) {
                const std::uint32_t from = kvr::positionOf(b.row, v);
                EXPECT_LE(from + size, 0x570000u) << file;
                for (int r = 0; r < kvr::kPositionRows; ++r) {
                    const kvr::Row other = kvr::Row(r);
                    if (!kvr::rowInUse(other) || other == b.row || other == kvr::Row::TrackEditorBlock)
                        continue;
                    const std::uint32_t at = kvr::positionOf(other, v);
                    EXPECT_FALSE(at >= from && at < from + size)
                        << file << " covers the start of row " << r << " in version " << v;
                }
            }
        }
    EXPECT_EQ(kvr::trackBlockRoom(kvr::Row::TrackManagerSecond, 3), 0x103u);
    EXPECT_EQ(kvr::trackBlockRoom(kvr::Row::TrackManagerThird, 1), 0x7C4u);
    EXPECT_EQ(kvr::trackBlockRoom(kvr::Row::TrackManagerFirst, 6), std::nullopt);
}

} // namespace
