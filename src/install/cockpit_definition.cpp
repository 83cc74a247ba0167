// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/cockpit_definition.h"

#include "core/number_text.h"
#include "core/tr_marker.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace kvr {
namespace fs = std::filesystem;
using namespace cockpitdef;

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// How the patcher writes a field: one byte or 16 bits, never wrapped.
struct Width {
    FieldRange range;
    const char* written;
};
constexpr Width kByte{kByteRange, KVR_TR_NOOP("Installers", "one byte, 0 to 255")};
constexpr Width kWord{kWordRange, KVR_TR_NOOP("Installers", "16 bits, 0 to 65535")};

class Lines {
  public:
    Lines(std::string_view text, const std::string& name) : m_name(name)
    {
        while (!text.empty() && int(m_lines.size()) < kLines) {
            const std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            m_lines.push_back(line);
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        }
        if (int(m_lines.size()) < kLines)
            fail(int(m_lines.size()) + 1,
                 fillIn(KVR_TR_NOOP("Installers", "the file ends after line %1; %2 lines are needed"),
                        {std::to_string(m_lines.size()), std::to_string(kLines)}));
    }

    // Fields 1..widths.size() of file line 1..190, each within what it is written as; the
    // rest of the line past the free text must be blank, so that no number is cut or left out.
    template <std::size_t N> std::array<int, N> fields(int lineNumber, const std::array<Width, N>& widths) const
    {
        std::array<int, N> values{};
        for (std::size_t f = 0; f < N; ++f)
            values[f] = field(lineNumber, int(f) + 1, widths[f]);
        onlyFields(lineNumber, int(N));
        return values;
    }

    int field(int lineNumber, int field, const Width& width) const
    {
        const std::string_view line = m_lines[std::size_t(lineNumber - 1)];
        const int column = kFieldColumn[std::size_t(field - 1)];
        const Message where = fieldName(field);
        if (int(line.size()) < column - 1 + kFieldWidth)
            fail(lineNumber, fillIn(KVR_TR_NOOP("Installers", "the line is too short for %1"), {where}));
        const std::size_t begin = std::size_t(column - 1);
        const std::size_t end = begin + kFieldWidth;
        // A number that goes on past the field's columns would be cut to its last digits.
        const bool before = begin > 0 && (isDigit(line[begin - 1]) || line[begin - 1] == '-' || line[begin - 1] == '+');
        const bool after = end < line.size() && isDigit(line[end]) && !isBlank(line[end - 1]);
        if (before || after) {
            std::size_t from = begin;
            while (from > 0 && (isDigit(line[from - 1]) || line[from - 1] == '-' || line[from - 1] == '+'))
                --from;
            std::size_t to = end;
            while (to < line.size() && isDigit(line[to]))
                ++to;
            while (isBlank(line[from]))
                ++from;
            fail(lineNumber, fillIn(KVR_TR_NOOP("Installers", "the number \"%1\" runs past %2"),
                                    {std::string(line.substr(from, to - from)), where}));
        }
        const std::string_view text = line.substr(begin, kFieldWidth);
        const std::optional<std::int64_t> value = parseWholeNumber(text);
        if (!value)
            fail(lineNumber,
                 fillIn(KVR_TR_NOOP("Installers", "%1 is not a number: \"%2\""), {where, std::string(text)}));
        if (*value < width.range.lowest || *value > width.range.highest)
            fail(lineNumber, fillIn(KVR_TR_NOOP("Installers", "%1 holds %2, but it is written as %3"),
                                    {where, std::to_string(*value), width.written}));
        return int(*value);
    }

    [[noreturn]] void fail(int lineNumber, const Message& why) const
    {
        throw CockpitDefinitionError(
            fillIn(KVR_TR_NOOP("Installers", "%1, line %2: %3"), {m_name, std::to_string(lineNumber), why}),
            lineNumber);
    }

  private:
    static Message fieldName(int field)
    {
        const int column = kFieldColumn[std::size_t(field - 1)];
        return fillIn(KVR_TR_NOOP("Installers", "field %1 (columns %2 to %3)"),
                      {std::to_string(field), std::to_string(column), std::to_string(column + kFieldWidth - 1)});
    }

    // Nothing but blanks beside the `used` fields: a number in another column is not read.
    void onlyFields(int lineNumber, int used) const
    {
        const std::string_view line = m_lines[std::size_t(lineNumber - 1)];
        for (std::size_t i = kFreeColumns; i < line.size(); ++i) {
            bool inField = false;
            for (int f = 0; f < used; ++f)
                inField = inField || (int(i) >= kFieldColumn[std::size_t(f)] - 1 &&
                                      int(i) < kFieldColumn[std::size_t(f)] - 1 + kFieldWidth);
            if (inField || isBlank(line[i]))
                continue;
            std::size_t to = i;
            while (to < line.size() && !isBlank(line[to]))
                ++to;
            fail(lineNumber,
                 fillIn(KVR_TR_NOOP("Installers", "column %1 holds \"%2\", but this line has only %3 field(s)"),
                        {std::to_string(i + 1), std::string(line.substr(i, to - i)), std::to_string(used)}));
        }
    }

    std::string m_name;
    std::vector<std::string_view> m_lines;
};

} // namespace

CockpitDefinition parseCockpitDefinition(std::string_view text, const std::string& name)
{
    const Lines lines(text, name);
    CockpitDefinition d;
    d.yLimit = lines.fields(kYLimitLine, std::array{kByte})[0];
    for (int r = 0; r < kXyRows; ++r)
        d.xy[std::size_t(r)] = lines.fields(kXyFirstLine + r, std::array{kByte, kByte, kByte, kByte});
    for (int k = 0; k < kScreenLines; ++k) {
        d.svga[std::size_t(k)] = lines.fields(kSvgaFirstLine + k, std::array{kWord})[0];
        d.vga[std::size_t(k)] =
            lines.fields(kVgaFirstLine + k, std::array{kVgaWord[std::size_t(k)] ? kWord : kByte})[0];
    }
    for (int k = 0; k < kTxtLines; ++k) {
        d.txtHigh[std::size_t(k)] = lines.fields(kTxtHighFirstLine + k, std::array{kWord, kWord});
        d.txtLow[std::size_t(k)] = lines.fields(kTxtLowFirstLine + k, std::array{kWord, kWord});
    }
    return d;
}

CockpitDefinition readCockpitDefinition(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw CockpitDefinitionError(fillIn(KVR_TR_NOOP("Installers", "%1: the file cannot be read"), {file.string()}),
                                     0);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw CockpitDefinitionError(fillIn(KVR_TR_NOOP("Installers", "%1: the file cannot be read"), {file.string()}),
                                     0);
    return parseCockpitDefinition(text, file.string());
}

std::string versionedDefinitionName(std::string name, int languageVersion)
{
    static constexpr char kLast[] = {0, 'g', 'i', 's', 'f', 0, 'd'};
    if (languageVersion < 0 || languageVersion >= int(sizeof kLast))
        throw std::out_of_range("language version index out of range");
    if (!name.empty() && kLast[languageVersion] != 0)
        name.back() = kLast[languageVersion];
    return name;
}

std::string formatCockpitDefinition(const CockpitDefinition& d, const std::array<std::string, kLines>& freeText)
{
    std::array<std::vector<int>, kLines> fields;
    fields[kYLimitLine - 1] = {d.yLimit};
    for (int r = 0; r < kXyRows; ++r)
        fields[std::size_t(kXyFirstLine - 1 + r)].assign(d.xy[std::size_t(r)].begin(), d.xy[std::size_t(r)].end());
    for (int k = 0; k < kScreenLines; ++k) {
        fields[std::size_t(kSvgaFirstLine - 1 + k)] = {d.svga[std::size_t(k)]};
        fields[std::size_t(kVgaFirstLine - 1 + k)] = {d.vga[std::size_t(k)]};
    }
    for (int k = 0; k < kTxtLines; ++k) {
        const auto& high = d.txtHigh[std::size_t(k)];
        const auto& low = d.txtLow[std::size_t(k)];
        fields[std::size_t(kTxtHighFirstLine - 1 + k)] = {high[0], high[1]};
        fields[std::size_t(kTxtLowFirstLine - 1 + k)] = {low[0], low[1]};
    }

    std::string out;
    for (int i = 0; i < kLines; ++i) {
        std::string line = freeText[std::size_t(i)].substr(0, kFreeColumns);
        for (std::size_t f = 0; f < fields[std::size_t(i)].size(); ++f) {
            const std::string number = std::to_string(fields[std::size_t(i)][f]);
            if (number.size() > std::size_t(kFieldWidth))
                throw std::invalid_argument("cockpit definition value " + number + " does not fit its field");
            line.resize(std::size_t(kFieldColumn[f] - 1 + kFieldWidth - int(number.size())), ' ');
            line += number;
        }
        out += line;
        out += "\r\n";
    }
    return out;
}

} // namespace kvr
