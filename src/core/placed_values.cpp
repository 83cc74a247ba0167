// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/placed_values.h"

#include "core/game_file.h"
#include "core/settings_record.h"

#include <vector>

namespace kvr {
namespace {

struct Place {
    PlacedValue value;
    std::uint32_t at;
};

std::vector<Place> checkedPlaces(const GameFile& exe, int version, std::span<const PlacedValue> values)
{
    std::vector<Place> places;
    for (const PlacedValue& v : values)
        places.push_back({v, positionOf(v.row, version)});
    for (const Place& p : places)
        exe.require(p.at, p.value.size);
    return places;
}

} // namespace

void readPlacedValues(GameFile& exe, SettingsRecord& record, int version, std::span<const PlacedValue> values)
{
    const std::vector<Place> places = checkedPlaces(exe, version, values);
    std::vector<std::uint16_t> stored;
    for (const Place& p : places) {
        exe.seek(p.at);
        stored.push_back(p.value.size == 1 ? exe.readByte() : exe.readWord());
    }
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i].value.size == 1)
            record.setByte(places[i].value.offset, std::uint8_t(stored[i]));
        else
            record.setWord(places[i].value.offset, stored[i]);
    }
}

void writePlacedValues(GameFile& exe, const SettingsRecord& record, int version,
                       std::span<const PlacedValue> values)
{
    for (const Place& p : checkedPlaces(exe, version, values)) {
        exe.seek(p.at);
        if (p.value.size == 1)
            exe.writeByte(record.byte(p.value.offset));
        else
            exe.writeWord(record.word(p.value.offset));
    }
}

} // namespace kvr
