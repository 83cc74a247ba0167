#pragma once

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

// The message for a box that does not hold a number.
std::string notANumberMessage(std::string_view text);

// The whole number typed in a box; text that is not one throws GeneralError with the
// message above.
std::int64_t typedWholeNumber(std::string_view text);

} // namespace kvr
