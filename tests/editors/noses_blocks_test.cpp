// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "editors/noses/nose_blocks.h"
#include "editors/patterned_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using kvrtest::memoryFile;
using kvrtest::patternedBytes;

// Table A's first record and table B's first record; records are 4 bytes apart.
constexpr std::uint32_t kA = 0x12E5B3;
constexpr std::uint32_t kB = 0x12E5E8;
constexpr std::uint32_t kLastB = 0x12E61C;  // team 14 in table B: the last byte used
constexpr std::size_t kFileSize = kLastB + 1 + 16;

struct NoseRow {
    const char* why;
    int team;
    std::uint32_t a;
    std::uint32_t b;
    std::uint8_t storedB;
    bool raised;
};

const NoseRow kRows[] = {
    {"team 1, table B 0x00 reads as lowered", 1, 0x12E5B3, 0x12E5E8, 0x00, false},
    {"team 2, table B 0x01 reads as raised", 2, 0x12E5B7, 0x12E5EC, 0x01, true},
    {"team 3, table B 0x02 (non-zero) reads as raised", 3, 0x12E5BB, 0x12E5F0, 0x02, true},
    {"team 13, table B 0xFF reads as raised", 13, 0x12E5E3, 0x12E618, 0xFF, true},
    {"team 14, last record of both tables", 14, 0x12E5E7, 0x12E61C, 0x00, false},
};

TEST(NoseBlocks, ReadsTableBAndWritesBothTables)
{
    auto bytes = patternedBytes(kFileSize);
    for (int team = 1; team <= 14; ++team)
        bytes[kB + 4 * (team - 1)] = 0x00;
    for (const NoseRow& r : kRows)
        bytes[r.b] = r.storedB;

    kvr::GameFile exe = memoryFile(bytes);
    kvr::SettingsRecord record;
    kvr::readNoses(exe, record, 0);
    for (const NoseRow& r : kRows)
        EXPECT_EQ(kvr::noseRaised(record, r.team), r.raised) << r.why;
    EXPECT_EQ(kvrtest::fileBytes(exe), bytes) << "reading changes nothing";

    kvr::writeNoses(exe, record, 0);
    auto expected = bytes;
    for (int team = 1; team <= 14; ++team) {
        const bool raised = kvr::noseRaised(record, team);
        expected[kA + 4 * (team - 1)] = raised ? 0x00 : 0x02;
        expected[kB + 4 * (team - 1)] = raised ? 0x01 : 0x00;
    }
    for (const NoseRow& r : kRows) {
        EXPECT_EQ(expected[r.a], r.raised ? 0x00 : 0x02) << r.why;
        EXPECT_EQ(expected[r.b], r.raised ? 0x01 : 0x00) << r.why;
    }
    // Bytes 1..3 of each record are never written: only the 28 first bytes differ.
    EXPECT_EQ(kvrtest::fileBytes(exe), expected);
}

TEST(NoseBlocks, ConsistentTablesRoundTripUnchanged)
{
    for (int version = 0; version < kvr::kLanguageVersions; ++version) {
        auto bytes = patternedBytes(kFileSize, unsigned(version));
        for (int team = 1; team <= 14; ++team) {
            const bool raised = team % 2 == 0;
            bytes[kA + 4 * (team - 1)] = raised ? 0x00 : 0x02;
            bytes[kB + 4 * (team - 1)] = raised ? 0x01 : 0x00;
        }
        kvr::GameFile exe = memoryFile(bytes);
        kvr::SettingsRecord record;
        kvr::readNoses(exe, record, version);
        for (int team = 1; team <= 14; ++team)
            EXPECT_EQ(record.byte(kvr::rec::nose(team)), team % 2 == 0 ? 1 : 0) << "version " << version;
        kvr::writeNoses(exe, record, version);
        EXPECT_EQ(kvrtest::fileBytes(exe), bytes) << "version " << version;
    }
}

TEST(NoseBlocks, LoweredOverwritesWhateverTableAHeld)
{
    auto bytes = patternedBytes(kFileSize);
    bytes[kA] = 0x00;  // table A said raised
    kvr::GameFile exe = memoryFile(bytes);
    kvr::SettingsRecord record;
    kvr::setNoseRaised(record, 1, false);
    kvr::writeNoses(exe, record, 0);
    EXPECT_EQ(exe.bytes()[kA], 0x02);
    EXPECT_EQ(exe.bytes()[kB], 0x00);
}

TEST(NoseBlocks, FileEndingAtTheLastUsedByteIsEnough)
{
    kvr::GameFile exe = memoryFile(patternedBytes(kLastB + 1));
    kvr::SettingsRecord record;
    EXPECT_NO_THROW(kvr::readNoses(exe, record, 0));
    EXPECT_NO_THROW(kvr::writeNoses(exe, record, 0));
}

TEST(NoseBlocks, ShortFileThrowsAndStaysUnchanged)
{
    kvrtest::TempDir dir;
    const auto bytes = patternedBytes(kLastB);  // one byte short of team 14 in table B
    kvrtest::writeFile(dir / "KVR.EXE", bytes);
    kvr::GameFile exe = kvr::GameFile::open(dir / "KVR.EXE");
    kvr::SettingsRecord record;
    EXPECT_THROW(kvr::writeNoses(exe, record, 0), kvr::FileAccessError);
    EXPECT_FALSE(exe.modified());
    EXPECT_EQ(kvrtest::fileBytes(exe), bytes);

    kvr::SettingsRecord before = record;
    before.setByte(kvr::rec::nose(1), 7);
    record = before;
    EXPECT_THROW(kvr::readNoses(exe, record, 0), kvr::FileAccessError);
    EXPECT_EQ(record, before) << "nothing is read before the whole table is known to be there";
}

} // namespace
