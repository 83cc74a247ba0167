// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/pitcrew/pit_crew_colour_blocks.h"

#include "core/codecs.h"
#include "core/positions.h"
#include "core/settings_record.h"

namespace kvr {

void readPitCrewColours(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::PitCrewColours, version);
    enterBlock(exe, at, pitcrew::kBlockBytes);
    for (int team = 1; team <= rec::kTeams; ++team)
        for (int g = 0; g < pitcrew::kGroups; ++g)
            record.setByte(rec::pitCrewColour(team, g), PaletteByte::read(exe));
}

void writePitCrewColours(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::PitCrewColours, version);
    enterBlock(exe, at, pitcrew::kBlockBytes);
    for (int team = 1; team <= rec::kTeams; ++team)
        for (int g = 0; g < pitcrew::kGroups; ++g)
            PaletteByte::write(exe, record.byte(rec::pitCrewColour(team, g)));
}

} // namespace kvr
