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
            fail(int(m_lines.size()) + 1, "the file ends after line " + std::to_string(m_lines.size()) + "; " +
                                              std::to_string(kLines) + " lines are needed");
    }

    // Field 1..4 of file line 1..190.
    int field(int lineNumber, int field) const
    {
        const std::string_view line = m_lines[std::size_t(lineNumber - 1)];
        const int column = kFieldColumn[std::size_t(field - 1)];
        const std::string where = "field " + std::to_string(field) + " (columns " + std::to_string(column) + " to " +
                                  std::to_string(column + kFieldWidth - 1) + ")";
        if (int(line.size()) < column - 1 + kFieldWidth)
            fail(lineNumber, "the line is too short for " + where);
        const std::string_view text = line.substr(std::size_t(column - 1), kFieldWidth);
        const std::optional<std::int64_t> value = parseWholeNumber(text);
        if (!value)
            fail(lineNumber, where + " is not a number: \"" + std::string(text) + "\"");
        return int(*value);
    }

    [[noreturn]] void fail(int lineNumber, const std::string& why) const
    {
        throw CockpitDefinitionError(m_name + ", line " + std::to_string(lineNumber) + ": " + why, lineNumber);
    }

private:
    std::string m_name;
    std::vector<std::string_view> m_lines;
};

} // namespace

CockpitDefinition parseCockpitDefinition(std::string_view text, const std::string& name)
{
    const Lines lines(text, name);
    CockpitDefinition d;
    d.yLimit = lines.field(kYLimitLine, 1);
    for (int r = 0; r < kXyRows; ++r)
        for (int f = 0; f < kFields; ++f)
            d.xy[std::size_t(r)][std::size_t(f)] = lines.field(kXyFirstLine + r, f + 1);
    for (int k = 0; k < kScreenLines; ++k)
        d.svga[std::size_t(k)] = lines.field(kSvgaFirstLine + k, 1);
    for (int k = 0; k < kTxtLines; ++k)
        for (int f = 0; f < 2; ++f)
            d.txtHigh[std::size_t(k)][std::size_t(f)] = lines.field(kTxtHighFirstLine + k, f + 1);
    for (int k = 0; k < kScreenLines; ++k)
        d.vga[std::size_t(k)] = lines.field(kVgaFirstLine + k, 1);
    for (int k = 0; k < kTxtLines; ++k)
        for (int f = 0; f < 2; ++f)
            d.txtLow[std::size_t(k)][std::size_t(f)] = lines.field(kTxtLowFirstLine + k, f + 1);
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
