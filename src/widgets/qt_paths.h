// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <filesystem>

namespace kvrgui {

// A file name as Qt holds it and as the core opens it, and back. Every name the windows
// take from Qt (a dialog, the command line, the recent files) or give to it goes through
// these, so that a name outside the system's code page reaches the same file.
std::filesystem::path toPath(const QString& name);
QString fromPath(const std::filesystem::path& path);

} // namespace kvrgui
