#pragma once

#include <string>
#include <string_view>

namespace kvr {

// Windows ANSI (code page 1252) <-> UTF-8. The five bytes the code page leaves
// undefined map to the C1 controls of the same value, so every byte survives a round
// trip.
std::string ansiToUtf8(std::string_view ansi);

// Characters with no byte in the code page become '?'.
std::string utf8ToAnsi(std::string_view utf8);

// Whether the game can show the character in a name: it has a byte of its own in the
// code page and is not a control character.
bool isAnsiCharacter(char32_t c);

} // namespace kvr
