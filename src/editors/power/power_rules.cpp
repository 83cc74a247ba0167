// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/power/power_rules.h"

#include "core/number_text.h"
#include "core/settings_record.h"
#include "editors/step_rules.h"

#include <vector>

namespace kvr {
namespace {

// The places of teams 1..14 in the chosen table.
std::vector<std::size_t> shownTeamOffsets(PowerKind kind)
{
    std::vector<std::size_t> offsets;
    for (int team = 1; team <= power::kShownTeams; ++team)
        offsets.push_back(teamPowerOffset(kind, team));
    return offsets;
}

} // namespace

std::size_t teamPowerOffset(PowerKind kind, int teamSlot)
{
    return kind == PowerKind::Qualifying ? rec::enginePowerQualifying(teamSlot) : rec::enginePowerRace(teamSlot);
}

std::size_t humanPowerOffset(PowerKind kind)
{
    return kind == PowerKind::Qualifying ? rec::kHumanPowerQualifying : rec::kHumanPowerRace;
}

void copyPowerQualifyingToOther(SettingsRecord& record)
{
    for (int team = 1; team <= power::kShownTeams; ++team)
        record.setWord(rec::enginePowerRace(team), record.word(rec::enginePowerQualifying(team)));
}

void copyPowerOtherToQualifying(SettingsRecord& record)
{
    for (int team = 1; team <= power::kShownTeams; ++team)
        record.setWord(rec::enginePowerQualifying(team), record.word(rec::enginePowerRace(team)));
}

void editTypedTeamPower(SettingsRecord& record, PowerKind kind, int team, std::string_view text)
{
    const std::int64_t typed = typedWholeNumber(text);
    const std::size_t at = teamPowerOffset(kind, team);
    if (typed != record.word(at))
        record.setWord(at, std::uint16_t(clampedToRange(typed, {0, power::kMaxBhp})));
}

void editTypedHumanPower(SettingsRecord& record, PowerKind kind, std::string_view text)
{
    record.setWord(humanPowerOffset(kind), std::uint16_t(typedInRange(text, kWordRange)));
}

void shiftShownTeams(SettingsRecord& record, PowerKind kind, std::string_view stepText, bool up)
{
    shiftWords(record, shownTeamOffsets(kind), typedWholeNumber(stepText), up, power::kMaxBhp);
}

} // namespace kvr
