// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/step_rules.h"

#include "core/settings_record.h"

#include <algorithm>

namespace kvr {
namespace {

// Any step this large already reaches a stop from every 16-bit value.
constexpr long long kStepLimit = 0x10000;

long long limitStep(long long step)
{
    return std::clamp(step, -kStepLimit, kStepLimit);
}

// "+" by a negative step is "-" by its size, and the other way round.
std::uint16_t stepped(std::uint16_t value, long long step, bool up, std::uint16_t maximum)
{
    step = limitStep(step);
    if (step < 0) {
        step = -step;
        up = !up;
    }
    if (up)
        return std::uint16_t(std::min<long long>(value + step, maximum));
    return value < step ? 0 : std::uint16_t(value - step);
}

} // namespace

void shiftWords(SettingsRecord& record, std::span<const std::size_t> offsets, long long step, bool up,
                std::uint16_t maximum)
{
    for (std::size_t at : offsets)
        record.setWord(at, stepped(record.word(at), step, up, maximum));
}

} // namespace kvr
