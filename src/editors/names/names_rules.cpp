// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/names/names_rules.h"

#include "core/settings_record.h"

namespace kvr {

std::string teamLine(const SettingsRecord& record, int team)
{
    std::string line = record.shortString(rec::teamName(team), rec::kTeamNameChars) + "-" +
                       record.shortString(rec::engineName(team), rec::kTeamNameChars);
    if (line.size() > names::kTeamLineChars)
        line.resize(names::kTeamLineChars);
    return line;
}

std::vector<int> enabledTeams(const SettingsRecord& record)
{
    std::vector<int> teams;
    for (int team = 1; team <= rec::kTeams; ++team)
        if (record.byte(rec::teamEnabled(team)) != 0)
            teams.push_back(team);
    return teams;
}

void setTeamName(SettingsRecord& record, int team, std::string_view text)
{
    record.setShortString(rec::teamName(team), rec::kTeamNameChars, text);
}

void setEngineName(SettingsRecord& record, int team, std::string_view text)
{
    record.setShortString(rec::engineName(team), rec::kTeamNameChars, text);
}

std::optional<std::string> driverNameOfSlot(const SettingsRecord& record, int slot)
{
    const int car = record.byte(rec::carNumber(slot));
    if (!hasCarEntry(car))
        return std::nullopt;
    return record.shortString(rec::driverName(car), rec::kDriverNameChars);
}

bool renameDriverOfSlot(SettingsRecord& record, int slot, std::string_view text)
{
    // A number outside the table would land on another driver's name or a team name.
    const int car = record.byte(rec::carNumber(slot));
    if (!hasCarEntry(car))
        return false;
    record.setShortString(rec::driverName(car), rec::kDriverNameChars, text);
    return true;
}

bool setCarNumberOfSlot(SettingsRecord& record, int slot, int carNumber)
{
    if (!hasCarEntry(carNumber))
        return false;
    record.setByte(rec::carNumber(slot), std::uint8_t(carNumber));
    return true;
}

std::optional<int> carNumberItem(int carNumber)
{
    if (!hasCarEntry(carNumber))
        return std::nullopt;
    return carNumber - names::kFirstCarNumber;
}

} // namespace kvr
