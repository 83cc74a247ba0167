#pragma once

#include <string>

namespace kvr {

class GameFile;

// The name of a language version index 0..6, in Windows ANSI bytes as the game spells it.
const std::string& versionName(int languageVersion);

// Reads the version byte. A byte that names no version leaves `current` as it was.
// An executable too short to hold the byte raises GeneralError, not a file access
// error: the start-up load then stops without ending the program.
int detectVersion(GameFile& exe, int current = 0);

// The index a version byte stands for, or -1.
int versionForByte(unsigned char byte);

} // namespace kvr
