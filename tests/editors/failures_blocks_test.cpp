// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "editors/failures/failure_blocks.h"
#include "editors/patterned_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using kvrtest::memoryFile;
using kvrtest::patternedBytes;

const std::uint32_t kFailuresAt[kvr::kLanguageVersions] = {0x1D797C, 0x1D79EC, 0x1D79B0, 0x1D79D0,
                                                           0x1D79AC, 0x1D797C, 0x1D79AC};

TEST(FailureBlocks, TwentyWordsAtEveryVersionsPosition)
{
    for (int v = 0; v < kvr::kLanguageVersions; ++v) {
        auto bytes = patternedBytes(0x1D79EC + 40 + 2, unsigned(v));
        const std::uint32_t at = kFailuresAt[v];
        kvrtest::putBytes(bytes, at, {0xFF, 0xFF});       // slot 1: 65535, unsigned
        kvrtest::putBytes(bytes, at + 2, {0x34, 0x12});   // slot 2: 0x1234, low byte first
        kvrtest::putBytes(bytes, at + 28, {0x00, 0x00});  // slot 15: no team, kept
        kvrtest::putBytes(bytes, at + 38, {0x01, 0x80});  // slot 20: the last one
        kvr::GameFile exe = memoryFile(bytes);
        kvr::SettingsRecord record;
        kvr::readFailures(exe, record, v);
        EXPECT_EQ(kvr::failureValue(record, 1), 65535) << v;
        EXPECT_EQ(kvr::failureValue(record, 2), 0x1234) << v;
        EXPECT_EQ(kvr::failureValue(record, 15), 0) << v;
        EXPECT_EQ(kvr::failureValue(record, 20), 0x8001) << v;
        EXPECT_EQ(record.word(0x6B1), 65535) << "slot 1 sits at record offset 0x6B1";

        kvr::writeFailures(exe, record, v);
        EXPECT_EQ(kvrtest::fileBytes(exe), bytes) << "slots 15..20 and the gaps survive, version " << v;

        kvr::setFailureValue(record, 14, 0xA0B0);
        kvr::writeFailures(exe, record, v);
        kvrtest::putBytes(bytes, at + 26, {0xB0, 0xA0});
        EXPECT_EQ(kvrtest::fileBytes(exe), bytes) << v;
    }
}

TEST(FailureBlocks, ShortFileThrowsAndStaysUnchanged)
{
    kvrtest::TempDir dir;
    const auto bytes = patternedBytes(0x1D797C + 39);
    kvrtest::writeFile(dir / "KVR.EXE", bytes);
    kvr::GameFile exe = kvr::GameFile::open(dir / "KVR.EXE");
    kvr::SettingsRecord record;
    kvr::setFailureValue(record, 1, 1);
    EXPECT_THROW(kvr::writeFailures(exe, record, 0), kvr::FileAccessError);
    EXPECT_FALSE(exe.modified());
    EXPECT_EQ(kvrtest::fileBytes(exe), bytes);
}

struct EditRow {
    const char* why;
    const char* text;
    std::uint16_t stored;
};

const EditRow kEdits[] = {
    {"a plain value", "1234", 1234},
    {"70000 stops at the largest value", "70000", 65535},
    {"-1 stops at 0", "-1", 0},
    {"the largest value", "65535", 65535},
};

TEST(FailureEdits, EditBoxHoldsTheWordsRange)
{
    for (const EditRow& r : kEdits) {
        kvr::SettingsRecord record;
        kvr::editFailureValue(record, 3, r.text);
        EXPECT_EQ(kvr::failureValue(record, 3), r.stored) << r.why;
    }
    kvr::SettingsRecord record;
    kvr::setFailureValue(record, 3, 500);
    EXPECT_THROW(kvr::editFailureValue(record, 3, "abc"), kvr::GeneralError);
    EXPECT_EQ(kvr::failureValue(record, 3), 500) << "not a number keeps the value";
    EXPECT_THROW(kvr::editFailureValue(record, 15, "1"), std::out_of_range) << "slot 15 has no team";
}

TEST(FailureEdits, ShiftAllHoldsTheRangeAndLeavesSpareSlots)
{
    kvr::SettingsRecord record;
    for (int team = 1; team <= 14; ++team)
        record.setByte(kvr::rec::teamEnabled(team), team != 3);
    kvr::setFailureValue(record, 1, 65500);
    kvr::setFailureValue(record, 2, 50);
    kvr::setFailureValue(record, 3, 70);
    kvr::setFailureValue(record, 15, 1000);
    kvr::shiftFailureValues(record, 100);
    EXPECT_EQ(kvr::failureValue(record, 3), 70) << "a team the list does not show keeps its value";
    EXPECT_EQ(kvr::failureValue(record, 1), 65535);
    EXPECT_EQ(kvr::failureValue(record, 2), 150);
    EXPECT_EQ(kvr::failureValue(record, 14), 100);
    EXPECT_EQ(kvr::failureValue(record, 15), 1000);
    kvr::shiftFailureValues(record, -100);
    EXPECT_EQ(kvr::failureValue(record, 1), 65435);
    EXPECT_EQ(kvr::failureValue(record, 2), 50);
    EXPECT_EQ(kvr::failureValue(record, 14), 0);
    kvr::shiftFailureValues(record, -100);
    EXPECT_EQ(kvr::failureValue(record, 2), 0);
}

} // namespace
