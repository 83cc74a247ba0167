// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/checksum.h"
#include "core/game_file.h"
#include "core/settings_record.h"
#include "editors/patterned_file.h"
#include "editors/track/track_data.h"
#include "game/demo_values.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

struct Span {
    std::size_t from;
    std::size_t count;
};

// The record places the appearance values own.
constexpr Span kOwned[] = {
    {0x6B1, 40},   // failures
    {0x73D, 14},   // pit order
    {0x756, 60},   // cockpit colours
    {0x792, 224},  // pit crew colours
    {0x872, 176},  // cameras
    {0x928, 1},    // pit speed check
    {0x92C, 2},    // pit speed limit
    {0xA34, 14},   // noses
    {0xA42, 208},  // track data
};

bool owned(std::size_t offset)
{
    return std::any_of(std::begin(kOwned), std::end(kOwned),
                       [&](const Span& s) { return offset >= s.from && offset < s.from + s.count; });
}

TEST(DemoAppearance, FillsOnlyItsOwnBlocksWithPlayableValues)
{
    kvr::SettingsRecord record;
    for (std::size_t i = 0; i < kvr::rec::kSize; ++i)
        record.setByte(i, 0xEE);
    kvr::fillDemoAppearance(record);
    for (std::size_t i = 0; i < kvr::rec::kSize; ++i) {
        if (!owned(i)) {
            ASSERT_EQ(record.byte(i), 0xEE) << "offset " << i;
        }
    }

    std::vector<int> order;
    for (int p = 1; p <= 14; ++p)
        order.push_back(record.byte(kvr::rec::pitOrder(p)));
    std::sort(order.begin(), order.end());
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})) << "each team one pit";

    // Every colour run stays on the swatch grid (the cockpit's longest run is 15, the crew's 16).
    for (int slot = 1; slot <= 20; ++slot)
        for (int e = 0; e < 3; ++e) {
            const int c = record.byte(kvr::rec::cockpitColour(slot, e));
            EXPECT_TRUE(c >= 11 && c <= 230) << slot << "/" << e << ": " << c;
        }
    for (int team = 1; team <= 14; ++team)
        for (int g = 2; g < 16; ++g) {
            const int c = record.byte(kvr::rec::pitCrewColour(team, g));
            EXPECT_TRUE(c >= 11 && c <= 230) << team << "/" << g << ": " << c;
        }
    for (int t = 0; t < 16; ++t)
        EXPECT_LT(kvr::trackSetup(record, t).tyreType, 4) << t;
}

TEST(DemoAppearance, TrackFilesAreCompleteAndMatchTheDemoRecord)
{
    kvrtest::TempDir dir;
    fs::create_directory(dir / "CIRCUITS");
    for (int t = 0; t < 16; ++t) {
        const auto bytes = kvr::makeDemoTrackFile(t);
        EXPECT_EQ(kvr::computeChecksum(bytes), kvr::storedChecksum(bytes)) << "track " << t;
        kvrtest::writeFile(dir.path() / "CIRCUITS" / kvr::trackFileName(t), bytes);
    }
    EXPECT_NE(kvr::makeDemoTrackFile(0), kvr::makeDemoTrackFile(1));
    EXPECT_THROW(kvr::makeDemoTrackFile(16), std::out_of_range);

    kvr::SettingsRecord demo;
    kvr::fillDemoAppearance(demo);
    auto exeBytes = kvrtest::patternedBytes(0x138A48 + 32);
    for (int t = 0; t < 16; ++t) {
        const std::uint16_t tyre = kvr::trackSetup(demo, t).tyreConsumption;
        kvrtest::putBytes(exeBytes, 0x138A48 + 2 * std::size_t(t), {std::uint8_t(tyre), std::uint8_t(tyre >> 8)});
    }
    kvr::GameFile exe = kvrtest::memoryFile(exeBytes);
    kvr::SettingsRecord read;
    kvr::readTrackData(exe, dir.path(), read, 0);
    for (int t = 0; t < 16; ++t)
        EXPECT_EQ(kvr::trackSetup(read, t), kvr::trackSetup(demo, t)) << "track " << t;

    // Writing the same values back leaves every demo file as it was.
    std::vector<kvr::GameFile> tracks = kvr::openTrackFiles(dir.path());
    kvr::writeTrackData(exe, tracks, read, 0);
    for (const kvr::GameFile& t : tracks)
        EXPECT_FALSE(t.modified());
    for (int t = 0; t < 16; ++t)
        EXPECT_EQ(kvrtest::readFile(dir.path() / "CIRCUITS" / kvr::trackFileName(t)), kvr::makeDemoTrackFile(t));
}

} // namespace
