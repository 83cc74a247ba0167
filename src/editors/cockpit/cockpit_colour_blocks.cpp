// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/cockpit/cockpit_colour_blocks.h"

#include "core/codecs.h"
#include "core/positions.h"
#include "core/settings_record.h"

namespace kvr {
namespace {

void readBlock(GameFile& file, std::uint32_t at, SettingsRecord& record)
{
    enterBlock(file, at, cockpit::kBlockBytes);
    for (int slot = 1; slot <= rec::kTeamSlots; ++slot)
        for (int e = 0; e < cockpit::kElements; ++e)
            record.setByte(rec::cockpitColour(slot, e), PaletteByte::read(file));
}

void writeBlock(GameFile& file, std::uint32_t at, const SettingsRecord& record)
{
    enterBlock(file, at, cockpit::kBlockBytes);
    for (int slot = 1; slot <= rec::kTeamSlots; ++slot)
        for (int e = 0; e < cockpit::kElements; ++e)
            PaletteByte::write(file, record.byte(rec::cockpitColour(slot, e)));
}

} // namespace

void readCockpitColoursFromExe(GameFile& exe, SettingsRecord& record, int version)
{
    readBlock(exe, positionOf(Row::CockpitColours, version), record);
}

void writeCockpitColoursToExe(GameFile& exe, const SettingsRecord& record, int version)
{
    writeBlock(exe, positionOf(Row::CockpitColours, version), record);
}

void readCockpitColoursFromSave(GameFile& state, SettingsRecord& record)
{
    readBlock(state, statepos::kCockpitColours, record);
}

void writeCockpitColoursToSave(GameFile& state, const SettingsRecord& record)
{
    writeBlock(state, statepos::kCockpitColours, record);
}

} // namespace kvr
