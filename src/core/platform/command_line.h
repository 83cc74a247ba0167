// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kvr::platform {

// One Windows command line that the C runtime and CommandLineToArgvW split back into
// exactly `arguments`: spaces, quotes and backslashes included.
std::wstring windowsCommandLine(const std::vector<std::wstring>& arguments);

} // namespace kvr::platform
