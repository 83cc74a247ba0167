// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvr {

// Windows ANSI (code page 1252) <-> UTF-8. The five bytes the code page leaves
// undefined map to the C1 controls of the same value, so every byte survives a round
// trip.
std::string ansiToUtf8(std::string_view ansi);

// Characters with no byte in the code page become '?'.
std::string utf8ToAnsi(std::string_view utf8);

// The same, but nothing when a character has no byte in the code page (or the text is
// not UTF-8); `outside`, when given, then receives the first such character.
std::optional<std::string> utf8ToAnsiExactly(std::string_view utf8, std::string* outside = nullptr);

// Whether the game can show the character in a name: it has a byte of its own in the
// code page and is not a control character.
bool isAnsiCharacter(char32_t c);

} // namespace kvr
