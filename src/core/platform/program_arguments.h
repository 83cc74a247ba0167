// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kvr::platform {

// The program's arguments as path text (see path_text.h). On Windows they come from the
// wide command line: the narrow one has already lost every character outside the code
// page.
std::vector<std::string> programArguments(int argc, char** argv);

// A windowed program started from a console prints its answers there; without this its
// standard output goes nowhere on Windows. Output the caller redirected is kept.
void useParentConsole();

} // namespace kvr::platform
