// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/power/power_blocks.h"

#include "core/placed_values.h"
#include "core/positions.h"
#include "core/settings_record.h"

#include <algorithm>

namespace kvr {
namespace {

// The other-sessions word, then the qualifying word, each at a place of its own.
constexpr PlacedValue kHumanPowerPlaces[] = {placedWord(Row::HumanPowerRace, rec::kHumanPowerRace),
                                             placedWord(Row::HumanPowerQualifying, rec::kHumanPowerQualifying)};

constexpr RandomPowerSite kSwitchedOff = {power::kNoOperation, power::kNoOperation, power::kNoOperation,
                                          power::kNoOperation, power::kNoOperation};

bool holdsCall(const RandomPowerSite& site) { return site[0] == power::kCallOpcode; }

RandomPowerSite readSite(GameFile& exe, std::uint32_t at)
{
    RandomPowerSite site{};
    exe.seek(at);
    for (std::uint8_t& b : site)
        b = exe.readByte();
    return site;
}

void writeSite(GameFile& exe, std::uint32_t at, const RandomPowerSite& site)
{
    exe.seek(at);
    for (std::uint8_t b : site)
        exe.writeByte(b);
}

} // namespace

void readEnginePower(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t block = positionOf(Row::EnginePower, version);
    const std::uint32_t site = positionOf(Row::RandomEnginePower, version);
    exe.require(block, power::kBlockSize);
    exe.require(site, 1);

    exe.seek(block);
    for (int slot = 1; slot <= power::kTeamSlots; ++slot)
        record.setWord(rec::enginePowerQualifying(slot), power::kTeamWord.read(exe));
    for (int slot = 1; slot <= power::kTeamSlots; ++slot)
        record.setWord(rec::enginePowerRace(slot), power::kTeamWord.read(exe));

    exe.seek(site);
    record.setByte(rec::kRandomEnginePower, flagByte(exe.readByte() == power::kCallOpcode));
}

bool writeEnginePower(GameFile& exe, const SettingsRecord& record, int version,
                      const std::optional<RandomPowerSite>& savedSite)
{
    const std::uint32_t block = positionOf(Row::EnginePower, version);
    const std::uint32_t site = positionOf(Row::RandomEnginePower, version);
    exe.require(block, power::kBlockSize);
    exe.require(site, power::kSiteSize);

    exe.seek(block);
    for (int slot = 1; slot <= power::kTeamSlots; ++slot)
        power::kTeamWord.write(exe, record.word(rec::enginePowerQualifying(slot)));
    for (int slot = 1; slot <= power::kTeamSlots; ++slot)
        power::kTeamWord.write(exe, record.word(rec::enginePowerRace(slot)));

    if (record.byte(rec::kRandomEnginePower) == 0) {
        writeSite(exe, site, kSwitchedOff);
        return true;
    }
    const RandomPowerSite current = readSite(exe, site);
    if (holdsCall(current))
        return true;
    // Only our own no-operations are replaced; unknown bytes stay as they are.
    if (current == kSwitchedOff && savedSite && holdsCall(*savedSite)) {
        writeSite(exe, site, *savedSite);
        return true;
    }
    return false;
}

std::optional<RandomPowerSite> readRandomPowerSite(GameFile& exe, int version)
{
    const std::uint32_t site = positionOf(Row::RandomEnginePower, version);
    exe.require(site, power::kSiteSize);
    const RandomPowerSite bytes = readSite(exe, site);
    if (!holdsCall(bytes))
        return std::nullopt;
    return bytes;
}

std::optional<RandomPowerSite> siteCall(std::span<const std::uint8_t> siteBytes)
{
    RandomPowerSite site{};
    if (siteBytes.size() != site.size())
        return std::nullopt;
    std::copy_n(siteBytes.begin(), site.size(), site.begin());
    if (!holdsCall(site))
        return std::nullopt;
    return site;
}

void readHumanPower(GameFile& exe, SettingsRecord& record, int version)
{
    readPlacedValues(exe, record, version, kHumanPowerPlaces);
}

void writeHumanPower(GameFile& exe, const SettingsRecord& record, int version)
{
    writePlacedValues(exe, record, version, kHumanPowerPlaces);
}

} // namespace kvr
