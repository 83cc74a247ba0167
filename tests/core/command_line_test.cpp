// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/command_line.h"

#include <gtest/gtest.h>

namespace {

using kvr::platform::windowsCommandLine;

// Each row by the rules of the C runtime's argument parser: backslashes count only
// before a quote, where 2n of them stand for n and 2n+1 for n and a literal quote.
TEST(WindowsCommandLine, QuotesOnlyWhatNeedsItByTheRuntimesRules)
{
    const struct {
        const wchar_t* what;
        std::vector<std::wstring> arguments;
        std::wstring line;
    } cases[] = {
        {L"plain words stay bare", {L"kvrjam", L"-b", L"a.jam"}, L"kvrjam -b a.jam"},
        {L"a space is quoted", {L"C:\\Program Files\\k.exe", L"a b"}, L"\"C:\\Program Files\\k.exe\" \"a b\""},
        {L"an empty argument is kept", {L"p", L"", L"x"}, L"p \"\" x"},
        {L"backslashes inside a bare word are literal", {L"C:\\dir\\f.jam"}, L"C:\\dir\\f.jam"},
        {L"a quote is escaped", {L"say \"hi\""}, L"\"say \\\"hi\\\"\""},
        {L"a bare word with a quote is quoted", {L"a\"b"}, L"\"a\\\"b\""},
        {L"backslashes before a quote double", {L"a\\\"b"}, L"\"a\\\\\\\"b\""},
        {L"trailing backslashes double before the closing quote", {L"C:\\my dir\\"}, L"\"C:\\my dir\\\\\""},
        {L"tabs and newlines are quoted", {L"a\tb", L"c\nd"}, L"\"a\tb\" \"c\nd\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(windowsCommandLine(c.arguments), c.line) << c.what;
}

} // namespace
