// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace kvr {

class GameFile;

// The name of a language version index 0..6, in Windows ANSI bytes as the game spells it.
const std::string& versionName(int languageVersion);

// The version byte of `exe`. An executable too short to hold it is no game's: a file
// access error, as for any position the editor reads.
std::uint8_t readVersionByte(GameFile& exe);

// Reads the version byte. A byte that names no version leaves `current` as it was.
int detectVersion(GameFile& exe, int current = 0);

// The index a version byte stands for, or -1.
int versionForByte(unsigned char byte);

// What the user is told once when the version byte of `exe` names no version: the byte,
// and that the editor takes the game for the English version.
Message unknownVersionWarning(const std::filesystem::path& exe, std::uint8_t byte);

} // namespace kvr
