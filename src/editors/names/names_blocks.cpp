#include "editors/names/names_blocks.h"

#include "core/game_file.h"
#include "core/positions.h"
#include "core/settings_record.h"

#include <algorithm>
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

std::string readField(GameFile& file, std::size_t width)
{
    std::vector<std::uint8_t> field(width);
    for (std::uint8_t& b : field)
        b = file.readByte();
    return decodeNameField(field);
}

void writeField(GameFile& file, std::string_view name, std::size_t width)
{
    for (std::uint8_t b : encodeNameField(name, width))
        file.writeByte(b);
}

void readNames(GameFile& file, SettingsRecord& record, const NamePlaces& at)
{
    requireBlock(file, at);

    file.seek(at.carNumbers);
    for (int slot = 1; slot <= rec::kDrivers; ++slot) {
        const CarNumberByte c = decodeCarNumber(file.readByte());
        record.setByte(rec::carNumber(slot), c.number);
        record.setByte(rec::carSelected(slot), c.selected ? 1 : 0);
    }

    file.seek(at.teamNames);
    for (int team = 1; team <= rec::kTeams; ++team) {
        record.setShortString(rec::teamName(team), rec::kTeamNameChars, readField(file, names::kTeamNameWidth));
        // A team whose first driver has no number is switched off.
        record.setByte(rec::teamEnabled(team), record.byte(rec::carNumber(2 * team - 1)) != 0 ? 1 : 0);
    }

    file.seek(at.engineNames);
    for (int team = 1; team <= rec::kTeams; ++team)
        record.setShortString(rec::engineName(team), rec::kTeamNameChars, readField(file, names::kTeamNameWidth));

    file.seek(at.driverNames);
    for (int car = 1; car <= rec::kDrivers; ++car)
        record.setShortString(rec::driverName(car), rec::kDriverNameChars, readField(file, names::kDriverNameWidth));

    if (at.numberZero) {
        file.seek(*at.numberZero);
        record.setByte(rec::kNumberZero, file.readByte() == names::kNumberZeroOn ? 1 : 0);
    }
}

void writeNames(GameFile& file, const SettingsRecord& record, const NamePlaces& at)
{
    requireBlock(file, at);

    file.seek(at.carNumbers);
    for (int slot = 1; slot <= rec::kDrivers; ++slot)
        file.writeByte(encodeCarNumber(record.byte(rec::carNumber(slot)), record.byte(rec::carSelected(slot)) != 0));

    file.seek(at.teamNames);
    for (int team = 1; team <= rec::kTeams; ++team)
        writeField(file, record.shortString(rec::teamName(team), rec::kTeamNameChars), names::kTeamNameWidth);

    file.seek(at.engineNames);
    for (int team = 1; team <= rec::kTeams; ++team)
        writeField(file, record.shortString(rec::engineName(team), rec::kTeamNameChars), names::kTeamNameWidth);

    file.seek(at.driverNames);
    for (int car = 1; car <= rec::kDrivers; ++car)
        writeField(file, record.shortString(rec::driverName(car), rec::kDriverNameChars), names::kDriverNameWidth);

    if (at.numberZero) {
        file.seek(*at.numberZero);
        file.writeByte(record.byte(rec::kNumberZero) != 0 ? names::kNumberZeroOn : names::kNumberZeroOff);
    }
}

} // namespace

CarNumberByte decodeCarNumber(std::uint8_t stored)
{
    if (stored > names::kSelectedBit)
        return {std::uint8_t(stored - names::kSelectedBit), true};
    return {stored, false};
}

std::uint8_t encodeCarNumber(std::uint8_t number, bool selected)
{
    if (selected && number != 0 && number != names::kSelectedBit)
        return std::uint8_t(number + names::kSelectedBit);
    return number;
}

std::string decodeNameField(std::span<const std::uint8_t> field)
{
    std::string name;
    for (std::uint8_t b : field)
        if (b != 0)
            name.push_back(char(b));
    return name;
}

std::vector<std::uint8_t> encodeNameField(std::string_view name, std::size_t width)
{
    std::vector<std::uint8_t> field(width, 0);
    std::copy_n(name.begin(), std::min(name.size(), width), field.begin());
    return field;
}

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
