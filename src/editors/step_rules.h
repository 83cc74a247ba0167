#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kvr {

class SettingsRecord;

// The "+" and "-" of the editors that shift values by a typed step: "+" stops at
// `maximum`, "-" stops at 0. A negative step moves the other way with that direction's
// stop.
std::uint16_t steppedUp(std::uint16_t value, long long step, std::uint16_t maximum);
std::uint16_t steppedDown(std::uint16_t value, long long step, std::uint16_t maximum);

// "+" (up) or "-" on each word at `offsets`, once.
void shiftWords(SettingsRecord& record, std::span<const std::size_t> offsets, long long step, bool up,
                std::uint16_t maximum);

} // namespace kvr
