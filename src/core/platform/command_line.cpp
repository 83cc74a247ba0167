// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/command_line.h"

namespace kvr::platform {

namespace {

bool needsQuotes(const std::wstring& argument)
{
    return argument.empty() || argument.find_first_of(L" \t\n\v\"") != std::wstring::npos;
}

// Backslashes are literal except before a quote, where each pair stands for one.
void appendQuoted(std::wstring& line, const std::wstring& argument)
{
    line += L'"';
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"')
            line.append(backslashes * 2 + 1, L'\\');
        else
            line.append(backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, L'\\');
    line += L'"';
}

} // namespace

std::wstring windowsCommandLine(const std::vector<std::wstring>& arguments)
{
    std::wstring line;
    for (const std::wstring& argument : arguments) {
        if (!line.empty())
            line += L' ';
        if (needsQuotes(argument))
            appendQuoted(line, argument);
        else
            line += argument;
    }
    return line;
}

} // namespace kvr::platform
