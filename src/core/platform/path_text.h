// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace kvr::platform {

// A path as the text the editor keeps in its own files, and back: the system's bytes
// on POSIX, UTF-8 on Windows, so that every name survives the round trip.
std::string pathText(const std::filesystem::path& path);
std::filesystem::path pathFromText(const std::string& text);

} // namespace kvr::platform
