// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/program_place.h"

#include <cstdlib>
#include <cstring>
#include <windows.h>

namespace kvr::platform {
namespace fs = std::filesystem;

fs::path runningProgramFile()
{
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (n == 0)
            return {};
        if (n < name.size()) {
            name.resize(n);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

fs::path userSettingsFolder()
{
    if (const wchar_t* appData = ::_wgetenv(L"APPDATA"); appData && *appData)
        return appData;
    return {};
}

fs::path pathFromEnvironment(const char* name)
{
    const std::wstring wide(name, name + std::strlen(name));
    const wchar_t* value = ::_wgetenv(wide.c_str());
    return value ? fs::path(value) : fs::path();
}

std::string programFileName(std::string_view stem) { return std::string(stem) + ".exe"; }

} // namespace kvr::platform
