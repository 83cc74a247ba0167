#include "editors/pitcrew/pit_crew_colour_blocks.h"

#include "core/game_file.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "editors/cockpit/cockpit_colour_blocks.h"

namespace kvr {

void readPitCrewColours(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::PitCrewColours, version);
    exe.require(at, pitcrew::kBlockBytes);
    exe.seek(at);
    for (int team = 1; team <= rec::kTeams; ++team)
        for (int g = 0; g < pitcrew::kGroups; ++g)
            record.setByte(rec::pitCrewColour(team, g), colourFromStored(exe.readByte()));
}

void writePitCrewColours(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::PitCrewColours, version);
    exe.require(at, pitcrew::kBlockBytes);
    exe.seek(at);
    for (int team = 1; team <= rec::kTeams; ++team)
        for (int g = 0; g < pitcrew::kGroups; ++g)
            exe.writeByte(colourToStored(record.byte(rec::pitCrewColour(team, g))));
}

} // namespace kvr
