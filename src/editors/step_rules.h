// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kvr {

class SettingsRecord;

// The "+" (up) and "-" of the editors that shift values by a typed step, on each word
// at `offsets` once: "+" stops at `maximum`, "-" stops at 0. A negative step moves the
// other way with that direction's stop.
void shiftWords(SettingsRecord& record, std::span<const std::size_t> offsets, long long step, bool up,
                std::uint16_t maximum);

} // namespace kvr
