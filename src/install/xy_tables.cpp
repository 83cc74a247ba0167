// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/xy_tables.h"

#include "core/errors.h"
#include "core/positions.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace kvr {
namespace fs = std::filesystem;
using namespace xytables;

namespace {

constexpr std::string_view kVersionsWord = "versions";

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string quotedWord(std::string_view word)
{
    std::string text = "\"";
    text += word;
    text += '"';
    return text;
}

std::vector<std::string_view> words(std::string_view s)
{
    std::vector<std::string_view> out;
    while (true) {
        s = trim(s);
        if (s.empty())
            return out;
        const std::size_t end = std::min(s.find(' '), s.find('\t'));
        out.push_back(s.substr(0, end));
        s = end == std::string_view::npos ? std::string_view() : s.substr(end);
    }
}

template <typename T>
bool parseNumber(std::string_view word, T& value)
{
    int base = 10;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        word.remove_prefix(2);
        base = 16;
    }
    if (word.empty())
        return false;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value, base);
    return ec == std::errc() && end == word.data() + word.size();
}

class Parser {
public:
    explicit Parser(const std::string& name) : m_name(name) {}

    [[noreturn]] void fail(int line, const std::string& why) const
    {
        throw GeneralError(m_name + ", line " + std::to_string(line) + ": " + why);
    }

    XyTables run(std::string_view text)
    {
        int lineNumber = 0;
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            const std::string_view line = trim(text.substr(0, end));
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
            ++lineNumber;
            if (line.empty() || line.front() == '#')
                continue;
            take(line, lineNumber);
        }
        closeTable(lineNumber);
        for (int v = 0; v < kLanguageVersions; ++v)
            if (!m_seen[std::size_t(v)])
                throw GeneralError(m_name + ": no table for language version " + std::to_string(v));
        return std::move(m_result);
    }

private:
    void take(std::string_view line, int lineNumber)
    {
        const std::vector<std::string_view> w = words(line);
        if (w.front() == kVersionsWord) {
            closeTable(lineNumber);
            openTable(w, lineNumber);
            return;
        }
        if (m_result.tables.empty() || m_nextRow == cockpitdef::kXyRows)
            fail(lineNumber, "a row outside a table (a table opens with \"versions\" and has " +
                                 std::to_string(cockpitdef::kXyRows) + " rows)");
        const int expected = cockpitdef::kXyFirstLine + m_nextRow;
        if (w.front() != std::to_string(expected) + ":")
            fail(lineNumber, "expected the row of definition line " + std::to_string(expected) + " (\"" +
                                 std::to_string(expected) + ": ...\")");
        if (w.size() != std::size_t(kPositionsPerRow) + 1)
            fail(lineNumber, "a row needs " + std::to_string(kPositionsPerRow) + " positions");
        XyTable::Row& row = m_result.tables.back().rows[std::size_t(m_nextRow)];
        for (int i = 0; i < kPositionsPerRow; ++i)
            if (!parseNumber(w[std::size_t(i) + 1], row[std::size_t(i)]))
                fail(lineNumber, quotedWord(w[std::size_t(i) + 1]) + " is not a position");
        ++m_nextRow;
    }

    void openTable(const std::vector<std::string_view>& w, int lineNumber)
    {
        XyTable table;
        for (std::size_t i = 1; i < w.size(); ++i) {
            int v = -1;
            if (!parseNumber(w[i], v) || v < 0 || v >= kLanguageVersions)
                fail(lineNumber, quotedWord(w[i]) + " is not a language version (0 to 6)");
            if (m_seen[std::size_t(v)])
                fail(lineNumber, "language version " + std::to_string(v) + " has a table already");
            m_seen[std::size_t(v)] = true;
            table.versions.push_back(v);
        }
        if (table.versions.empty())
            fail(lineNumber, "\"versions\" names no language version");
        m_result.tables.push_back(std::move(table));
        m_nextRow = 0;
    }

    void closeTable(int lineNumber)
    {
        if (!m_result.tables.empty() && m_nextRow != cockpitdef::kXyRows)
            fail(lineNumber, "the table for versions " + versionList(m_result.tables.back()) + " has " +
                                 std::to_string(m_nextRow) + " rows; " + std::to_string(cockpitdef::kXyRows) +
                                 " are needed");
    }

    static std::string versionList(const XyTable& t)
    {
        std::string s;
        for (int v : t.versions) {
            if (!s.empty())
                s += ' ';
            s += std::to_string(v);
        }
        return s;
    }

    std::string m_name;
    XyTables m_result;
    std::array<bool, kLanguageVersions> m_seen{};
    int m_nextRow = 0;
};

} // namespace

const XyTable& XyTables::forVersion(int languageVersion) const
{
    for (const XyTable& t : tables)
        if (std::find(t.versions.begin(), t.versions.end(), languageVersion) != t.versions.end())
            return t;
    throw std::out_of_range("no XY table for language version " + std::to_string(languageVersion));
}

XyTables parseXyTables(std::string_view text, const std::string& name) { return Parser(name).run(text); }

XyTables readXyTables(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw GeneralError(fillIn(KVR_TR_NOOP("Installers", "%1: the file cannot be read"), {file.string()}));
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw GeneralError(fillIn(KVR_TR_NOOP("Installers", "%1: the file cannot be read"), {file.string()}));
    return parseXyTables(text, file.string());
}

std::optional<std::string> xyTableProblem(const XyTable& table, std::uint64_t exeSize)
{
    for (int r = 0; r < cockpitdef::kXyRows; ++r)
        for (std::uint32_t at : table.rows[std::size_t(r)])
            if (at >= exeSize) {
                char position[16];
                std::snprintf(position, sizeof position, "0x%X", unsigned(at));
                std::string versions;
                for (int v : table.versions) {
                    if (!versions.empty())
                        versions += ' ';
                    versions += std::to_string(v);
                }
                return "the table for versions " + versions + ", row " + std::to_string(cockpitdef::kXyFirstLine + r) +
                       ": position " + position + " lies past the end of KVR.EXE (" + std::to_string(exeSize) +
                       " bytes)";
            }
    return std::nullopt;
}

std::string formatXyTables(const XyTables& tables, const std::string& header)
{
    std::ostringstream out;
    std::istringstream lines(header);
    for (std::string line; std::getline(lines, line);)
        out << (line.empty() ? "#" : "# " + line) << '\n';
    for (const XyTable& t : tables.tables) {
        out << '\n' << kVersionsWord;
        for (int v : t.versions)
            out << ' ' << v;
        out << '\n';
        for (int r = 0; r < cockpitdef::kXyRows; ++r) {
            char label[16];
            std::snprintf(label, sizeof label, "%3d:", cockpitdef::kXyFirstLine + r);
            out << label;
            for (std::uint32_t p : t.rows[std::size_t(r)]) {
                char number[16];
                if (p == 0)
                    std::snprintf(number, sizeof number, " %8s", "0");
                else
                    std::snprintf(number, sizeof number, " 0x%06X", unsigned(p));
                out << number;
            }
            out << '\n';
        }
    }
    return out.str();
}

} // namespace kvr
