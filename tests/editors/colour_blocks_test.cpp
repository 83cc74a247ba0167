// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codecs.h"
#include "core/errors.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "editors/cockpit/cockpit_colour_blocks.h"
#include "editors/patterned_file.h"
#include "editors/pitcrew/pit_crew_colour_blocks.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using kvrtest::memoryFile;
using kvrtest::patternedBytes;

const std::uint32_t kCockpitAt[kvr::kLanguageVersions] = {0x1DC216, 0x1DC286, 0x1DC24A, 0x1DC26A,
                                                          0x1DC246, 0x1DC216, 0x1DC246};
const std::uint32_t kPitCrewAt[kvr::kLanguageVersions] = {0x1E658C, 0x1E65FC, 0x1E65CC, 0x1E65EC,
                                                          0x1E65BC, 0x1E658C, 0x1E65BC};
constexpr std::uint32_t kStateCockpit = 0x381A;

struct ColourRow {
    const char* why;
    std::uint8_t stored;
    std::uint8_t index;
};

const ColourRow kColours[] = {
    {"0xF8 + 10 wraps to index 2", 0xF8, 2},
    {"0xFB is index 5", 0xFB, 5},
    {"0xF6 + 10 wraps to index 0", 0xF6, 0},
    {"0x00 is index 10", 0x00, 10},
    {"0x20 is index 42", 0x20, 42},
    {"0x5A is index 100", 0x5A, 100},
    {"0xF5 is index 255", 0xF5, 255},
};

TEST(ColourCodec, IndexMinusTenWrapping)
{
    for (const ColourRow& r : kColours) {
        EXPECT_EQ(kvr::PaletteByte::decode(r.stored), r.index) << r.why;
        EXPECT_EQ(kvr::PaletteByte::encode(r.index), r.stored) << r.why;
    }
    for (unsigned b = 0; b < 256; ++b)
        EXPECT_EQ(kvr::PaletteByte::encode(kvr::PaletteByte::decode(std::uint8_t(b))), b);
}

TEST(CockpitColourBlocks, ExecutableBlockAtEveryVersionsPosition)
{
    for (int v = 0; v < kvr::kLanguageVersions; ++v) {
        auto bytes = patternedBytes(0x1DC286 + 60 + 4, unsigned(v));
        const std::uint32_t at = kCockpitAt[v];
        kvrtest::putBytes(bytes, at, {0xF8, 0xFB, 0x00});  // slot 1: cockpit, mirrors, front wing
        kvrtest::putBytes(bytes, at + 57, {0x20, 0x30, 0x40});  // slot 20
        kvr::GameFile exe = memoryFile(bytes);
        kvr::SettingsRecord record;
        kvr::readCockpitColoursFromExe(exe, record, v);
        EXPECT_EQ(record.byte(kvr::rec::cockpitColour(1, 0)), 2) << v;
        EXPECT_EQ(record.byte(kvr::rec::cockpitColour(1, 1)), 5) << v;
        EXPECT_EQ(record.byte(kvr::rec::cockpitColour(1, 2)), 10) << v;
        EXPECT_EQ(record.byte(kvr::rec::cockpitColour(20, 0)), 42) << "slot 20 is read too";
        EXPECT_EQ(record.byte(kvr::rec::cockpitColour(20, 2)), 74);
        EXPECT_EQ(record.byte(0x756), 2) << "slot 1 sits at record offset 0x756";

        kvr::writeCockpitColoursToExe(exe, record, v);
        EXPECT_EQ(kvrtest::fileBytes(exe), bytes) << v;

        record.setByte(kvr::rec::cockpitColour(2, 1), 5);
        kvr::writeCockpitColoursToExe(exe, record, v);
        bytes[at + 4] = 0xFB;
        EXPECT_EQ(kvrtest::fileBytes(exe), bytes) << v;
    }
}

TEST(CockpitColourBlocks, StateFileBlockAtItsFixedPlace)
{
    auto bytes = patternedBytes(0x3D42 + 200);
    kvrtest::putBytes(bytes, kStateCockpit, {0xF8, 0x01, 0x02});
    kvrtest::putBytes(bytes, kStateCockpit + 59, {0xF5});
    kvr::GameFile state = memoryFile(bytes);
    kvr::SettingsRecord record;
    kvr::readCockpitColoursFromSave(state, record);
    EXPECT_EQ(record.byte(kvr::rec::cockpitColour(1, 0)), 2);
    EXPECT_EQ(record.byte(kvr::rec::cockpitColour(1, 2)), 12);
    EXPECT_EQ(record.byte(kvr::rec::cockpitColour(20, 2)), 255);
    kvr::writeCockpitColoursToSave(state, record);
    EXPECT_EQ(kvrtest::fileBytes(state), bytes);
}

TEST(CockpitColourBlocks, ShortFilesThrowAndStayUnchanged)
{
    kvrtest::TempDir dir;
    kvr::SettingsRecord record;
    record.setByte(kvr::rec::cockpitColour(1, 0), 99);

    const auto exeBytes = patternedBytes(0x1DC216 + 59);
    kvrtest::writeFile(dir / "KVR.EXE", exeBytes);
    kvr::GameFile exe = kvr::GameFile::open(dir / "KVR.EXE");
    EXPECT_THROW(kvr::writeCockpitColoursToExe(exe, record, 0), kvr::FileAccessError);
    EXPECT_FALSE(exe.modified());
    EXPECT_EQ(kvrtest::fileBytes(exe), exeBytes);

    const auto stateBytes = patternedBytes(kStateCockpit + 30);
    kvrtest::writeFile(dir / "F1GSTATE.SAV", stateBytes);
    kvr::GameFile state = kvr::GameFile::open(dir / "F1GSTATE.SAV");
    EXPECT_THROW(kvr::writeCockpitColoursToSave(state, record), kvr::FileAccessError);
    EXPECT_FALSE(state.modified());
    const kvr::SettingsRecord before = record;
    EXPECT_THROW(kvr::readCockpitColoursFromSave(state, record), kvr::FileAccessError);
    EXPECT_EQ(record, before);
}

TEST(CockpitColourBlocks, StateFileOnlyWhenItExistsAndIsChosen)
{
    EXPECT_TRUE(kvr::cockpitColoursUseStateFile(true, true));
    EXPECT_FALSE(kvr::cockpitColoursUseStateFile(true, false));
    EXPECT_FALSE(kvr::cockpitColoursUseStateFile(false, true)) << "a missing state file means KVR.EXE";
    EXPECT_FALSE(kvr::cockpitColoursUseStateFile(false, false));
}

TEST(PitCrewColourBlocks, FourteenTeamsOfSixteenAtEveryVersionsPosition)
{
    for (int v = 0; v < kvr::kLanguageVersions; ++v) {
        auto bytes = patternedBytes(0x1E65FC + 224 + 4, unsigned(v));
        const std::uint32_t at = kPitCrewAt[v];
        kvrtest::putBytes(bytes, at, {0x00, 0x10, 0x20});  // team 1: groups 0, 1 (kept), 2 ("Feet")
        kvrtest::putBytes(bytes, at + 20, {0x5A});         // team 2 group 4 ("Waist")
        kvrtest::putBytes(bytes, at + 223, {0xF6});        // team 14 group 15 ("Team logo")
        kvr::GameFile exe = memoryFile(bytes);
        kvr::SettingsRecord record;
        kvr::readPitCrewColours(exe, record, v);
        EXPECT_EQ(record.byte(kvr::rec::pitCrewColour(1, 0)), 10) << v;
        EXPECT_EQ(record.byte(kvr::rec::pitCrewColour(1, 1)), 26) << v;
        EXPECT_EQ(record.byte(kvr::rec::pitCrewColour(1, 2)), 42) << "0x20 reads back as base 42";
        EXPECT_EQ(record.byte(kvr::rec::pitCrewColour(2, 4)), 100) << v;
        EXPECT_EQ(record.byte(kvr::rec::pitCrewColour(14, 15)), 0) << v;
        EXPECT_EQ(record.byte(0x792 + 20), 100) << "team 2 group 4 sits at record offset 0x7A6";

        kvr::writePitCrewColours(exe, record, v);
        EXPECT_EQ(kvrtest::fileBytes(exe), bytes) << "bytes 0 and 1 of every team survive, version " << v;

        record.setByte(kvr::rec::pitCrewColour(3, 4), 100);  // swatch 100 for "Waist"
        kvr::writePitCrewColours(exe, record, v);
        bytes[at + 36] = 0x5A;
        EXPECT_EQ(kvrtest::fileBytes(exe), bytes) << v;
    }
}

TEST(PitCrewColourBlocks, ShortFileThrowsAndStaysUnchanged)
{
    kvrtest::TempDir dir;
    const auto bytes = patternedBytes(0x1E65BC + 223);
    kvrtest::writeFile(dir / "KVR.EXE", bytes);
    kvr::GameFile exe = kvr::GameFile::open(dir / "KVR.EXE");
    kvr::SettingsRecord record;
    EXPECT_THROW(kvr::writePitCrewColours(exe, record, 4), kvr::FileAccessError);
    EXPECT_FALSE(exe.modified());
    EXPECT_EQ(kvrtest::fileBytes(exe), bytes);
}

} // namespace
