// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/pitcrew/pitcrew_recolour.h"

#include "core/settings_record.h"
#include "graphics/colour_table.h"

namespace kvr {
namespace {

class CrewScheme final : public ColourScheme {
  public:
    int elementCount() const override { return kLastCrewGroup - kFirstCrewGroup + 1; }
    Marked caption(int element) const override { return crewGroupCaption(group(element)); }
    int runLength(int) const override { return kCrewRunLength; }
    std::optional<int> elementAt(std::uint8_t savedIndex) const override
    {
        const std::optional<int> g = crewGroupAt(savedIndex);
        return g ? std::optional<int>(*g - kFirstCrewGroup) : std::nullopt;
    }
    int base(const SettingsRecord& record, int team, int element) const override
    {
        return record.byte(rec::pitCrewColour(team, group(element)));
    }
    void setBase(SettingsRecord& record, int team, int element, int base) const override
    {
        record.setByte(rec::pitCrewColour(team, group(element)), std::uint8_t(base));
    }
    RecolourTable recolourTable(const SettingsRecord& record, int team) const override
    {
        return crewRecolourTable(crewBases(record, team));
    }

  private:
    static int group(int element) { return element + kFirstCrewGroup; }
};

} // namespace

Marked crewGroupCaption(int group)
{
    return kCrewGroupCaptions[std::size_t(group - kFirstCrewGroup)];
}

CrewBases crewBases(const SettingsRecord& record, int team)
{
    CrewBases b{};
    for (int d = 0; d < kCrewGroupsPerTeam; ++d)
        b[std::size_t(d)] = record.byte(rec::pitCrewColour(team, d));
    return b;
}

RecolourTable crewRecolourTable(const CrewBases& bases)
{
    RecolourTable t = identityRecolourTable();
    for (int d = kFirstCrewGroup; d <= kLastCrewGroup; ++d) {
        const int first = crewRunFirst(d);
        for (int p = first; p < first + kCrewRunLength && p < kColourCount; ++p)
            t[std::size_t(p)] = std::uint8_t(p - first + bases[std::size_t(d)]);
    }
    return t;
}

std::optional<int> crewGroupAt(std::uint8_t savedIndex)
{
    if (savedIndex < crewRunFirst(kFirstCrewGroup))
        return std::nullopt;
    return (savedIndex - kCrewRunOrigin) / kCrewRunLength;
}

Message crewDetail(std::optional<int> group)
{
    if (!group)
        return kDetailNothing;
    return fillIn(kDetailOf, {crewGroupCaption(*group)});
}

const ColourScheme& crewScheme()
{
    static const CrewScheme scheme;
    return scheme;
}

} // namespace kvr
