#include "core/platform/program_place.h"

#include <cstdlib>
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

std::string programFileName(std::string_view stem) { return std::string(stem) + ".exe"; }

} // namespace kvr::platform
