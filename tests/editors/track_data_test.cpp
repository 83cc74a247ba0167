// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/checksum.h"
#include "core/errors.h"
#include "core/game_file.h"
#include "core/positions.h"
#include "core/safe_write.h"
#include "core/settings_record.h"
#include "editors/patterned_file.h"
#include "editors/track/track_data.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using kvrtest::patternedBytes;

constexpr std::uint32_t kTyreTable = 0x138A48;
constexpr std::size_t kExeSize = kTyreTable + 32 + 8;
constexpr std::size_t kTrackSize = 0x1200;

std::vector<std::uint8_t> trackFile(unsigned seed, std::uint16_t word, std::uint32_t setup,
                                    std::array<std::uint8_t, 9> stored, std::array<std::uint8_t, 2> fuel,
                                    std::size_t size = kTrackSize)
{
    auto bytes = patternedBytes(size, seed);
    bytes[0x1014] = std::uint8_t(word & 0xFF);
    bytes[0x1015] = std::uint8_t(word >> 8);
    for (std::size_t i = 0; i < stored.size(); ++i)
        bytes[setup + i] = stored[i];
    bytes[setup + 26] = fuel[0];
    bytes[setup + 27] = fuel[1];
    kvr::writeChecksumTrailer(bytes);
    return bytes;
}

// A game folder: KVR.EXE with a tyre table and 16 track files in CIRCUITS.
struct TrackFolder {
    kvrtest::TempDir dir;
    fs::path exe() const { return dir / "KVR.EXE"; }
    fs::path track(int t, const char* folder = "CIRCUITS") const
    {
        return dir.path() / folder / kvr::trackFileName(t);
    }

    TrackFolder()
    {
        auto exeBytes = patternedBytes(kExeSize);
        kvrtest::putBytes(exeBytes, kTyreTable, {0x10, 0x27});           // track 0: 10000
        kvrtest::putBytes(exeBytes, kTyreTable + 30, {0xFF, 0xFF});      // track 15: 65535
        kvrtest::writeFile(exe(), exeBytes);
        fs::create_directory(dir / "CIRCUITS");
        // Track 0: position word 0 gives setup 0x1020; wing 0x97 is 0, 0x96 is 255.
        kvrtest::writeFile(track(0), trackFile(0, 0x0000, 0x1020,
                                               {0x97, 0x96, 0xA0, 0xB0, 0xC0, 0xD0, 0xE0, 0xF0, 0x34}, {0x34, 0x12}));
        // Track 1: 0xF000 + 0x1020 wraps at 16 bits to setup 0x0020.
        kvrtest::writeFile(track(1), trackFile(1, 0xF000, 0x0020,
                                               {0x98, 0x99, 0x9A, 0x9B, 0x9C, 0x9D, 0x9E, 0x9F, 0x37}, {0x00, 0x80}));
        // Track 2: tyre byte 0x38 is type 4, which no list item shows.
        kvrtest::writeFile(track(2), trackFile(2, 0x0100, 0x1120,
                                               {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x38}, {0xFF, 0xFF}));
        for (int t = 3; t < 16; ++t)
            kvrtest::writeFile(track(t), trackFile(unsigned(t), 0x0100, 0x1120,
                                                   {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0x35},
                                                   {std::uint8_t(t), 0x01}));
    }

    std::vector<std::vector<std::uint8_t>> snapshot() const
    {
        std::vector<std::vector<std::uint8_t>> files{kvrtest::readFile(exe())};
        for (int t = 0; t < 16; ++t)
            files.push_back(fs::exists(track(t)) ? kvrtest::readFile(track(t)) : std::vector<std::uint8_t>{});
        return files;
    }
};

// The track data written into the game's track files and each committed on its own (the
// sequences commit them as one set).
void writeTrackDataAndCommit(kvr::GameFile& exe, const fs::path& dir, const kvr::SettingsRecord& record, int version)
{
    std::vector<kvr::GameFile> tracks = kvr::openTrackFiles(dir);
    kvr::writeTrackData(exe, tracks, record, version);
    for (kvr::GameFile& t : tracks)
        t.commit();
}

TEST(TrackDataBlocks, ReadsTyreTableAndTrackFiles)
{
    TrackFolder game;
    kvr::GameFile exe = kvr::GameFile::open(game.exe());
    kvr::SettingsRecord record;
    kvr::readTrackData(exe, game.dir.path(), record, 0);

    const kvr::TrackSetup t0 = kvr::trackSetup(record, 0);
    EXPECT_EQ(t0.frontWing, 0) << "stored 0x97 shows as 0";
    EXPECT_EQ(t0.rearWing, 255) << "stored 0x96 shows as 255";
    EXPECT_EQ(t0.gears, (std::array<std::uint8_t, 6>{9, 25, 41, 57, 73, 89}));
    EXPECT_EQ(t0.tyreType, 0);
    EXPECT_EQ(t0.fuelConsumption, 0x1234);
    EXPECT_EQ(t0.tyreConsumption, 10000);

    const kvr::TrackSetup t1 = kvr::trackSetup(record, 1);
    EXPECT_EQ(t1.frontWing, 1) << "setup found at 0x0020";
    EXPECT_EQ(t1.gears[5], 8);
    EXPECT_EQ(t1.tyreType, 3);
    EXPECT_EQ(t1.fuelConsumption, 0x8000);

    const kvr::TrackSetup t2 = kvr::trackSetup(record, 2);
    EXPECT_EQ(t2.frontWing, 0x69) << "0x00 - 0x97 wraps";
    EXPECT_EQ(t2.tyreType, 4);
    EXPECT_EQ(kvr::tyreComboIndex(t2.tyreType), -1);
    EXPECT_EQ(t2.fuelConsumption, 65535);

    EXPECT_EQ(kvr::trackSetup(record, 15).tyreConsumption, 65535);
    EXPECT_EQ(kvr::trackSetup(record, 9).fuelConsumption, 0x0109);
    // Packed 13-byte records from 0xA42: track 1's tyre type, track 15's tyre consumption.
    EXPECT_EQ(record.byte(0xA42 + 13 + 8), 3);
    EXPECT_EQ(record.word(0xA42 + 15 * 13 + 11), 65535);
    EXPECT_FALSE(exe.modified());
}

TEST(TrackDataBlocks, WriteOfWhatWasReadChangesNoFile)
{
    TrackFolder game;
    const auto before = game.snapshot();
    kvr::GameFile exe = kvr::GameFile::open(game.exe());
    kvr::SettingsRecord record;
    kvr::readTrackData(exe, game.dir.path(), record, 2);
    writeTrackDataAndCommit(exe, game.dir.path(), record, 2);
    exe.commit();
    EXPECT_EQ(game.snapshot(), before) << "tyre type 4 goes back as 0x38, every gap stays";
}

TEST(TrackDataBlocks, WritesSetupFuelTyreTableAndChecksums)
{
    TrackFolder game;
    const auto before = game.snapshot();
    kvr::GameFile exe = kvr::GameFile::open(game.exe());
    kvr::SettingsRecord record;
    kvr::readTrackData(exe, game.dir.path(), record, 0);

    kvr::TrackSetup s = kvr::trackSetup(record, 1);
    s.frontWing = 0;
    s.rearWing = 0x69;
    s.gears = {1, 2, 3, 4, 5, 0xFF};
    s.tyreType = 2;
    s.fuelConsumption = 0xBEEF;
    s.tyreConsumption = 0x0102;
    kvr::setTrackSetup(record, 1, s);
    writeTrackDataAndCommit(exe, game.dir.path(), record, 0);
    exe.commit();

    auto expectedExe = before[0];
    kvrtest::putBytes(expectedExe, kTyreTable + 2, {0x02, 0x01});
    EXPECT_EQ(kvrtest::readFile(game.exe()), expectedExe);

    auto expectedTrack = before[2];
    kvrtest::putBytes(expectedTrack, 0x20, {0x97, 0x00, 0x98, 0x99, 0x9A, 0x9B, 0x9C, 0x96, 0x36});
    kvrtest::putBytes(expectedTrack, 0x3A, {0xEF, 0xBE});
    const kvr::Checksum sum = kvr::computeChecksum(expectedTrack);
    kvrtest::putBytes(expectedTrack, kTrackSize - 4, {std::uint8_t(sum.byteSum), std::uint8_t(sum.byteSum >> 8),
                                                      std::uint8_t(sum.rotateAdd), std::uint8_t(sum.rotateAdd >> 8)});
    EXPECT_EQ(kvrtest::readFile(game.track(1)), expectedTrack);
    EXPECT_TRUE(kvr::verifyChecksumFile(game.track(1)));
    for (int t = 0; t < 16; ++t) {
        if (t != 1) {
            EXPECT_EQ(kvrtest::readFile(game.track(t)), before[std::size_t(t) + 1]) << "track " << t;
        }
    }
}

TEST(TrackDataBlocks, StaleChecksumIsRecomputedOnWrite)
{
    TrackFolder game;
    auto bytes = kvrtest::readFile(game.track(7));
    bytes[kTrackSize - 1] ^= 0xFF;
    kvrtest::writeFile(game.track(7), bytes);
    kvr::GameFile exe = kvr::GameFile::open(game.exe());
    kvr::SettingsRecord record;
    kvr::readTrackData(exe, game.dir.path(), record, 0);
    writeTrackDataAndCommit(exe, game.dir.path(), record, 0);
    EXPECT_TRUE(kvr::verifyChecksumFile(game.track(7)));
}

TEST(TrackDataBlocks, FindsLowerCaseNames)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows finds names whatever their case itself";
#else
    TrackFolder game;
    fs::rename(game.dir / "CIRCUITS", game.dir / "circuits");
    fs::rename(game.track(3, "circuits"), game.dir.path() / "circuits" / "f1ct04.dat");
    kvr::GameFile exe = kvr::GameFile::open(game.exe());
    kvr::SettingsRecord record;
    kvr::readTrackData(exe, game.dir.path(), record, 0);
    EXPECT_EQ(kvr::trackSetup(record, 3).fuelConsumption, 0x0103);
    EXPECT_EQ(kvr::trackFilePath(game.dir.path(), 3), game.dir.path() / "circuits" / "f1ct04.dat");
#endif
}

struct FailureRow {
    const char* why;
    void (*spoil)(TrackFolder&);
    const char* message;
};

void exeBeforeTable(TrackFolder& g) { kvrtest::writeFile(g.exe(), patternedBytes(kTyreTable - 8)); }
void exeInsideTable(TrackFolder& g) { kvrtest::writeFile(g.exe(), patternedBytes(kTyreTable + 31)); }
void trackMissing(TrackFolder& g) { fs::remove(g.track(5)); }
void trackBeforeWord(TrackFolder& g) { kvrtest::writeFile(g.track(9), patternedBytes(0x1015)); }
void setupBeyondEnd(TrackFolder& g)
{
    kvrtest::writeFile(g.track(15), trackFile(0, 0x0FE0, 0x0, {}, {}));  // setup 0x2000 > 0x1200
}
void fuelBeyondEnd(TrackFolder& g)
{
    auto b = patternedBytes(kTrackSize);
    kvrtest::putBytes(b, 0x1014, {0xD0, 0x01});  // setup 0x11F0: the fuel word would be at 0x120A
    kvrtest::writeFile(g.track(4), b);
}
void setupIntoChecksum(TrackFolder& g)
{
    auto b = patternedBytes(kTrackSize);
    kvrtest::putBytes(b, 0x1014, {0xD8, 0x01});  // setup 0x11F8..0x1200 reaches the trailer at 0x11FC
    kvrtest::writeFile(g.track(4), b);
}
void setupOverWord(TrackFolder& g)
{
    auto b = patternedBytes(kTrackSize);
    kvrtest::putBytes(b, 0x1014, {0xF0, 0xFF});  // setup 0x1010..0x1018 covers the word itself
    kvrtest::writeFile(g.track(12), b);
}

const FailureRow kFailures[] = {
    {"KVR.EXE ends before the tyre table", exeBeforeTable, "0) File access error! "},
    {"KVR.EXE ends inside the tyre table", exeInsideTable, "1) File access error! "},
    {"a track file is missing", trackMissing, "2) File access error! "},
    {"a track file ends before its position word", trackBeforeWord, "2) File access error! "},
    {"the setup position lies beyond the end", setupBeyondEnd, "2) File access error! "},
    {"the fuel word lies beyond the end", fuelBeyondEnd, "3) File access error! "},
    {"the setup runs into the checksum", setupIntoChecksum, "3) File access error! "},
    {"the setup overlaps the position word", setupOverWord, "3) File access error! "},
};

TEST(TrackDataBlocks, FailuresCarryTheirNumberAndChangeNothing)
{
    for (const FailureRow& r : kFailures) {
        TrackFolder game;
        r.spoil(game);
        const auto before = game.snapshot();
        kvr::GameFile exe = kvr::GameFile::open(game.exe());

        kvr::SettingsRecord record;
        kvr::setTrackSetup(record, 0, {1, 2, {3, 4, 5, 6, 7, 8}, 1, 1000, 2000});
        const kvr::SettingsRecord recordBefore = record;
        try {
            kvr::readTrackData(exe, game.dir.path(), record, 0);
            ADD_FAILURE() << "read: " << r.why;
        } catch (const kvr::FileAccessError& e) {
            EXPECT_STREQ(e.what(), r.message) << "read: " << r.why;
        }
        EXPECT_EQ(record, recordBefore) << "read: " << r.why;

        try {
            writeTrackDataAndCommit(exe, game.dir.path(), record, 0);
            ADD_FAILURE() << "write: " << r.why;
        } catch (const kvr::FileAccessError& e) {
            EXPECT_STREQ(e.what(), r.message) << "write: " << r.why;
        }
        EXPECT_FALSE(exe.modified()) << r.why;
        EXPECT_EQ(game.snapshot(), before) << "write: " << r.why;
    }
}

const std::uint32_t kNamesAt[kvr::kLanguageVersions] = {0x56B50C, 0x56C4DA, 0x56C2E7, 0x56C829,
                                                        0x56C59B, 0x56B50C, 0x56BE32};

TEST(TrackNames, SixteenZeroTerminatedNamesAtEveryVersionsPosition)
{
    for (int v = 0; v < kvr::kLanguageVersions; ++v) {
        auto bytes = patternedBytes(0x56C829 + 200, unsigned(v));
        std::uint32_t at = kNamesAt[v];
        for (int t = 0; t < 16; ++t) {
            const std::string name = t == 4 ? "" : "Ring " + std::to_string(t) + (t == 7 ? "\xE9" : "");
            for (char c : name)
                bytes[at++] = std::uint8_t(c);
            bytes[at++] = 0;
        }
        kvr::GameFile exe = kvrtest::memoryFile(bytes);
        const std::vector<std::string> names = kvr::readTrackNames(exe, v);
        ASSERT_EQ(names.size(), 16u) << v;
        EXPECT_EQ(names[0], "Ring 0") << v;
        EXPECT_EQ(names[4], "") << "an empty name, version " << v;
        EXPECT_EQ(names[7], "Ring 7\xE9") << "bytes are characters, version " << v;
        EXPECT_EQ(names[15], "Ring 15") << v;
    }
}

TEST(TrackNames, UnterminatedNameAtTheEndThrows)
{
    auto bytes = patternedBytes(0x56B50C + 20);
    bytes[0x56B50C + 5] = 0;  // one name, then no terminator up to the end
    kvr::GameFile exe = kvrtest::memoryFile(bytes);
    EXPECT_THROW(kvr::readTrackNames(exe, 0), kvr::FileAccessError);
}

struct TextRow {
    const char* why;
    const char* text;
    std::uint8_t byteValue;
    std::uint16_t wordValue;
};

TEST(TrackEdits, BoxTextsHeldInRangeOrUndone)
{
    const TextRow rows[] = {
        {"300 in a gear field stores 255", "300", 255, 300},
        {"70000 in a consumption field stores 65535", "70000", 255, 65535},
        {"-1 stops at 0", "-1", 0, 0},
        {"a letter keeps the stored value", "a", 17, 1717},
        {"an empty field keeps the stored value", "", 17, 1717},
        {"a decimal is not a whole number", "1.5", 17, 1717},
    };
    for (const TextRow& r : rows) {
        EXPECT_EQ(kvr::trackByteFromText(r.text, 17), r.byteValue) << r.why;
        EXPECT_EQ(kvr::trackWordFromText(r.text, 1717), r.wordValue) << r.why;
    }
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(kvr::tyreComboIndex(std::uint8_t(t)), t);
    EXPECT_EQ(kvr::tyreComboIndex(4), -1);
    EXPECT_EQ(kvr::tyreComboIndex(0xFF), -1);
}

TEST(TrackEdits, FileNamesAndSetupPosition)
{
    EXPECT_EQ(kvr::trackFileName(0), "F1CT01.DAT");
    EXPECT_EQ(kvr::trackFileName(15), "F1CT16.DAT");
    EXPECT_THROW(kvr::trackFileName(16), std::out_of_range);
    EXPECT_EQ(kvr::trackSetupPosition(0xF000), 0x0020);
    EXPECT_EQ(kvr::trackSetupPosition(0x0000), 0x1020);
    EXPECT_EQ(kvr::trackSetupPosition(0xEFE0), 0x0000);
}

} // namespace
