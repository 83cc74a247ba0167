// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/program_arguments.h"

namespace kvr::platform {

std::vector<std::string> programArguments(int argc, char** argv)
{
    return {argv, argv + argc};
}

void useParentConsole() {}

} // namespace kvr::platform
