#include "editors/power/power_rules.h"

#include "core/errors.h"
#include "core/number_text.h"
#include "core/settings_record.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace kvr {
namespace {

constexpr long long kStepLimit = 0x10000;

long long limitStep(long long step) { return std::clamp(step, -kStepLimit, kStepLimit); }

long long wholeNumber(std::string_view text)
{
    const std::optional<std::int64_t> value = parseWholeNumber(text);
    if (!value)
        throw GeneralError(notANumberMessage(text));
    return *value;
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

std::uint16_t bhpFromTyped(long long typed)
{
    return std::uint16_t(std::clamp<long long>(typed, 0, power::kMaxBhp));
}

void clampShownTeams(SettingsRecord& record)
{
    for (PowerKind kind : {PowerKind::Qualifying, PowerKind::OtherSessions})
        for (int team = 1; team <= power::kShownTeams; ++team) {
            const std::size_t at = teamPowerOffset(kind, team);
            if (record.word(at) > power::kMaxBhp)
                record.setWord(at, power::kMaxBhp);
        }
}

std::uint16_t bhpRaised(std::uint16_t value, long long step)
{
    step = limitStep(step);
    if (step < 0)
        return bhpLowered(value, -step);
    return std::uint16_t(std::min<long long>(value + step, power::kMaxBhp));
}

std::uint16_t bhpLowered(std::uint16_t value, long long step)
{
    step = limitStep(step);
    if (step < 0)
        return bhpRaised(value, -step);
    return value < step ? 0 : std::uint16_t(value - step);
}

void raiseShownTeams(SettingsRecord& record, PowerKind kind, long long step)
{
    for (int team = 1; team <= power::kShownTeams; ++team) {
        const std::size_t at = teamPowerOffset(kind, team);
        record.setWord(at, bhpRaised(record.word(at), step));
    }
}

void lowerShownTeams(SettingsRecord& record, PowerKind kind, long long step)
{
    for (int team = 1; team <= power::kShownTeams; ++team) {
        const std::size_t at = teamPowerOffset(kind, team);
        record.setWord(at, bhpLowered(record.word(at), step));
    }
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

std::uint16_t humanPowerFromTyped(long long typed)
{
    return std::uint16_t(std::clamp<long long>(typed, 0, std::numeric_limits<std::uint16_t>::max()));
}

std::vector<std::string> storeTypedTeamPower(SettingsRecord& record, PowerKind kind,
                                             std::span<const std::string> texts)
{
    std::vector<std::string> refused;
    for (std::size_t i = 0; i < texts.size() && i < std::size_t(power::kShownTeams); ++i) {
        const std::optional<std::int64_t> value = parseWholeNumber(texts[i]);
        if (value)
            record.setWord(teamPowerOffset(kind, int(i) + 1), bhpFromTyped(*value));
        else
            refused.push_back(texts[i]);
    }
    clampShownTeams(record);
    return refused;
}

void editTypedHumanPower(SettingsRecord& record, PowerKind kind, std::string_view text)
{
    record.setWord(humanPowerOffset(kind), humanPowerFromTyped(wholeNumber(text)));
}

void shiftShownTeams(SettingsRecord& record, PowerKind kind, std::string_view stepText, bool up)
{
    const long long step = wholeNumber(stepText);
    if (up)
        raiseShownTeams(record, kind, step);
    else
        lowerShownTeams(record, kind, step);
}

} // namespace kvr
