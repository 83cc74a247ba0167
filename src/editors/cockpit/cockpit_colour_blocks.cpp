#include "editors/cockpit/cockpit_colour_blocks.h"

#include "core/game_file.h"
#include "core/positions.h"
#include "core/settings_record.h"

namespace kvr {
namespace {

void readBlock(GameFile& file, std::uint32_t at, SettingsRecord& record)
{
    file.require(at, cockpit::kBlockBytes);
    file.seek(at);
    for (int slot = 1; slot <= rec::kTeamSlots; ++slot)
        for (int e = 0; e < cockpit::kElements; ++e)
            record.setByte(rec::cockpitColour(slot, e), colourFromStored(file.readByte()));
}

void writeBlock(GameFile& file, std::uint32_t at, const SettingsRecord& record)
{
    file.require(at, cockpit::kBlockBytes);
    file.seek(at);
    for (int slot = 1; slot <= rec::kTeamSlots; ++slot)
        for (int e = 0; e < cockpit::kElements; ++e)
            file.writeByte(colourToStored(record.byte(rec::cockpitColour(slot, e))));
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
