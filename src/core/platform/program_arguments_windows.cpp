// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/program_arguments.h"

#include <cstdio>
#include <windows.h>

// After windows.h, which it needs.
#include <shellapi.h>

namespace kvr::platform {
namespace {

std::string utf8(const wchar_t* text)
{
    const int length = int(::wcslen(text));
    if (length == 0)
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(size > 0 ? size : 0), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

bool hasHandle(DWORD which)
{
    const HANDLE h = ::GetStdHandle(which);
    return h != nullptr && h != INVALID_HANDLE_VALUE;
}

} // namespace

std::vector<std::string> programArguments(int argc, char** argv)
{
    int count = 0;
    wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!words)
        return {argv, argv + argc};
    std::vector<std::string> arguments;
    arguments.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        arguments.push_back(utf8(words[i]));
    ::LocalFree(words);
    return arguments;
}

void useParentConsole()
{
    const bool out = hasHandle(STD_OUTPUT_HANDLE);
    const bool err = hasHandle(STD_ERROR_HANDLE);
    if ((out && err) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
}

} // namespace kvr::platform
