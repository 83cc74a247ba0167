// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/tuning/tuning_blocks.h"

#include "core/errors.h"
#include "core/codecs.h"
#include "core/placed_values.h"
#include "core/positions.h"
#include "core/settings_record.h"

#include <string>

namespace kvr {
namespace {

constexpr std::uint32_t kLedColourBlock = tuning::kLeds * tuning::kLedColourRecord;
constexpr std::uint32_t kLedThresholdBlock = (tuning::kLeds - 1) * tuning::kLedThresholdRecord;

constexpr PlacedValue kFuelLoadPlaces[] = {placedByte(Row::PracticeFuel, rec::kPracticeFuel),
                                           placedByte(Row::QualifyingFuel, rec::kQualifyingFuel)};
constexpr PlacedValue kHumanWeightPlace[] = {placedWord(Row::HumanWeight, rec::kHumanWeight)};
constexpr PlacedValue kComputerWeightPlace[] = {placedWord(Row::ComputerWeight, rec::kComputerWeight)};

// A patch list names places in the executable; all must exist before one byte moves.
void requirePatchPlaces(const GameFile& exe, const std::vector<PatchRecord>& list)
{
    if (list.empty())
        throw GeneralError(KVR_TR_NOOP("Game files", "The patch list is empty."));
    for (const PatchRecord& r : list) {
        if (r.position < 0)
            throw FileAccessError(exe.errorText(),
                                  fillIn(KVR_TR_NOOP("Game files", "%1: patch position %2 lies before the start"),
                                         {exe.path().string(), std::to_string(r.position)}));
        exe.require(std::uint32_t(r.position), 1);
    }
}

} // namespace

void readLedColours(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::LedColours, version);
    enterBlock(exe, at, kLedColourBlock);
    for (int led = 0; led < tuning::kLeds; ++led) {
        record.setByte(rec::kLedColour[led], exe.readByte());
        if (led + 1 < tuning::kLeds)
            exe.skip(tuning::kLedColourGap);
    }
}

void writeLedColours(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::LedColours, version);
    enterBlock(exe, at, kLedColourBlock);
    for (int led = 0; led < tuning::kLeds; ++led) {
        exe.writeByte(record.byte(rec::kLedColour[led]));
        if (led + 1 < tuning::kLeds)
            exe.skip(tuning::kLedColourGap);
    }
}

void readLedThresholds(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::LedThresholds, version);
    enterBlock(exe, at, kLedThresholdBlock);
    for (int led = 1; led < tuning::kLeds; ++led) {
        record.setWord(rec::kLedThreshold[led], kPlainWord.read(exe));
        if (led + 1 < tuning::kLeds)
            exe.skip(tuning::kLedThresholdGap);
    }
}

void writeLedThresholds(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::LedThresholds, version);
    enterBlock(exe, at, kLedThresholdBlock);
    for (int led = 1; led < tuning::kLeds; ++led) {
        kPlainWord.write(exe, record.word(rec::kLedThreshold[led]));
        if (led + 1 < tuning::kLeds)
            exe.skip(tuning::kLedThresholdGap);
    }
}

void readFuelLoads(GameFile& exe, SettingsRecord& record, int version)
{
    readPlacedValues(exe, record, version, kFuelLoadPlaces);
}

void writeFuelLoads(GameFile& exe, const SettingsRecord& record, int version)
{
    writePlacedValues(exe, record, version, kFuelLoadPlaces);
}

void readHumanWeight(GameFile& exe, SettingsRecord& record, int version)
{
    readPlacedValues(exe, record, version, kHumanWeightPlace);
}

void writeHumanWeight(GameFile& exe, const SettingsRecord& record, int version)
{
    writePlacedValues(exe, record, version, kHumanWeightPlace);
}

void readComputerWeight(GameFile& exe, SettingsRecord& record, int version)
{
    readPlacedValues(exe, record, version, kComputerWeightPlace);
}

void writeComputerWeight(GameFile& exe, const SettingsRecord& record, int version)
{
    writePlacedValues(exe, record, version, kComputerWeightPlace);
}

void readOpponentFuelSwitch(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::OpponentFuelSwitch, version);
    enterBlock(exe, at, 1);
    record.setByte(rec::kOpponentFuelSwitch, flagByte(tuning::kOpponentFuel.read(exe)));
}

void writeOpponentFuelSwitch(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::OpponentFuelSwitch, version);
    enterBlock(exe, at, 1);
    tuning::kOpponentFuel.write(exe, record.byte(rec::kOpponentFuelSwitch) != 0);
}

void readTeamPerformanceSwitch(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t first = positionOf(Row::TeamPerformanceFirst, version);
    const std::uint32_t second = positionOf(Row::TeamPerformanceSecond, version);
    exe.require(first, 1);
    exe.require(second, 1);
    // Both places are read; the second one decides.
    bool on = false;
    for (std::uint32_t at : {first, second}) {
        exe.seek(at);
        on = tuning::kTeamPerformance.read(exe);
    }
    record.setByte(rec::kTeamPerformanceSwitch, flagByte(on));
}

void writeTeamPerformanceSwitch(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t first = positionOf(Row::TeamPerformanceFirst, version);
    const std::uint32_t second = positionOf(Row::TeamPerformanceSecond, version);
    exe.require(first, 1);
    exe.require(second, 1);
    const bool on = record.byte(rec::kTeamPerformanceSwitch) != 0;
    for (std::uint32_t at : {first, second}) {
        exe.seek(at);
        tuning::kTeamPerformance.write(exe, on);
    }
}

void readSplitSwitch(GameFile& exe, SettingsRecord& record, const std::vector<PatchRecord>& list)
{
    requirePatchPlaces(exe, list);
    bool on = record.byte(rec::kSplitSwitch) != 0;
    for (const PatchRecord& r : list) {
        exe.seek(std::uint32_t(r.position));
        const std::uint8_t b = exe.readByte();
        if (b == r.offValue)
            on = false;
        if (b == r.onValue)
            on = true;
    }
    record.setByte(rec::kSplitSwitch, flagByte(on));
}

void writeSplitSwitch(GameFile& exe, const SettingsRecord& record, const std::vector<PatchRecord>& list)
{
    requirePatchPlaces(exe, list);
    const bool on = record.byte(rec::kSplitSwitch) != 0;
    for (const PatchRecord& r : list) {
        exe.seek(std::uint32_t(r.position));
        exe.writeByte(on ? r.onValue : r.offValue);
    }
}

void readSplitSwitch(GameFile& exe, SettingsRecord& record, const std::filesystem::path& patchList)
{
    readSplitSwitch(exe, record, readPatchList(patchList));
}

void writeSplitSwitch(GameFile& exe, const SettingsRecord& record, const std::filesystem::path& patchList)
{
    writeSplitSwitch(exe, record, readPatchList(patchList));
}

} // namespace kvr
