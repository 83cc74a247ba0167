// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/program_place.h"

#include <cstdlib>

namespace kvr::platform {
namespace fs = std::filesystem;

fs::path runningProgramFile()
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self;
}

fs::path userSettingsFolder()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return xdg;
    if (const char* h = std::getenv("HOME"); h && *h)
        return fs::path(h) / ".config";
    return {};
}

fs::path pathFromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? fs::path(value) : fs::path();
}

std::string programFileName(std::string_view stem) { return std::string(stem); }

} // namespace kvr::platform
