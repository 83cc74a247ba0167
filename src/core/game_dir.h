// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace kvr {

// Finds `relative` (components separated by '/' or '\') inside `dir`, matching each
// component without regard to ASCII case, as a game copied from CD may carry upper- or
// lower-case names. Components that do not exist keep the spelling given.
std::filesystem::path findInDir(const std::filesystem::path& dir, std::string_view relative);

bool asciiEqualNoCase(std::string_view a, std::string_view b);

} // namespace kvr
