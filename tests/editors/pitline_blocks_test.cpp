// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "editors/patterned_file.h"
#include "editors/pitline/pit_line_blocks.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using kvrtest::memoryFile;
using kvrtest::patternedBytes;

constexpr std::uint32_t kCheck = 0x91B73;
constexpr std::uint32_t kSpeed = 0x138844;

const std::uint32_t kPitOrderAt[kvr::kLanguageVersions] = {0x1DD12F, 0x1DD19F, 0x1DD163, 0x1DD183,
                                                           0x1DD15F, 0x1DD12F, 0x1DD15F};

TEST(PitLineBlocks, PitOrderAtEveryVersionsPosition)
{
    // Team numbers are copied as they are, 0x63 and 0 included.
    const std::initializer_list<std::uint8_t> order = {3, 1, 2, 14, 13, 0x63, 0, 4, 5, 6, 7, 8, 9, 10};
    for (int v = 0; v < kvr::kLanguageVersions; ++v) {
        auto bytes = patternedBytes(0x1DD19F + 14 + 3, unsigned(v));
        kvrtest::putBytes(bytes, kPitOrderAt[v], order);
        kvr::GameFile exe = memoryFile(bytes);
        kvr::SettingsRecord record;
        kvr::readPitOrder(exe, record, v);
        int p = 1;
        for (std::uint8_t team : order)
            EXPECT_EQ(record.byte(kvr::rec::pitOrder(p++)), team) << "version " << v;

        kvr::writePitOrder(exe, record, v);
        EXPECT_EQ(kvrtest::fileBytes(exe), bytes) << "version " << v;

        record.setByte(kvr::rec::pitOrder(14), 11);
        kvr::writePitOrder(exe, record, v);
        bytes[kPitOrderAt[v] + 13] = 11;
        EXPECT_EQ(kvrtest::fileBytes(exe), bytes) << "version " << v;
    }
}

struct CheckRow {
    const char* why;
    std::uint8_t stored;
    bool on;
    std::uint8_t written;
};

const CheckRow kCheckRows[] = {
    {"0x74 is the check on", 0x74, true, 0x74},
    {"0xEB is the check off", 0xEB, false, 0xEB},
    {"any other byte reads as off and is written as 0xEB", 0x75, false, 0xEB},
    {"0 reads as off", 0x00, false, 0xEB},
};

TEST(PitLineBlocks, SpeedCheckByte)
{
    for (const CheckRow& r : kCheckRows) {
        auto bytes = patternedBytes(kCheck + 8);
        bytes[kCheck] = r.stored;
        kvr::GameFile exe = memoryFile(bytes);
        kvr::SettingsRecord record;
        kvr::readPitCheck(exe, record, 3);
        EXPECT_EQ(kvr::pitSpeedChecked(record), r.on) << r.why;
        EXPECT_EQ(record.byte(kvr::rec::kPitSpeedCheck), r.on ? 1 : 0) << r.why;
        kvr::writePitCheck(exe, record, 3);
        bytes[kCheck] = r.written;
        EXPECT_EQ(kvrtest::fileBytes(exe), bytes) << r.why;
    }
}

TEST(PitLineBlocks, SpeedLimitWord)
{
    auto bytes = patternedBytes(kSpeed + 2);
    kvrtest::putBytes(bytes, kSpeed, {0x34, 0x12});
    kvr::GameFile exe = memoryFile(bytes);
    kvr::SettingsRecord record;
    kvr::readPitSpeed(exe, record, 6);
    EXPECT_EQ(record.word(kvr::rec::kPitSpeedLimit), 0x1234);
    record.setWord(kvr::rec::kPitSpeedLimit, 0xFFFF);
    kvr::writePitSpeed(exe, record, 6);
    kvrtest::putBytes(bytes, kSpeed, {0xFF, 0xFF});
    EXPECT_EQ(kvrtest::fileBytes(exe), bytes);
}

TEST(PitLineBlocks, ShortFilesThrowAndStayUnchanged)
{
    kvrtest::TempDir dir;
    struct Case {
        const char* why;
        std::size_t size;
        void (*write)(kvr::GameFile&, const kvr::SettingsRecord&, int);
    };
    const Case cases[] = {
        {"pit order one byte short", 0x1DD12F + 13, kvr::writePitOrder},
        {"speed word cut in half", kSpeed + 1, kvr::writePitSpeed},
        {"check byte beyond the end", kCheck, kvr::writePitCheck},
    };
    for (const Case& c : cases) {
        const auto bytes = patternedBytes(c.size);
        kvrtest::writeFile(dir / "KVR.EXE", bytes);
        kvr::GameFile exe = kvr::GameFile::open(dir / "KVR.EXE");
        kvr::SettingsRecord record;
        record.setWord(kvr::rec::kPitSpeedLimit, 0x0102);
        EXPECT_THROW(c.write(exe, record, 0), kvr::FileAccessError) << c.why;
        EXPECT_FALSE(exe.modified()) << c.why;
        EXPECT_EQ(kvrtest::fileBytes(exe), bytes) << c.why;
    }
}

struct SpeedRow {
    const char* why;
    int bar;
    std::uint16_t stored;
    int kph;
    int mph;
};

const SpeedRow kSpeedRows[] = {
    {"bar 8192 stores 16384: 81 kph, 50 mph", 8192, 16384, 81, 50},
    {"bar 32767 stores 65534: 324 kph, 201 mph", 32767, 65534, 324, 201},
    {"bar 1 stores 2: rounds down to 0", 1, 2, 0, 0},
    {"bar 0 stores 0", 0, 0, 0, 0},
};

TEST(PitLineSpeed, ConversionAndBar)
{
    for (const SpeedRow& r : kSpeedRows) {
        EXPECT_EQ(kvr::pitSpeedFromBar(r.bar), r.stored) << r.why;
        EXPECT_EQ(kvr::pitSpeedBarPosition(r.stored), r.bar) << r.why;
        EXPECT_EQ(kvr::pitSpeedToKphMph(r.stored), (kvr::PitSpeed{r.kph, r.mph})) << r.why;
    }
    // 65535 can come from the game; the bar shows it as 32767 and stores only even values.
    EXPECT_EQ(kvr::pitSpeedBarPosition(65535), 32767);
    EXPECT_EQ(kvr::pitSpeedToKphMph(65535), (kvr::PitSpeed{324, 201}));
    for (int bar = 0; bar <= kvr::pitline::kBarMaximum; ++bar)
        ASSERT_EQ(kvr::pitSpeedFromBar(bar) % 2, 0) << bar;
}

kvr::SettingsRecord pitRecord(std::initializer_list<std::uint8_t> order)
{
    kvr::SettingsRecord record;
    int p = 1;
    for (std::uint8_t team : order)
        record.setByte(kvr::rec::pitOrder(p++), team);
    for (int t = 1; t <= 14; ++t)
        record.setByte(kvr::rec::teamEnabled(t), 1);
    return record;
}

std::vector<int> pitOrder(const kvr::SettingsRecord& record)
{
    std::vector<int> order;
    for (int p = 1; p <= 14; ++p)
        order.push_back(record.byte(kvr::rec::pitOrder(p)));
    return order;
}

TEST(PitLineDrop, FirstLineOntoLastExchangesPositionsOneAndFourteen)
{
    kvr::SettingsRecord record = pitRecord({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    EXPECT_TRUE(kvr::dropPitLine(record, 0, 13));
    EXPECT_EQ(pitOrder(record), (std::vector<int>{14, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 1}));
}

TEST(PitLineDrop, DisabledTeamKeepsItsPositionAndIsNotListed)
{
    kvr::SettingsRecord record = pitRecord({5, 2, 9, 1, 12, 7, 3, 14, 6, 10, 4, 13, 8, 11});
    record.setByte(kvr::rec::teamEnabled(2), 0);
    const auto entries = kvr::pitLineEntries(record);
    ASSERT_EQ(entries.size(), 13u);
    EXPECT_EQ(entries[0], (kvr::PitLineEntry{1, 5}));
    EXPECT_EQ(entries[1], (kvr::PitLineEntry{3, 9}));
    // Line 1 names team 9 at position 3: the two teams named swap places, team 2 stays.
    EXPECT_TRUE(kvr::dropPitLine(record, 1, 0));
    EXPECT_EQ(pitOrder(record), (std::vector<int>{9, 2, 5, 1, 12, 7, 3, 14, 6, 10, 4, 13, 8, 11}));
}

TEST(PitLineDrop, DropOutsideTheListChangesNothing)
{
    kvr::SettingsRecord record = pitRecord({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0x63, 14});
    const kvr::SettingsRecord before = record;
    EXPECT_EQ(kvr::pitLineEntries(record).size(), 13u) << "a team number outside 1..14 is not listed";
    EXPECT_FALSE(kvr::dropPitLine(record, 0, 13));
    EXPECT_FALSE(kvr::dropPitLine(record, -1, 2));
    EXPECT_FALSE(kvr::dropPitLine(record, 4, 4));
    EXPECT_EQ(record, before);
}

} // namespace
