// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/grip/grip_rules.h"

#include "core/number_text.h"
#include "core/settings_record.h"
#include "editors/names/names_rules.h"
#include "editors/step_rules.h"

#include <algorithm>

namespace kvr {
namespace {

// The highest value the editor accepts for a table.
std::uint16_t gripMaximum(GripTable table)
{
    return table == GripTable::Range ? grip::kMaxRange : grip::kMaxGrip;
}

// The cars of the roster with an entry in the per-car tables, each once, in slot order.
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

// The places of the chosen table of every roster car.
std::vector<std::size_t> rosterOffsets(const SettingsRecord& record, GripTable table)
{
    std::vector<std::size_t> offsets;
    for (int car : rosterCars(record))
        offsets.push_back(gripOffset(table, car));
    return offsets;
}

} // namespace

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

bool editTypedGrip(SettingsRecord& record, GripTable table, int carNumber, std::string_view text)
{
    const std::int64_t typed = typedWholeNumber(text);
    if (!hasCarEntry(carNumber))
        return false;
    record.setWord(gripOffset(table, carNumber), std::uint16_t(clampedToRange(typed, {0, gripMaximum(table)})));
    return true;
}

void shiftAllGrip(SettingsRecord& record, GripTable table, std::string_view stepText, bool up)
{
    shiftWords(record, rosterOffsets(record, table), typedWholeNumber(stepText), up, gripMaximum(table));
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
