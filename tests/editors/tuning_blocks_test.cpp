// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/tuning/tuning_blocks.h"

#include "core/errors.h"
#include "core/game_file.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "editors/block_test_file.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace kvr;
using namespace kvrtest;

// The same in every version.
constexpr std::uint32_t kLedColoursAt = 0x139934;
constexpr std::uint32_t kLedThresholdsAt = 0x139958;
constexpr std::uint32_t kPracticeFuelAt = 0xA4798;
constexpr std::uint32_t kQualifyingFuelAt = 0xABFD0;
constexpr std::uint32_t kHumanWeightAt = 0x1390C8;
constexpr std::uint32_t kComputerWeightAt = 0x1390CC;
constexpr std::uint32_t kOpponentFuelAt = 0xE4F02;
constexpr std::uint32_t kTeamPerformanceFirstAt = 0xA5A8B;
constexpr std::uint32_t kTeamPerformanceSecondAt = 0xA5BF8;

constexpr std::size_t kTuningExeSize = 0x140000;

// Hand-made bytes of all tuning blocks, and the record values they stand for.
std::vector<std::uint8_t> handTuning()
{
    std::vector<std::uint8_t> raw = patternBytes(kTuningExeSize);
    // Colour bytes at record offsets 0, 4, 8, 12; the pattern stays in between.
    raw[kLedColoursAt] = 1;
    raw[kLedColoursAt + 4] = 2;
    raw[kLedColoursAt + 8] = 3;
    raw[kLedColoursAt + 12] = 7;  // not a colour the editor knows: moved as it is
    // Threshold words at record offsets 0, 4, 8.
    put(raw, kLedThresholdsAt, {0x00, 0x00});      // LED 2: 0 (shown 6154)
    put(raw, kLedThresholdsAt + 4, {0xD6, 0x16});  // LED 3: 5846 (shown 12000)
    put(raw, kLedThresholdsAt + 8, {0x34, 0x12});  // LED 4: 0x1234
    raw[kPracticeFuelAt] = 20;
    raw[kQualifyingFuelAt] = 0;                    // 1 lap
    put(raw, kHumanWeightAt, {0x9B, 0x00});        // 155 lb
    put(raw, kComputerWeightAt, {0xFA, 0x05});     // 1530 lb
    raw[kOpponentFuelAt] = 0xEB;
    raw[kTeamPerformanceFirstAt] = 0x00;
    raw[kTeamPerformanceSecondAt] = 0x00;
    return raw;
}

void readAll(GameFile& exe, SettingsRecord& record, int v)
{
    readLedColours(exe, record, v);
    readLedThresholds(exe, record, v);
    readFuelLoads(exe, record, v);
    readHumanWeight(exe, record, v);
    readComputerWeight(exe, record, v);
    readOpponentFuelSwitch(exe, record, v);
    readTeamPerformanceSwitch(exe, record, v);
}

void writeAll(GameFile& exe, const SettingsRecord& record, int v)
{
    writeLedColours(exe, record, v);
    writeLedThresholds(exe, record, v);
    writeFuelLoads(exe, record, v);
    writeHumanWeight(exe, record, v);
    writeComputerWeight(exe, record, v);
    writeOpponentFuelSwitch(exe, record, v);
    writeTeamPerformanceSwitch(exe, record, v);
}

TEST(TuningBlocks, RoundTripInEveryVersionLeavesRecordGapsAlone)
{
    TempDir dir;
    const std::vector<std::uint8_t> raw = handTuning();
    for (int v = 0; v < kLanguageVersions; ++v) {
        SCOPED_TRACE("version " + std::to_string(v));
        GameFile in = memoryFile(dir, raw);
        SettingsRecord record;
        readAll(in, record, v);
        EXPECT_EQ(record.byte(0xB14), 1);
        EXPECT_EQ(record.byte(0xB17), 2);
        EXPECT_EQ(record.byte(0xB1A), 3);
        EXPECT_EQ(record.byte(0xB1D), 7);
        EXPECT_EQ(record.word(0xB15), 0);
        EXPECT_EQ(record.word(0xB18), 5846);
        EXPECT_EQ(record.word(0xB1B), 0x1234);
        EXPECT_EQ(record.byte(rec::kPracticeFuel), 20);
        EXPECT_EQ(record.byte(rec::kQualifyingFuel), 0);
        EXPECT_EQ(record.word(rec::kHumanWeight), 155);
        EXPECT_EQ(record.word(rec::kComputerWeight), 1530);
        EXPECT_EQ(record.byte(rec::kOpponentFuelSwitch), 1);
        EXPECT_EQ(record.byte(rec::kTeamPerformanceSwitch), 1);

        // Bytes 1..3 of the colour records and 2..3 of the threshold records stay.
        GameFile out = memoryFile(dir, patternBytes(kTuningExeSize));
        writeAll(out, record, v);
        EXPECT_EQ(difference(out.bytes(), raw), "");
    }
}

struct SwitchRow {
    const char* what;
    std::uint8_t stored;
    std::uint8_t flag;
};

TEST(TuningBlocks, OpponentFuelSwitch)
{
    const SwitchRow reads[] = {
        {"0x74 is off", 0x74, 0}, {"0xEB is on", 0xEB, 1}, {"any other byte is on", 0x75, 1}, {"zero is on", 0x00, 1},
    };
    TempDir dir;
    for (const SwitchRow& r : reads) {
        SCOPED_TRACE(r.what);
        std::vector<std::uint8_t> raw = patternBytes(kTuningExeSize);
        raw[kOpponentFuelAt] = r.stored;
        GameFile file = memoryFile(dir, raw);
        SettingsRecord record;
        record.setByte(rec::kOpponentFuelSwitch, 0x55);
        readOpponentFuelSwitch(file, record, 5);
        EXPECT_EQ(record.byte(rec::kOpponentFuelSwitch), r.flag);
    }
    for (std::uint8_t flag : {0, 1}) {
        const std::vector<std::uint8_t> raw = patternBytes(kTuningExeSize);
        GameFile file = memoryFile(dir, raw);
        SettingsRecord record;
        record.setByte(rec::kOpponentFuelSwitch, flag);
        writeOpponentFuelSwitch(file, record, 5);
        std::vector<std::uint8_t> want = raw;
        want[kOpponentFuelAt] = flag ? 0xEB : 0x74;
        EXPECT_EQ(difference(file.bytes(), want), "") << "flag " << int(flag);
    }
}

struct TwoByteRow {
    const char* what;
    std::uint8_t first, second;
    std::uint8_t flag;
};

TEST(TuningBlocks, TeamPerformanceSwitchSecondPlaceDecides)
{
    const TwoByteRow reads[] = {
        {"both 0xFF is off", 0xFF, 0xFF, 0},
        {"both 0x00 is on", 0x00, 0x00, 1},
        {"first off, second on: on", 0xFF, 0x00, 1},
        {"first on, second off: off", 0x00, 0xFF, 0},
        {"unknown bytes are on", 0x12, 0x34, 1},
    };
    TempDir dir;
    for (const TwoByteRow& r : reads) {
        SCOPED_TRACE(r.what);
        std::vector<std::uint8_t> raw = patternBytes(kTuningExeSize);
        raw[kTeamPerformanceFirstAt] = r.first;
        raw[kTeamPerformanceSecondAt] = r.second;
        GameFile file = memoryFile(dir, raw);
        SettingsRecord record;
        readTeamPerformanceSwitch(file, record, 6);
        EXPECT_EQ(record.byte(rec::kTeamPerformanceSwitch), r.flag);
    }
    for (std::uint8_t flag : {0, 1}) {
        const std::vector<std::uint8_t> raw = patternBytes(kTuningExeSize);
        GameFile file = memoryFile(dir, raw);
        SettingsRecord record;
        record.setByte(rec::kTeamPerformanceSwitch, flag);
        writeTeamPerformanceSwitch(file, record, 6);
        std::vector<std::uint8_t> want = raw;
        want[kTeamPerformanceFirstAt] = flag ? 0x00 : 0xFF;
        want[kTeamPerformanceSecondAt] = flag ? 0x00 : 0xFF;
        EXPECT_EQ(difference(file.bytes(), want), "") << "flag " << int(flag);
    }
}

struct ShortRow {
    const char* what;
    std::uint32_t size;
    std::function<void(GameFile&, const SettingsRecord&)> write;
    std::function<void(GameFile&, SettingsRecord&)> read;
};

TEST(TuningBlocks, ShortFileThrowsAndChangesNothing)
{
    const ShortRow rows[] = {
        {"LED colours end inside the last record", kLedColoursAt + 13,
         [](GameFile& f, const SettingsRecord& r) { writeLedColours(f, r, 0); },
         [](GameFile& f, SettingsRecord& r) { readLedColours(f, r, 0); }},
        {"LED thresholds end inside the last word", kLedThresholdsAt + 9,
         [](GameFile& f, const SettingsRecord& r) { writeLedThresholds(f, r, 0); },
         [](GameFile& f, SettingsRecord& r) { readLedThresholds(f, r, 0); }},
        {"fuel: practice fits, qualifying does not", kQualifyingFuelAt,
         [](GameFile& f, const SettingsRecord& r) { writeFuelLoads(f, r, 0); },
         [](GameFile& f, SettingsRecord& r) { readFuelLoads(f, r, 0); }},
        {"human weight half there", kHumanWeightAt + 1,
         [](GameFile& f, const SettingsRecord& r) { writeHumanWeight(f, r, 0); },
         [](GameFile& f, SettingsRecord& r) { readHumanWeight(f, r, 0); }},
        {"computer weight half there", kComputerWeightAt + 1,
         [](GameFile& f, const SettingsRecord& r) { writeComputerWeight(f, r, 0); },
         [](GameFile& f, SettingsRecord& r) { readComputerWeight(f, r, 0); }},
        {"opponent fuel switch missing", kOpponentFuelAt,
         [](GameFile& f, const SettingsRecord& r) { writeOpponentFuelSwitch(f, r, 0); },
         [](GameFile& f, SettingsRecord& r) { readOpponentFuelSwitch(f, r, 0); }},
        {"team switch: first place fits, second does not", kTeamPerformanceSecondAt,
         [](GameFile& f, const SettingsRecord& r) { writeTeamPerformanceSwitch(f, r, 0); },
         [](GameFile& f, SettingsRecord& r) { readTeamPerformanceSwitch(f, r, 0); }},
    };
    TempDir dir;
    SettingsRecord record;
    record.setByte(rec::kPracticeFuel, 33);
    record.setByte(rec::kTeamPerformanceSwitch, 1);
    record.setByte(0xB14, 2);
    for (const ShortRow& r : rows) {
        SCOPED_TRACE(r.what);
        const std::vector<std::uint8_t> raw = patternBytes(r.size);
        GameFile file = memoryFile(dir, raw);
        EXPECT_THROW(r.write(file, record), FileAccessError);
        EXPECT_EQ(difference(file.bytes(), raw), "");
        SettingsRecord copy = record;
        EXPECT_THROW(r.read(file, copy), FileAccessError);
        EXPECT_TRUE(copy == record);
    }
}

// --- split comparison switch -----------------------------------------------------

const std::vector<PatchRecord> kList = {
    {0x1000, 0x75, 0xEB},
    {0x2000, 0x7C, 0xEB},
    {0x3000, 0x74, 0x90},
};

struct SplitReadRow {
    const char* what;
    std::uint8_t at1000, at2000, at3000;
    std::uint8_t before;
    std::uint8_t flag;
};

TEST(TuningBlocks, SplitSwitchLastMatchDecides)
{
    const SplitReadRow rows[] = {
        {"all off values: off", 0x75, 0x7C, 0x74, 1, 0},
        {"all on values: on", 0xEB, 0xEB, 0x90, 0, 1},
        {"the last record decides", 0xEB, 0xEB, 0x74, 1, 0},
        {"a last record matching nothing keeps the match before", 0x75, 0xEB, 0x11, 0, 1},
        {"nothing matches: the switch keeps its state (on)", 0x11, 0x22, 0x33, 1, 1},
        {"nothing matches: the switch keeps its state (off)", 0x11, 0x22, 0x33, 0, 0},
    };
    TempDir dir;
    for (const SplitReadRow& r : rows) {
        SCOPED_TRACE(r.what);
        std::vector<std::uint8_t> raw = patternBytes(0x4000);
        raw[0x1000] = r.at1000;
        raw[0x2000] = r.at2000;
        raw[0x3000] = r.at3000;
        GameFile file = memoryFile(dir, raw);
        SettingsRecord record;
        record.setByte(rec::kSplitSwitch, r.before);
        readSplitSwitch(file, record, kList);
        EXPECT_EQ(record.byte(rec::kSplitSwitch), r.flag);
    }
}

TEST(TuningBlocks, SplitSwitchWritesEveryListedPlace)
{
    TempDir dir;
    for (std::uint8_t flag : {0, 1}) {
        const std::vector<std::uint8_t> raw = patternBytes(0x4000);
        GameFile file = memoryFile(dir, raw);
        SettingsRecord record;
        record.setByte(rec::kSplitSwitch, flag);
        writeSplitSwitch(file, record, kList);
        std::vector<std::uint8_t> want = raw;
        want[0x1000] = flag ? 0xEB : 0x75;
        want[0x2000] = flag ? 0xEB : 0x7C;
        want[0x3000] = flag ? 0x90 : 0x74;
        EXPECT_EQ(difference(file.bytes(), want), "") << "flag " << int(flag);
    }
}

TEST(TuningBlocks, SplitSwitchPlaceOutsideTheFileChangesNothing)
{
    TempDir dir;
    for (std::int32_t bad : {0x4000, -1}) {
        SCOPED_TRACE("position " + std::to_string(bad));
        std::vector<PatchRecord> list = kList;
        list.push_back({bad, 0x00, 0x01});  // listed last: the earlier places would fit
        const std::vector<std::uint8_t> raw = patternBytes(0x4000);
        GameFile file = memoryFile(dir, raw);
        SettingsRecord record;
        record.setByte(rec::kSplitSwitch, 1);
        EXPECT_THROW(writeSplitSwitch(file, record, list), FileAccessError);
        EXPECT_EQ(difference(file.bytes(), raw), "");
        EXPECT_THROW(readSplitSwitch(file, record, list), FileAccessError);
        EXPECT_EQ(record.byte(rec::kSplitSwitch), 1);
    }
}

TEST(TuningBlocks, SplitSwitchFromThePatchListFile)
{
    TempDir dir;
    const auto list = dir / "PLT.DAT";
    writePatchList(list, kList);
    std::vector<std::uint8_t> raw = patternBytes(0x4000);
    raw[0x1000] = 0x75;
    raw[0x2000] = 0x7C;
    raw[0x3000] = 0x74;
    GameFile file = memoryFile(dir, raw);
    SettingsRecord record;
    record.setByte(rec::kSplitSwitch, 1);
    readSplitSwitch(file, record, list);
    EXPECT_EQ(record.byte(rec::kSplitSwitch), 0);

    record.setByte(rec::kSplitSwitch, 1);
    writeSplitSwitch(file, record, list);
    EXPECT_EQ(file.bytes()[0x1000], 0xEB);
    EXPECT_EQ(file.bytes()[0x3000], 0x90);
}

TEST(TuningBlocks, SplitSwitchWithoutUsableListIsAGeneralErrorAndChangesNothing)
{
    TempDir dir;
    writeFile(dir / "EMPTY.DAT", {});
    writeFile(dir / "TORN.DAT", {0x00, 0x10, 0x00, 0x00, 0x75});
    const std::vector<std::uint8_t> raw = patternBytes(0x4000);
    for (const char* name : {"MISSING.DAT", "EMPTY.DAT", "TORN.DAT"}) {
        SCOPED_TRACE(name);
        GameFile file = memoryFile(dir, raw);
        SettingsRecord record;
        record.setByte(rec::kSplitSwitch, 1);
        EXPECT_THROW(readSplitSwitch(file, record, dir / name), GeneralError);
        EXPECT_EQ(record.byte(rec::kSplitSwitch), 1);
        EXPECT_THROW(writeSplitSwitch(file, record, dir / name), GeneralError);
        EXPECT_EQ(difference(file.bytes(), raw), "");
    }
    GameFile file = memoryFile(dir, raw);
    SettingsRecord record;
    EXPECT_THROW(writeSplitSwitch(file, record, std::vector<PatchRecord>{}), GeneralError);
}

TEST(TuningBlocks, SplitSwitchOnlyWrittenInVersionZero)
{
    EXPECT_TRUE(splitSwitchWritable(0));
    for (int v = 1; v < kLanguageVersions; ++v)
        EXPECT_FALSE(splitSwitchWritable(v)) << v;
}

} // namespace
