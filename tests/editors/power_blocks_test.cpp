// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/power/power_blocks.h"

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

constexpr std::array<std::uint32_t, 7> kPowerAt = {0x1D77EC, 0x1D785C, 0x1D7820, 0x1D7840, 0x1D781C, 0x1D77EC, 0x1D781C};
constexpr std::uint32_t kHumanRaceAt = 0xA5A98;
constexpr std::uint32_t kHumanQualifyingAt = 0xA5A9F;
constexpr std::uint32_t kSiteAt = 0xA5B0D;

constexpr std::array<std::uint8_t, 5> kCall = {0xE8, 0x12, 0x34, 0x56, 0x78};
constexpr std::array<std::uint8_t, 5> kNops = {0x90, 0x90, 0x90, 0x90, 0x90};

struct PowerWordRow {
    const char* what;
    std::uint8_t low, high;
    std::uint16_t bhp;
};

// Stored words (bias 32817 = 0x8031) and the BHP they stand for.
const PowerWordRow kPowerRows[] = {
    {"the bias itself is 0 BHP", 0x31, 0x80, 0},
    {"700 BHP is 0x82ED", 0xED, 0x82, 700},
    {"1579 BHP is 0x865C", 0x5C, 0x86, 1579},
    {"0x0000 wraps to 32719", 0x00, 0x00, 32719},
    {"0x8030 wraps to 65535", 0x30, 0x80, 65535},
};

TEST(PowerBlocks, BiasConversion)
{
    for (const PowerWordRow& r : kPowerRows) {
        SCOPED_TRACE(r.what);
        const auto stored = std::uint16_t(r.low | r.high << 8);
        EXPECT_EQ(power::kTeamWord.decode(stored), r.bhp);
        EXPECT_EQ(power::kTeamWord.encode(r.bhp), stored);
    }
    for (int w = 0; w < 0x10000; ++w)
        ASSERT_EQ(power::kTeamWord.encode(power::kTeamWord.decode(std::uint16_t(w))), w);
}

TEST(PowerBlocks, TeamBlockRoundTripInEveryVersion)
{
    TempDir dir;
    for (int v = 0; v < kLanguageVersions; ++v) {
        SCOPED_TRACE("version " + std::to_string(v));
        const std::uint32_t at = kPowerAt[std::size_t(v)];
        std::vector<std::uint8_t> raw = patternBytes(kExeSize);
        put(raw, at, {0x31, 0x80});            // qualifying, slot 1: 0
        put(raw, at + 2, {0xED, 0x82});        // qualifying, slot 2: 700
        put(raw, at + 38, {0x5C, 0x86});       // qualifying, slot 20: 1579
        put(raw, at + 40, {0x00, 0x00});       // other sessions, slot 1: 32719
        put(raw, at + 40 + 28, {0xED, 0x82});  // other sessions, slot 15: 700
        put(raw, at + 78, {0x30, 0x80});       // other sessions, slot 20: 65535
        put(raw, kSiteAt, kCall);
        GameFile in = memoryFile(dir, raw);
        SettingsRecord record;
        readEnginePower(in, record, v);
        EXPECT_EQ(record.word(rec::enginePowerQualifying(1)), 0);
        EXPECT_EQ(record.word(rec::enginePowerQualifying(2)), 700);
        EXPECT_EQ(record.word(rec::enginePowerQualifying(20)), 1579);
        EXPECT_EQ(record.word(rec::enginePowerRace(1)), 32719);
        EXPECT_EQ(record.word(rec::enginePowerRace(15)), 700);
        EXPECT_EQ(record.word(rec::enginePowerRace(20)), 65535);
        EXPECT_EQ(record.byte(rec::kRandomEnginePower), 1);

        // The flag is on and the target holds the call: nothing at the site changes.
        std::vector<std::uint8_t> target = patternBytes(kExeSize);
        put(target, kSiteAt, kCall);
        GameFile out = memoryFile(dir, target);
        EXPECT_TRUE(writeEnginePower(out, record, v));
        EXPECT_EQ(difference(out.bytes(), raw), "");
    }
}

struct SiteReadRow {
    const char* what;
    std::array<std::uint8_t, 5> site;
    std::uint8_t flag;
};

TEST(PowerBlocks, RandomSiteReadsOnOnlyForTheCall)
{
    const SiteReadRow rows[] = {
        {"call", kCall, 1},
        {"no-operations", kNops, 0},
        {"anything else", {0xE9, 0x00, 0x00, 0x00, 0x00}, 0},
        {"only the first byte counts", {0xE8, 0x90, 0x90, 0x90, 0x90}, 1},
    };
    TempDir dir;
    for (const SiteReadRow& r : rows) {
        SCOPED_TRACE(r.what);
        std::vector<std::uint8_t> raw = patternBytes(kExeSize);
        put(raw, kSiteAt, r.site);
        GameFile file = memoryFile(dir, raw);
        SettingsRecord record;
        record.setByte(rec::kRandomEnginePower, 0x55);
        readEnginePower(file, record, 2);
        EXPECT_EQ(record.byte(rec::kRandomEnginePower), r.flag);
    }
}

struct SiteWriteRow {
    const char* what;
    std::array<std::uint8_t, 5> before;
    std::uint8_t flag;
    bool withSavedCall;
    std::array<std::uint8_t, 5> after;
    bool honoured;
};

TEST(PowerBlocks, RandomSiteWrites)
{
    const std::array<std::uint8_t, 5> unknown = {0x11, 0x22, 0x33, 0x44, 0x55};
    const SiteWriteRow rows[] = {
        {"off replaces the call by five no-operations", kCall, 0, false, kNops, true},
        {"off over anything writes the five no-operations", unknown, 0, true, kNops, true},
        {"on leaves the call alone", kCall, 1, true, kCall, true},
        {"on brings the saved call back over our no-operations", kNops, 1, true, kCall, true},
        {"on without a saved call cannot switch it back and says so", kNops, 1, false, kNops, false},
        {"on never writes over bytes it does not know", unknown, 1, true, unknown, false},
    };
    TempDir dir;
    for (const SiteWriteRow& r : rows) {
        SCOPED_TRACE(r.what);
        std::vector<std::uint8_t> raw = patternBytes(kExeSize);
        put(raw, kSiteAt, r.before);
        GameFile file = memoryFile(dir, raw);
        SettingsRecord record;
        record.setByte(rec::kRandomEnginePower, r.flag);
        const std::optional<RandomPowerSite> saved =
            r.withSavedCall ? std::optional<RandomPowerSite>(kCall) : std::nullopt;
        EXPECT_EQ(writeEnginePower(file, record, 4, saved), r.honoured);
        std::vector<std::uint8_t> want = raw;
        for (std::uint32_t i = 0; i < 80; i += 2)
            put(want, kPowerAt[4] + i, {0x31, 0x80});  // zero BHP everywhere
        put(want, kSiteAt, r.after);
        EXPECT_EQ(difference(file.bytes(), want), "");
    }
}

TEST(PowerBlocks, OffThenImportShowsOffEvenIfSwitchedOnMeanwhile)
{
    TempDir dir;
    std::vector<std::uint8_t> raw = patternBytes(kExeSize);
    put(raw, kSiteAt, kCall);
    GameFile file = memoryFile(dir, raw);
    SettingsRecord record;
    writeEnginePower(file, record, 0);
    record.setByte(rec::kRandomEnginePower, 1);
    EXPECT_FALSE(writeEnginePower(file, record, 0));
    readEnginePower(file, record, 0);
    EXPECT_EQ(record.byte(rec::kRandomEnginePower), 0);
}

TEST(PowerBlocks, OnlyFiveBytesThatAreTheCallAreASavedSite)
{
    EXPECT_EQ(siteCall(kCall), std::optional<RandomPowerSite>(kCall));
    EXPECT_EQ(siteCall(kNops), std::nullopt) << "a copy without the call is no help";
    EXPECT_EQ(siteCall(std::span(kCall).first(4)), std::nullopt) << "a short copy";
}

TEST(PowerBlocks, HumanWordsWithoutBiasInEveryVersion)
{
    TempDir dir;
    for (int v = 0; v < kLanguageVersions; ++v) {
        SCOPED_TRACE("version " + std::to_string(v));
        std::vector<std::uint8_t> raw = patternBytes(kExeSize);
        put(raw, kHumanRaceAt, {0xBC, 0x02});        // 700
        put(raw, kHumanQualifyingAt, {0x34, 0x12});  // 0x1234
        GameFile in = memoryFile(dir, raw);
        SettingsRecord record;
        readHumanPower(in, record, v);
        EXPECT_EQ(record.word(rec::kHumanPowerRace), 700);
        EXPECT_EQ(record.word(rec::kHumanPowerQualifying), 0x1234);

        // The five bytes between the two words stay the pattern.
        GameFile out = memoryFile(dir, patternBytes(kExeSize));
        writeHumanPower(out, record, v);
        EXPECT_EQ(difference(out.bytes(), raw), "");
    }
}

TEST(PowerBlocks, ShortFileThrowsAndChangesNothing)
{
    TempDir dir;
    SettingsRecord record;
    record.setWord(rec::enginePowerQualifying(1), 700);
    record.setWord(rec::kHumanPowerRace, 700);
    {
        // Ends one byte before the end of the team block (the site lies further up front).
        const std::vector<std::uint8_t> raw = patternBytes(kPowerAt[0] + 79);
        GameFile file = memoryFile(dir, raw);
        EXPECT_THROW(writeEnginePower(file, record, 0), FileAccessError);
        EXPECT_EQ(difference(file.bytes(), raw), "");
        SettingsRecord copy = record;
        EXPECT_THROW(readEnginePower(file, copy, 0), FileAccessError);
        EXPECT_TRUE(copy == record);
    }
    {
        // Ends one byte into the qualifying word: the other-sessions word would fit.
        const std::vector<std::uint8_t> raw = patternBytes(kHumanQualifyingAt + 1);
        GameFile file = memoryFile(dir, raw);
        EXPECT_THROW(writeHumanPower(file, record, 0), FileAccessError);
        EXPECT_EQ(difference(file.bytes(), raw), "");
        SettingsRecord copy = record;
        EXPECT_THROW(readHumanPower(file, copy, 0), FileAccessError);
        EXPECT_TRUE(copy == record);
    }
    {
        // Ends inside the random engine power site: the site has no room for five bytes.
        const std::vector<std::uint8_t> raw = patternBytes(kSiteAt + 3);
        GameFile file = memoryFile(dir, raw);
        EXPECT_THROW(readRandomPowerSite(file, 0), FileAccessError);
    }
}

} // namespace
