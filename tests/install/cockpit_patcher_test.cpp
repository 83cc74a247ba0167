// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/game_file.h"
#include "editors/patterned_file.h"
#include "install/cockpit_definition.h"
#include "install/cockpit_patcher.h"
#include "install/xy_tables.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kFileSize = 0x170000;

// Six full tables, every position used and distinct, as a complete game version's are.
kvr::XyTables fullTables()
{
    const std::vector<std::vector<int>> groups = {{0, 5}, {1}, {2}, {3}, {4}, {6}};
    kvr::XyTables tables;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        kvr::XyTable t;
        t.versions = groups[g];
        for (std::size_t r = 0; r < t.rows.size(); ++r)
            for (std::size_t i = 0; i < 8; ++i)
                t.rows[r][i] = std::uint32_t(0x150000 + g * 0x1000 + r * 8 + i);
        tables.tables.push_back(t);
    }
    return tables;
}

kvr::CockpitDefinition definition()
{
    kvr::CockpitDefinition d;
    d.yLimit = 300;
    for (std::size_t r = 0; r < d.xy.size(); ++r)
        d.xy[r] = {int(r), -1, 300, int(200 + r % 50)};
    d.svga = {640, -1, 480, 300};
    d.vga = {300, 320, -1, 100};
    for (std::size_t k = 0; k < 28; ++k) {
        d.txtHigh[k] = {int(100 + k), -1};
        d.txtLow[k] = {int(50 + k), int(900 - k)};
    }
    return d;
}

// Checks every byte: those in `expected` hold their value, all others are as before.
void expectOnly(const kvr::GameFile& exe, const Bytes& before, const std::map<std::uint32_t, std::uint8_t>& expected)
{
    const auto bytes = exe.bytes();
    int wrong = 0;
    for (std::uint32_t i = 0; i < bytes.size() && wrong < 10; ++i) {
        const auto it = expected.find(i);
        const std::uint8_t want = it == expected.end() ? before[i] : it->second;
        if (bytes[i] != want) {
            ADD_FAILURE() << std::hex << "at 0x" << i << ": 0x" << int(bytes[i]) << ", expected 0x" << int(want);
            ++wrong;
        }
    }
}

void putWord(std::map<std::uint32_t, std::uint8_t>& m, std::uint32_t at, int value)
{
    m[at] = std::uint8_t(value & 0xFF);
    m[at + 1] = std::uint8_t((value >> 8) & 0xFF);
}

TEST(CockPatcher, WritesEveryPlaceOfAFullTableAndNothingElse)
{
    const kvr::XyTables tables = fullTables();
    const kvr::CockpitDefinition d = definition();
    for (int v : {0, 3, 5, 6}) {
        const Bytes before = kvrtest::patternedBytes(kFileSize, unsigned(v));
        kvr::GameFile exe = kvrtest::memoryFile(before);
        kvr::cockPatcher(exe, d, tables.forVersion(v));

        std::map<std::uint32_t, std::uint8_t> expected;
        expected[0xEA3A2] = 44; // 300 as one byte
        const kvr::XyTable& t = tables.forVersion(v);
        for (std::size_t r = 0; r < t.rows.size(); ++r)
            for (std::size_t i = 0; i < 8; ++i)
                expected[t.rows[r][i]] = std::uint8_t(d.xy[r][i / 2] & 0xFF);
        // Screen data: two bytes at each place of lines 125 to 128, 160 to 162; one of 159.
        for (std::uint32_t at : {0xE92FD, 0xE9317})
            putWord(expected, at, 640);
        putWord(expected, 0xE9311, 0xFFFF);
        for (std::uint32_t at : {0xE92F2, 0xE930C})
            putWord(expected, at, 480);
        putWord(expected, 0xE9306, 300);
        expected[0xE92B7] = 44;
        expected[0xE92CE] = 44;
        putWord(expected, 0xE92C8, 320);
        for (std::uint32_t at : {0xE92AB, 0xE92C3})
            putWord(expected, at, 0xFFFF);
        putWord(expected, 0xE92BD, 100);
        // Text tables: the low word of each 4-byte value only.
        for (std::uint32_t k = 0; k < 28; ++k) {
            putWord(expected, 0x139C7C + 8 * k, d.txtHigh[k][0]);
            putWord(expected, 0x139C7C + 8 * k + 4, 0xFFFF);
            putWord(expected, 0x139778 + 8 * k, d.txtLow[k][0]);
            putWord(expected, 0x139778 + 8 * k + 4, d.txtLow[k][1]);
        }
        expectOnly(exe, before, expected);
        EXPECT_EQ(exe.bytes()[0xEA3A2], 44) << "version " << v;
    }
}

TEST(CockPatcher, TextTablesKeepTheUpperTwoBytesOfEachValue)
{
    const Bytes before = kvrtest::patternedBytes(kFileSize);
    kvr::GameFile exe = kvrtest::memoryFile(before);
    kvr::cockPatcher(exe, definition(), fullTables().forVersion(0));
    const auto b = exe.bytes();
    for (std::uint32_t base : {0x139C7Cu, 0x139778u})
        for (std::uint32_t k = 0; k < 28; ++k)
            for (std::uint32_t upper : {2u, 3u, 6u, 7u})
                EXPECT_EQ(b[base + 8 * k + upper], before[base + 8 * k + upper]) << std::hex << base << " slot " << k;
    EXPECT_EQ(b[0x139C7C + 4], 0xFF);
    EXPECT_EQ(b[0x139C7C + 5], 0xFF);
    EXPECT_EQ(b[0x139778 + 8 * 27 + 4], (900 - 27) & 0xFF);
    EXPECT_EQ(b[0x139778 + 8 * 27 + 5], (900 - 27) >> 8);
}

TEST(CockPatcher, ZeroPositionsAreSkippedAndALaterRowWins)
{
    kvr::XyTables tables = fullTables();
    kvr::XyTable& t = tables.tables[0];
    for (auto& row : t.rows)
        row = {};
    t.rows[10] = {0x150010, 0, 0, 0, 0, 0, 0, 0};
    t.rows[20] = {0, 0, 0x150010, 0, 0, 0, 0, 0x150011};
    kvr::CockpitDefinition d = definition();
    d.xy[10] = {1, 2, 3, 4};
    d.xy[20] = {5, 6, 7, 8};
    const Bytes before = kvrtest::patternedBytes(kFileSize);
    kvr::GameFile exe = kvrtest::memoryFile(before);
    kvr::cockPatcher(exe, d, t);
    EXPECT_EQ(exe.bytes()[0x150010], 6) << "row of line 22 (field 2) comes after line 12's field 1";
    EXPECT_EQ(exe.bytes()[0x150011], 8);
    EXPECT_EQ(exe.bytes()[0], before[0]) << "position 0 is never written";
}

TEST(CockPatcher, APositionPastTheEndChangesNothing)
{
    kvr::XyTables tables = fullTables();
    tables.tables[0].rows[120][7] = kFileSize; // the very last write of the XY data
    const Bytes before = kvrtest::patternedBytes(kFileSize);
    kvr::GameFile exe = kvrtest::memoryFile(before);
    EXPECT_THROW(kvr::cockPatcher(exe, definition(), tables.forVersion(0)), kvr::FileAccessError);
    EXPECT_EQ(kvrtest::fileBytes(exe), before);

    // A file that ends one byte short of the last text value; no XY data to write.
    const kvr::XyTable none{{0}, {}};
    kvr::GameFile whole = kvrtest::memoryFile(kvrtest::patternedBytes(0x139C7C + 8 * 27 + 6));
    EXPECT_NO_THROW(kvr::cockPatcher(whole, definition(), none)) << "the high text table ends the file exactly";
    const Bytes cutFile = kvrtest::patternedBytes(0x139C7C + 8 * 27 + 5);
    kvr::GameFile cut = kvrtest::memoryFile(cutFile);
    EXPECT_THROW(kvr::cockPatcher(cut, definition(), none), kvr::FileAccessError);
    EXPECT_EQ(kvrtest::fileBytes(cut), cutFile);
}

} // namespace
