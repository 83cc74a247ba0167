// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/tuning/tuning_rules.h"

#include "core/number_text.h"

#include <algorithm>

namespace kvr {
namespace {

// 0.45359 as a fraction, so rounding sees the exact product.
constexpr long long kGramsPerPoundNumerator = 45359;
constexpr long long kGramsPerPoundDenominator = 100000;

} // namespace

std::uint16_t thresholdFromTyped(long long typed)
{
    return std::uint16_t(clampedToRange(typed, {tuning::kThresholdBias, tuning::kThresholdBias + kWordRange.highest}) -
                         tuning::kThresholdBias);
}

std::uint8_t practiceFuelFromTyped(long long laps)
{
    return std::uint8_t(clampedToRange(laps, kByteRange));
}

std::uint8_t qualifyingFuelFromTyped(long long laps)
{
    return std::uint8_t(clampedToRange(laps, {1, kByteRange.highest + 1}) - 1);
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
