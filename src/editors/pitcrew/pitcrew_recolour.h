// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tr_marker.h"
#include "editors/cockpit/colour_picture.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kvr {

class SettingsRecord;

// Group d of the pit crew covers the 16 indices from 10 + 16 d of the unrecoloured
// picture; the form edits groups 2..15. Group 15, the team logo, starts at 250, so
// only six of its indices exist.
inline constexpr int kCrewGroupsPerTeam = 16;
inline constexpr int kFirstCrewGroup = 2;
inline constexpr int kLastCrewGroup = 15;
inline constexpr int kCrewRunLength = 16;
inline constexpr int kCrewRunOrigin = 10;
inline constexpr int kCrewTeams = 14;

constexpr int crewRunFirst(int group)
{
    return kCrewRunOrigin + kCrewRunLength * group;
}

// Radio button captions of groups 2..15.
inline constexpr std::array<kvr::Marked, kLastCrewGroup - kFirstCrewGroup + 1> kCrewGroupCaptions = {
    KVR_TR_NOOP("Pictures", "Feet"),
    KVR_TR_NOOP("Pictures", "Legs/ Pit Monitor"),
    KVR_TR_NOOP("Pictures", "Waist"),
    KVR_TR_NOOP("Pictures", "Thin stripe"),
    KVR_TR_NOOP("Pictures", "Left chest/Sign"),
    KVR_TR_NOOP("Pictures", "Right chest"),
    KVR_TR_NOOP("Pictures", "Epaulettes/Jack"),
    KVR_TR_NOOP("Pictures", "Left upper arm"),
    KVR_TR_NOOP("Pictures", "Left forearm"),
    KVR_TR_NOOP("Pictures", "Right upper arm"),
    KVR_TR_NOOP("Pictures", "Right forearm"),
    KVR_TR_NOOP("Pictures", "Hands"),
    KVR_TR_NOOP("Pictures", "Head"),
    KVR_TR_NOOP("Pictures", "Team logo"),
};
Marked crewGroupCaption(int group);

using CrewBases = std::array<std::uint8_t, kCrewGroupsPerTeam>;

// The 16 bytes of team `team` (1..14); bytes 0 and 1 are carried but not drawn.
CrewBases crewBases(const SettingsRecord& record, int team);
RecolourTable crewRecolourTable(const CrewBases& bases);

// The group (2..15) whose run holds a saved-picture index.
std::optional<int> crewGroupAt(std::uint8_t savedIndex);

// ShowElement's label text for a group (or none).
Message crewDetail(std::optional<int> group);

// The pit crew colour editor's elements: element e is group e + 2.
const ColourScheme& crewScheme();

} // namespace kvr
