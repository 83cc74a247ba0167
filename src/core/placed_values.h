// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/positions.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace kvr {

class GameFile;
class SettingsRecord;

// A value the game keeps on its own at a row of the position table: one byte or one
// little-endian word, kept as stored at `offset` of the settings record.
struct PlacedValue {
    Row row;
    std::size_t offset;
    std::uint32_t size; // 1: a byte, 2: a word
};

constexpr PlacedValue placedByte(Row row, std::size_t offset) { return {row, offset, 1}; }
constexpr PlacedValue placedWord(Row row, std::size_t offset) { return {row, offset, 2}; }

// Reads or writes the values at their places, in the order given. Every place is
// checked first, so a short or foreign file changes neither the file nor the record.
void readPlacedValues(GameFile& exe, SettingsRecord& record, int version, std::span<const PlacedValue> values);
void writePlacedValues(GameFile& exe, const SettingsRecord& record, int version,
                       std::span<const PlacedValue> values);

} // namespace kvr
