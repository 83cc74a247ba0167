// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/names/names_blocks.h"

#include "core/positions.h"
#include "core/settings_record.h"

#include <optional>

namespace kvr {
namespace {

struct NamePlaces {
    std::uint32_t carNumbers;
    std::uint32_t teamNames;
    std::uint32_t engineNames;
    std::uint32_t driverNames;
    std::optional<std::uint32_t> numberZero;
};

NamePlaces exePlaces(int version)
{
    return {positionOf(Row::CarNumbers, version), positionOf(Row::TeamNames, version),
            positionOf(Row::EngineNames, version), positionOf(Row::DriverNames, version),
            positionOf(Row::NumberZero, version)};
}

NamePlaces savePlaces()
{
    return {statepos::kCarNumbers, statepos::kTeamNames, statepos::kEngineNames, statepos::kDriverNames,
            std::nullopt};
}

constexpr std::uint32_t kTeamBlockSize = std::uint32_t(rec::kTeams * names::kTeamNameWidth);
constexpr std::uint32_t kDriverBlockSize = std::uint32_t(rec::kDrivers * names::kDriverNameWidth);

// Every byte the block touches must lie inside the file before the first one moves, so
// a short or foreign file changes neither the file nor the record.
void requireBlock(const GameFile& file, const NamePlaces& at)
{
    file.require(at.carNumbers, rec::kDrivers);
    file.require(at.teamNames, kTeamBlockSize);
    file.require(at.engineNames, kTeamBlockSize);
    file.require(at.driverNames, kDriverBlockSize);
    if (at.numberZero)
        file.require(*at.numberZero, 1);
}

void readNames(GameFile& file, SettingsRecord& record, const NamePlaces& at)
{
    requireBlock(file, at);

    file.seek(at.carNumbers);
    for (int slot = 1; slot <= rec::kDrivers; ++slot) {
        const CarNumberByte c = CarNumberCodec::read(file);
        record.setByte(rec::carNumber(slot), c.number);
        record.setByte(rec::carSelected(slot), flagByte(c.selected));
    }

    file.seek(at.teamNames);
    for (int team = 1; team <= rec::kTeams; ++team) {
        record.setShortString(rec::teamName(team), rec::kTeamNameChars, names::kTeamNameField.read(file));
        // A team whose first driver has no number is switched off.
        record.setByte(rec::teamEnabled(team), flagByte(record.byte(rec::carNumber(2 * team - 1)) != 0));
    }

    file.seek(at.engineNames);
    for (int team = 1; team <= rec::kTeams; ++team)
        record.setShortString(rec::engineName(team), rec::kTeamNameChars, names::kTeamNameField.read(file));

    file.seek(at.driverNames);
    for (int car = 1; car <= rec::kDrivers; ++car)
        record.setShortString(rec::driverName(car), rec::kDriverNameChars, names::kDriverNameField.read(file));

    if (at.numberZero) {
        file.seek(*at.numberZero);
        record.setByte(rec::kNumberZero, flagByte(names::kNumberZero.read(file)));
    }
}

void writeNames(GameFile& file, const SettingsRecord& record, const NamePlaces& at)
{
    requireBlock(file, at);

    file.seek(at.carNumbers);
    for (int slot = 1; slot <= rec::kDrivers; ++slot)
        CarNumberCodec::write(file, {record.byte(rec::carNumber(slot)), record.byte(rec::carSelected(slot)) != 0});

    file.seek(at.teamNames);
    for (int team = 1; team <= rec::kTeams; ++team)
        names::kTeamNameField.write(file, record.shortString(rec::teamName(team), rec::kTeamNameChars));

    file.seek(at.engineNames);
    for (int team = 1; team <= rec::kTeams; ++team)
        names::kTeamNameField.write(file, record.shortString(rec::engineName(team), rec::kTeamNameChars));

    file.seek(at.driverNames);
    for (int car = 1; car <= rec::kDrivers; ++car)
        names::kDriverNameField.write(file, record.shortString(rec::driverName(car), rec::kDriverNameChars));

    if (at.numberZero) {
        file.seek(*at.numberZero);
        names::kNumberZero.write(file, record.byte(rec::kNumberZero) != 0);
    }
}

} // namespace

void readNamesFromExe(GameFile& exe, SettingsRecord& record, int version)
{
    readNames(exe, record, exePlaces(version));
}

void writeNamesToExe(GameFile& exe, const SettingsRecord& record, int version)
{
    writeNames(exe, record, exePlaces(version));
}

void readNamesFromSave(GameFile& save, SettingsRecord& record)
{
    readNames(save, record, savePlaces());
}

void writeNamesToSave(GameFile& save, const SettingsRecord& record)
{
    writeNames(save, record, savePlaces());
}

} // namespace kvr
