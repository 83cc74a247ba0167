#include "editors/step_rules.h"

#include "core/settings_record.h"

#include <algorithm>

namespace kvr {
namespace {

// Any step this large already reaches a stop from every 16-bit value.
constexpr long long kStepLimit = 0x10000;

long long limitStep(long long step) { return std::clamp(step, -kStepLimit, kStepLimit); }

} // namespace

std::uint16_t steppedUp(std::uint16_t value, long long step, std::uint16_t maximum)
{
    step = limitStep(step);
    if (step < 0)
        return steppedDown(value, -step, maximum);
    return std::uint16_t(std::min<long long>(value + step, maximum));
}

std::uint16_t steppedDown(std::uint16_t value, long long step, std::uint16_t maximum)
{
    step = limitStep(step);
    if (step < 0)
        return steppedUp(value, -step, maximum);
    return value < step ? 0 : std::uint16_t(value - step);
}

void shiftWords(SettingsRecord& record, std::span<const std::size_t> offsets, long long step, bool up,
                std::uint16_t maximum)
{
    for (std::size_t at : offsets)
        record.setWord(at, up ? steppedUp(record.word(at), step, maximum) : steppedDown(record.word(at), step, maximum));
}

} // namespace kvr
