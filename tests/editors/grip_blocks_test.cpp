// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/grip/grip_blocks.h"

#include "core/errors.h"
#include "core/game_file.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "editors/block_test_file.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace kvr;
using namespace kvrtest;

constexpr std::array<std::uint32_t, 7> kGripAt = {0x1D783C, 0x1D78AC, 0x1D7870, 0x1D7890, 0x1D786C, 0x1D783C, 0x1D786C};
constexpr std::array<std::uint32_t, 7> kRangeAt = {0x1D78DC, 0x1D794C, 0x1D7910, 0x1D7930, 0x1D790C, 0x1D78DC, 0x1D790C};

struct GripWordRow {
    const char* what;
    std::uint8_t low, high;
    std::uint16_t grip;
};

// Stored words (bias 15751 = 0x3D87) and the grip they stand for.
const GripWordRow kGripRows[] = {
    {"the bias itself is grip 0", 0x87, 0x3D, 0},
    {"grip 17016 is 0x7FFF", 0xFF, 0x7F, 17016},
    {"one above the bias", 0x88, 0x3D, 1},
    {"below the bias wraps: 0x0000 is 49785", 0x00, 0x00, 49785},
    {"0x3D86 wraps to 65535", 0x86, 0x3D, 65535},
    {"0xFFFF is 49784", 0xFF, 0xFF, 49784},
    {"low byte first: 0x34 0x12 is 0x1234 - 0x3D87", 0x34, 0x12, std::uint16_t(0x1234 - 0x3D87)},
};

TEST(GripBlocks, BiasConversion)
{
    for (const GripWordRow& r : kGripRows) {
        SCOPED_TRACE(r.what);
        const auto stored = std::uint16_t(r.low | r.high << 8);
        EXPECT_EQ(grip::kWord.decode(stored), r.grip);
        EXPECT_EQ(grip::kWord.encode(r.grip), stored);
    }
}

TEST(GripBlocks, FullRangeRoundTrip)
{
    for (int w = 0; w < 0x10000; ++w)
        ASSERT_EQ(grip::kWord.encode(grip::kWord.decode(std::uint16_t(w))), w);
}

TEST(GripBlocks, GripBlockRoundTripInEveryVersion)
{
    TempDir dir;
    for (int v = 0; v < kLanguageVersions; ++v) {
        SCOPED_TRACE("version " + std::to_string(v));
        const std::uint32_t at = kGripAt[std::size_t(v)];
        std::vector<std::uint8_t> raw = patternBytes(kExeSize);
        // Car n gets row n-1 of the table as qualifying word and row n as other-sessions
        // word (cycling), so every row shows up in both places.
        const std::size_t rows = std::size(kGripRows);
        for (std::uint32_t car = 1; car <= 40; ++car) {
            const GripWordRow& q = kGripRows[(car - 1) % rows];
            const GripWordRow& o = kGripRows[car % rows];
            put(raw, at + (car - 1) * 4, {q.low, q.high, o.low, o.high});
        }
        GameFile in = memoryFile(dir, raw);
        SettingsRecord record;
        readGrip(in, record, v);
        for (int car = 1; car <= 40; ++car) {
            EXPECT_EQ(record.word(rec::gripQualifying(car)), kGripRows[std::size_t(car - 1) % rows].grip) << car;
            EXPECT_EQ(record.word(rec::gripRace(car)), kGripRows[std::size_t(car) % rows].grip) << car;
        }
        EXPECT_EQ(record.word(rec::gripRange(1)), 0) << "the range is another block";

        GameFile out = memoryFile(dir, patternBytes(kExeSize));
        writeGrip(out, record, v);
        EXPECT_EQ(difference(out.bytes(), raw), "");
    }
}

TEST(GripBlocks, RangeBlockSkipsTheTwoBytesBehindEachWord)
{
    TempDir dir;
    for (int v = 0; v < kLanguageVersions; ++v) {
        SCOPED_TRACE("version " + std::to_string(v));
        const std::uint32_t at = kRangeAt[std::size_t(v)];
        std::vector<std::uint8_t> raw = patternBytes(kExeSize);
        // Only the first two bytes of each record are the range; the pattern stays in
        // bytes 2..3.
        put(raw, at, {0x34, 0x12});                 // car 1: 0x1234, no bias
        put(raw, at + 4, {0xFF, 0x7F});             // car 2: 32767
        put(raw, at + 8, {0x00, 0x00});             // car 3: 0
        put(raw, at + 39 * 4, {0xFF, 0xFF});        // car 40: 65535 read as it is
        for (std::uint32_t car = 4; car <= 39; ++car)
            put(raw, at + (car - 1) * 4, {std::uint8_t(car), 0x01});
        GameFile in = memoryFile(dir, raw);
        SettingsRecord record;
        readGripRange(in, record, v);
        EXPECT_EQ(record.word(rec::gripRange(1)), 0x1234);
        EXPECT_EQ(record.word(rec::gripRange(2)), 32767);
        EXPECT_EQ(record.word(rec::gripRange(3)), 0);
        EXPECT_EQ(record.word(rec::gripRange(4)), 0x0104);
        EXPECT_EQ(record.word(rec::gripRange(40)), 65535);

        GameFile out = memoryFile(dir, patternBytes(kExeSize));
        writeGripRange(out, record, v);
        EXPECT_EQ(difference(out.bytes(), raw), "");
    }
}

TEST(GripBlocks, RangeFollowsGripDirectly)
{
    for (int v = 0; v < kLanguageVersions; ++v)
        EXPECT_EQ(positionOf(Row::GripRange, v), positionOf(Row::Grip, v) + grip::kBlockSize) << v;
}

TEST(GripBlocks, ShortFileThrowsAndChangesNothing)
{
    TempDir dir;
    SettingsRecord record;
    record.setWord(rec::gripQualifying(1), 100);
    record.setWord(rec::gripRange(1), 100);
    {
        // The last other-sessions word is one byte short.
        const std::vector<std::uint8_t> raw = patternBytes(kGripAt[0] + 159);
        GameFile file = memoryFile(dir, raw);
        EXPECT_THROW(writeGrip(file, record, 0), FileAccessError);
        EXPECT_EQ(difference(file.bytes(), raw), "");
        SettingsRecord copy = record;
        EXPECT_THROW(readGrip(file, copy, 0), FileAccessError);
        EXPECT_TRUE(copy == record);
    }
    {
        const std::vector<std::uint8_t> raw = patternBytes(kRangeAt[0] + 100);
        GameFile file = memoryFile(dir, raw);
        EXPECT_THROW(writeGripRange(file, record, 0), FileAccessError);
        EXPECT_EQ(difference(file.bytes(), raw), "");
        SettingsRecord copy = record;
        EXPECT_THROW(readGripRange(file, copy, 0), FileAccessError);
        EXPECT_TRUE(copy == record);
    }
}

} // namespace
