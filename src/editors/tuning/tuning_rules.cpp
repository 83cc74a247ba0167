#include "editors/tuning/tuning_rules.h"

#include <algorithm>
#include <limits>

namespace kvr {
namespace {

constexpr long long kWordMax = std::numeric_limits<std::uint16_t>::max();
constexpr long long kByteMax = std::numeric_limits<std::uint8_t>::max();

// 0.45359 as a fraction, so rounding sees the exact product.
constexpr long long kGramsPerPoundNumerator = 45359;
constexpr long long kGramsPerPoundDenominator = 100000;

} // namespace

std::uint16_t thresholdFromTyped(long long typed)
{
    if (typed <= tuning::kThresholdBias)
        return 0;
    return std::uint16_t(std::min(typed - tuning::kThresholdBias, kWordMax));
}

std::uint8_t practiceFuelFromTyped(long long laps)
{
    return std::uint8_t(std::clamp(laps, 0LL, kByteMax));
}

std::uint8_t qualifyingFuelFromTyped(long long laps)
{
    return std::uint8_t(std::clamp(laps - 1, 0LL, kByteMax));
}

int kilograms(int pounds)
{
    const long long scaled = (long long)pounds * kGramsPerPoundNumerator;
    long long whole = scaled / kGramsPerPoundDenominator;
    long long rest = scaled % kGramsPerPoundDenominator;
    if (rest < 0) {
        rest += kGramsPerPoundDenominator;
        --whole;
    }
    const long long twice = 2 * rest;
    if (twice > kGramsPerPoundDenominator || (twice == kGramsPerPoundDenominator && whole % 2 != 0))
        ++whole;
    return int(whole);
}

std::string poundsText(int pounds)
{
    return std::to_string(pounds) + " lb";
}

std::string kilogramsText(int pounds)
{
    return std::to_string(kilograms(pounds)) + " kg";
}

std::uint16_t weightFromBar(int position)
{
    return std::uint16_t(std::clamp(position, 0, tuning::kWeightBarMax));
}

std::optional<int> ledColourItem(std::uint8_t colour)
{
    if (colour < tuning::kGreen || colour > tuning::kRed)
        return std::nullopt;
    return colour - tuning::kGreen;
}

} // namespace kvr
