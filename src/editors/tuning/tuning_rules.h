// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kvr {

namespace tuning {
// LED thresholds are stored as engine speed minus this.
inline constexpr int kThresholdBias = 6154;
inline constexpr int kWeightBarMax = 10000;
inline constexpr std::uint8_t kGreen = 1;
inline constexpr std::uint8_t kYellow = 2;
inline constexpr std::uint8_t kRed = 3;
} // namespace tuning

// Engine speed shown for a stored threshold.
constexpr int thresholdShown(std::uint16_t stored) { return stored + tuning::kThresholdBias; }

// Stored threshold for a typed engine speed: 6154 or less stores 0, the top is the
// largest word.
std::uint16_t thresholdFromTyped(long long typed);

// Qualifying fuel is stored as laps - 1.
constexpr int qualifyingLapsShown(std::uint8_t stored) { return stored + 1; }
// Typed laps, limited to what the byte can hold (practice 0..255, qualifying 1..256).
std::uint8_t practiceFuelFromTyped(long long laps);
std::uint8_t qualifyingFuelFromTyped(long long laps);

// Pounds to whole kilograms (x 0.45359, half to even), and the two texts shown.
int kilograms(int pounds);
std::string poundsText(int pounds);
std::string kilogramsText(int pounds);

// A weight bar position (0..10000) as the stored weight.
std::uint16_t weightFromBar(int position);

// Item of the "Green", "Yellow", "Red" list for a colour byte; none for other bytes.
std::optional<int> ledColourItem(std::uint8_t colour);
constexpr std::uint8_t ledColourOfItem(int item) { return std::uint8_t(item + tuning::kGreen); }

} // namespace kvr
