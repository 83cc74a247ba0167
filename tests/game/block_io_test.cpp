// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/block_io.h"

#include "core/game_file.h"
#include "core/positions.h"
#include "core/safe_write.h"
#include "core/settings_record.h"
#include "editors/block_test_file.h"
#include "editors/power/power_blocks.h"
#include "game/game_context.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace kvr;
using namespace kvrtest;

constexpr std::uint32_t kSiteAt = 0xA5B0D;
constexpr std::array<std::uint8_t, 5> kCall = {0xE8, 0x12, 0x34, 0x56, 0x78};
constexpr std::array<std::uint8_t, 5> kNops = {0x90, 0x90, 0x90, 0x90, 0x90};

GameContext contextFor(const std::filesystem::path& exe, int version = 0)
{
    GameContext c;
    c.config = Configuration::forExecutable(exe);
    c.version = version;
    return c;
}

std::optional<RandomPowerSite> savedSite(const std::filesystem::path& exe, int version)
{
    const BlockIo io(contextFor(exe, version));
    const auto bytes = io.savedExecutableBytes(positionOf(Row::RandomEnginePower, version), power::kSiteSize);
    return bytes ? siteCall(*bytes) : std::nullopt;
}

TEST(BlockIo, SavedSiteComesFromThePristineCopy)
{
    TempDir dir;
    const auto exe = dir / "KVR.EXE";
    EXPECT_EQ(savedSite(exe, 0), std::nullopt) << "no copy yet";

    std::vector<std::uint8_t> pristine = patternBytes(kExeSize);
    put(pristine, kSiteAt, kCall);
    writeFile(originalCopyPath(exe), pristine);
    EXPECT_EQ(savedSite(exe, 6), std::optional<RandomPowerSite>(kCall));

    put(pristine, kSiteAt, kNops);
    writeFile(originalCopyPath(exe), pristine);
    EXPECT_EQ(savedSite(exe, 0), std::nullopt) << "a copy without the call is no help";

    writeFile(originalCopyPath(exe), patternBytes(kSiteAt + 3));
    EXPECT_EQ(savedSite(exe, 0), std::nullopt) << "a short copy";
}

TEST(BlockIo, SwitchOffAndOnAgainThroughTheFiles)
{
    TempDir dir;
    const auto exePath = dir / "KVR.EXE";
    std::vector<std::uint8_t> game = patternBytes(kExeSize);
    put(game, kSiteAt, kCall);
    writeFile(exePath, game);

    SettingsRecord record;
    {
        GameFile exe = GameFile::open(exePath);
        writeEnginePower(exe, record, 0); // flag off
        exe.commit();                     // keeps the pristine copy
    }
    record.setByte(rec::kRandomEnginePower, 1);
    {
        GameFile exe = GameFile::open(exePath);
        EXPECT_TRUE(writeEnginePower(exe, record, 0, savedSite(exePath, 0)));
        exe.commit();
    }
    const std::vector<std::uint8_t> now = readFile(exePath);
    EXPECT_EQ(std::vector<std::uint8_t>(now.begin() + kSiteAt, now.begin() + kSiteAt + 5),
              std::vector<std::uint8_t>(kCall.begin(), kCall.end()));
}

} // namespace
