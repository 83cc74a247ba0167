// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kvr::platform {

// The running program's file as the system knows it, or empty.
std::filesystem::path runningProgramFile();
// Where the user's programs keep their settings, or empty when the environment names none.
std::filesystem::path userSettingsFolder();
// The path an environment variable holds, or empty. On Windows it is read in UTF-16, so
// that a name outside the code page arrives whole.
std::filesystem::path pathFromEnvironment(const char* name);
// The file name of the program `stem` (with the system's suffix for programs).
std::string programFileName(std::string_view stem);

} // namespace kvr::platform
