// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvr {

// What the edit boxes accept. Blanks around the number are allowed; anything else
// that is not part of the number makes the text "not a number" (nothing).

// Optional sign and decimal digits, within the 64-bit range.
std::optional<std::int64_t> parseWholeNumber(std::string_view text);

// A decimal number; '.' or ',' as the decimal separator, no exponent needed but
// accepted. Only finite values.
std::optional<double> parseDecimalNumber(std::string_view text);

// The low 16 bits of a whole number, as the game files keep it (-1 gives 65535).
constexpr std::uint16_t lowWord(std::int64_t value) { return std::uint16_t(std::uint64_t(value) & 0xFFFFu); }
constexpr std::uint8_t lowByte(std::int64_t value) { return std::uint8_t(std::uint64_t(value) & 0xFFu); }

// The values a box may store: what the game's field holds, or the editor's own limits
// within it.
struct FieldRange {
    std::int64_t lowest;
    std::int64_t highest;
};
inline constexpr FieldRange kByteRange{0, 0xFF};
inline constexpr FieldRange kWordRange{0, 0xFFFF};
inline constexpr FieldRange kSignedWordRange{-0x8000, 0x7FFF};

// Every box alike: a typed number the field cannot hold becomes the nearer end of its
// range, never the low bits of the number (70000 in a word is 65535, not 4464).
constexpr std::int64_t clampedToRange(std::int64_t typed, FieldRange range)
{
    return std::clamp(typed, range.lowest, range.highest);
}

// The message for a box that does not hold a number.
Message notANumberMessage(std::string_view text);

// The whole number typed in a box; text that is not one throws GeneralError with the
// message above.
std::int64_t typedWholeNumber(std::string_view text);

// The whole number typed in a box, held within `range`; throws as above.
std::int64_t typedInRange(std::string_view text, FieldRange range);

} // namespace kvr
