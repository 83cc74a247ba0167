#include "editors/grip/grip_rules.h"

#include "core/errors.h"
#include "core/number_text.h"
#include "core/settings_record.h"
#include "editors/names/names_rules.h"

#include <algorithm>
#include <optional>

namespace kvr {
namespace {

// Any step this large already reaches a stop from every 16-bit value.
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

std::uint16_t gripMaximum(GripTable table)
{
    return table == GripTable::Range ? grip::kMaxRange : grip::kMaxGrip;
}

std::size_t gripOffset(GripTable table, int carNumber)
{
    switch (table) {
    case GripTable::Qualifying:
        return rec::gripQualifying(carNumber);
    case GripTable::OtherSessions:
        return rec::gripRace(carNumber);
    case GripTable::Range:
        break;
    }
    return rec::gripRange(carNumber);
}

bool storeTypedGrip(SettingsRecord& record, GripTable table, int carNumber, long long typed)
{
    if (!hasCarEntry(carNumber) || typed < 0 || typed > gripMaximum(table))
        return false;
    record.setWord(gripOffset(table, carNumber), std::uint16_t(typed));
    return true;
}

bool editTypedGrip(SettingsRecord& record, GripTable table, int carNumber, std::string_view text)
{
    return storeTypedGrip(record, table, carNumber, wholeNumber(text));
}

std::uint16_t gripRaised(std::uint16_t value, long long step, GripTable table)
{
    step = limitStep(step);
    if (step < 0)
        return gripLowered(value, -step, table);
    const long long raised = value + step;
    return raised >= gripMaximum(table) ? gripMaximum(table) : std::uint16_t(raised);
}

std::uint16_t gripLowered(std::uint16_t value, long long step, GripTable table)
{
    step = limitStep(step);
    if (step < 0)
        return gripRaised(value, -step, table);
    const long long lowered = value - step;
    return lowered < 1 ? 0 : std::uint16_t(lowered);
}

std::vector<int> rosterCars(const SettingsRecord& record)
{
    std::vector<int> cars;
    for (int slot = 1; slot <= rec::kDrivers; ++slot) {
        const int car = record.byte(rec::carNumber(slot));
        if (hasCarEntry(car) && std::find(cars.begin(), cars.end(), car) == cars.end())
            cars.push_back(car);
    }
    return cars;
}

void raiseAllGrip(SettingsRecord& record, GripTable table, long long step)
{
    for (int car : rosterCars(record)) {
        const std::size_t at = gripOffset(table, car);
        record.setWord(at, gripRaised(record.word(at), step, table));
    }
}

void lowerAllGrip(SettingsRecord& record, GripTable table, long long step)
{
    for (int car : rosterCars(record)) {
        const std::size_t at = gripOffset(table, car);
        record.setWord(at, gripLowered(record.word(at), step, table));
    }
}

void shiftAllGrip(SettingsRecord& record, GripTable table, std::string_view stepText, bool up)
{
    const long long step = wholeNumber(stepText);
    if (up)
        raiseAllGrip(record, table, step);
    else
        lowerAllGrip(record, table, step);
}

void copyGripOtherToQualifying(SettingsRecord& record)
{
    for (int car : rosterCars(record))
        record.setWord(rec::gripQualifying(car), record.word(rec::gripRace(car)));
}

void copyGripQualifyingToOther(SettingsRecord& record)
{
    for (int car : rosterCars(record))
        record.setWord(rec::gripRace(car), record.word(rec::gripQualifying(car)));
}

GripLines gripLines(const SettingsRecord& record)
{
    GripLines lines;
    for (int slot = 1; slot <= rec::kDrivers; ++slot) {
        const int car = record.byte(rec::carNumber(slot));
        if (!hasCarEntry(car))
            continue;
        (slot % 2 == 1 ? lines.firstDrivers : lines.secondDrivers).push_back(car);
    }
    return lines;
}

} // namespace kvr
