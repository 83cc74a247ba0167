// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/cockpit_definition.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

namespace {

using kvr::CockpitDefinition;
using kvr::CockpitDefinitionError;

// A definition whose every number differs, with a free text on each line.
CockpitDefinition sample()
{
    CockpitDefinition d;
    int n = 1;
    d.yLimit = n++;
    for (auto& row : d.xy)
        for (int& v : row)
            v = (n++ % 256);
    for (int k = 0; k < 4; ++k) {
        d.svga[std::size_t(k)] = 600 + k;
        d.vga[std::size_t(k)] = 250 + k;
    }
    for (int k = 0; k < 28; ++k) {
        d.txtHigh[std::size_t(k)] = {100 + k, 400 + k};
        d.txtLow[std::size_t(k)] = {50 + k, 9 + k};
    }
    return d;
}

std::vector<std::string> sampleLines()
{
    std::array<std::string, 190> text;
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = "Free text 123 -5 of line " + std::to_string(i + 1);
    std::istringstream in(kvr::formatCockpitDefinition(sample(), text));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string join(const std::vector<std::string>& lines, const char* end = "\n")
{
    std::string s;
    for (const std::string& l : lines)
        s += l + end;
    return s;
}

TEST(CockpitDefinition, WrittenFileReadsBackWithCrLfOrLf)
{
    const std::vector<std::string> lines = sampleLines();
    ASSERT_EQ(lines.size(), 190u);
    EXPECT_EQ(lines[0].size(), 36u + 1) << "fields end at column 36 (plus the CR of the file)";
    EXPECT_EQ(kvr::parseCockpitDefinition(join(lines), "A18.DAT"), sample());
    std::vector<std::string> lf = lines;
    for (std::string& l : lf)
        l.pop_back();
    EXPECT_EQ(kvr::parseCockpitDefinition(join(lf), "A18.DAT"), sample());
    EXPECT_EQ(kvr::parseCockpitDefinition(join(lf).substr(0, join(lf).size() - 1), "A18.DAT"), sample())
        << "no line end after the last line";
}

// Each case changes the sample file; `line` is 0 when it must still read.
struct Case {
    const char* what;
    std::function<void(std::vector<std::string>&)> change;
    int line;
    const char* says;
};

std::string field(std::string line, int column, const std::string& text)
{
    line.replace(std::size_t(column - 1), text.size(), text);
    return line;
}

TEST(CockpitDefinition, EdgeCases)
{
    const Case cases[] = {
        {"a field of 255", [](auto& l) { l[0] = field(l[0], 34, "255"); }, 0, ""},
        {"a field of 0", [](auto& l) { l[1] = field(l[1], 34, "  0"); }, 0, ""},
        {"a left-aligned field", [](auto& l) { l[2] = field(l[2], 40, "7  "); }, 0, ""},
        {"a 16-bit screen value of 999", [](auto& l) { l[159] = field(l[159], 34, "999"); }, 0, ""},
        {"blanks and tabs after the last field", [](auto& l) { l[158] = l[158].substr(0, 36) + "  \t "; }, 0, ""},
        {"lines 123, 124, 157 and 158 hold anything",
         [](auto& l) {
             for (int i : {122, 123, 156, 157})
                 l[std::size_t(i)] = i % 2 ? "" : "junk that is not a number at all, over every column x";
         },
         0, ""},
        {"line 125 needs field 1 only", [](auto& l) { l[124] = l[124].substr(0, 36); }, 0, ""},
        {"line 159 needs field 1 only", [](auto& l) { l[158] = l[158].substr(0, 36); }, 0, ""},
        {"lines after 190 are ignored",
         [](auto& l) {
             l.push_back("garbage");
             l.push_back("");
         },
         0, ""},
        {"a file of 189 lines", [](auto& l) { l.pop_back(); }, 190, "the file ends after line 189"},
        {"an empty file", [](auto& l) { l.clear(); }, 1, "the file ends after line 0"},
        {"an XY line without field 4", [](auto& l) { l[1] = l[1].substr(0, 55); }, 2,
         "too short for field 4 (columns 54 to 56)"},
        {"line 125 shorter than field 1", [](auto& l) { l[124] = l[124].substr(0, 35); }, 125,
         "too short for field 1 (columns 34 to 36)"},
        {"a text table line without field 2", [](auto& l) { l[128] = l[128].substr(0, 40); }, 129,
         "too short for field 2"},
        {"a letter in line 159", [](auto& l) { l[158] = field(l[158], 34, " 1x"); }, 159,
         "field 1 (columns 34 to 36) is not a number: \" 1x\""},
        {"a blank field", [](auto& l) { l[0] = field(l[0], 34, "   "); }, 1, "is not a number"},
        {"two numbers in one field", [](auto& l) { l[121] = field(l[121], 47, "1 2"); }, 122, "field 3"},
        {"a number moved one column left", [](auto& l) { l[189] = field(l[189], 39, "12 "); }, 190, "field 2"},
        // A number the game's field cannot hold is never cut to its low bits.
        {"a Y limit of 300", [](auto& l) { l[0] = field(l[0], 34, "300"); }, 1,
         "field 1 (columns 34 to 36) holds 300, but it is written as one byte, 0 to 255"},
        {"a Y limit of -93", [](auto& l) { l[0] = field(l[0], 34, "-93"); }, 1,
         "holds -93, but it is written as one byte"},
        {"-1 in an XY field", [](auto& l) { l[60] = field(l[60], 54, " -1"); }, 61,
         "field 4 (columns 54 to 56) holds -1, but it is written as one byte, 0 to 255"},
        {"-1 in a text table", [](auto& l) { l[189] = field(l[189], 40, " -1"); }, 190,
         "field 2 (columns 40 to 42) holds -1, but it is written as 16 bits, 0 to 65535"},
        {"300 in line 159, one byte", [](auto& l) { l[158] = field(l[158], 34, "300"); }, 159, "written as one byte"},
        {"-1 in line 125, 16 bits", [](auto& l) { l[124] = field(l[124], 34, " -1"); }, 125, "written as 16 bits"},
        // Digits outside the columns would be left out.
        {"70000 ending in field 1", [](auto& l) { l[0] = field(l[0], 32, "70000"); }, 1,
         "the number \"70000\" runs past field 1 (columns 34 to 36)"},
        {"1000 beginning in field 1", [](auto& l) { l[130] = field(l[130], 34, "1000"); }, 131,
         "the number \"1000\" runs past field 1"},
        {"a sign before a field", [](auto& l) { l[5] = field(l[5], 46, "-"); }, 6, "runs past field 3"},
        {"a fifth column on an XY line", [](auto& l) { l[1] = l[1].substr(0, 56) + "    7"; }, 2,
         "column 61 holds \"7\", but this line has only 4 field(s)"},
        {"a second field on the Y limit's line", [](auto& l) { l[0] = l[0].substr(0, 36) + "    12"; }, 1,
         "column 41 holds \"12\", but this line has only 1 field(s)"},
        {"a third field on a text table line", [](auto& l) { l[170] = l[170].substr(0, 42) + "      5"; }, 171,
         "column 49 holds \"5\", but this line has only 2 field(s)"},
        {"a number between two fields", [](auto& l) { l[3] = field(l[3], 38, "5"); }, 4, "column 38 holds \"5\""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = sampleLines();
        c.change(lines);
        const std::string text = join(lines);
        if (c.line == 0) {
            EXPECT_NO_THROW(kvr::parseCockpitDefinition(text, "X.DAT")) << c.what;
            continue;
        }
        try {
            kvr::parseCockpitDefinition(text, "DATA/X.DAs");
            ADD_FAILURE() << c.what << ": read without complaint";
        } catch (const CockpitDefinitionError& e) {
            EXPECT_EQ(e.line(), c.line) << c.what;
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("DATA/X.DAs, line " + std::to_string(c.line) + ": ", 0), 0u)
                << c.what << ": " << message;
            EXPECT_NE(message.find(c.says), std::string::npos) << c.what << ": " << message;
        }
    }
}

TEST(CockpitDefinition, ValuesAsWritten)
{
    std::vector<std::string> lines = sampleLines();
    lines[0] = field(lines[0], 34, "255");
    lines[1] = field(lines[1], 34, "  0");
    lines[2] = field(lines[2], 40, "7  ");
    const CockpitDefinition d = kvr::parseCockpitDefinition(join(lines), "X");
    EXPECT_EQ(d.yLimit, 255);
    EXPECT_EQ(d.xy[0][0], 0);
    EXPECT_EQ(d.xy[1][1], 7);
    EXPECT_EQ(d.vga[3], 253);
}

TEST(CockpitDefinition, MissingFileIsNamed)
{
    try {
        kvr::readCockpitDefinition("/nonexistent/A18.DAT");
        ADD_FAILURE();
    } catch (const CockpitDefinitionError& e) {
        EXPECT_EQ(e.line(), 0);
        EXPECT_NE(std::string(e.what()).find("/nonexistent/A18.DAT"), std::string::npos);
    }
}

TEST(CockpitDefinition, NamePerLanguageVersion)
{
    const char* expected[] = {"A18.DAT", "A18.DAg", "A18.DAi", "A18.DAs", "A18.DAf", "A18.DAT", "A18.DAd"};
    for (int v = 0; v < 7; ++v)
        EXPECT_EQ(kvr::versionedDefinitionName("A18.DAT", v), expected[v]) << "version " << v;
    EXPECT_EQ(kvr::versionedDefinitionName("025.DAT", 3), "025.DAs");
    EXPECT_THROW(kvr::versionedDefinitionName("A18.DAT", 7), std::out_of_range);
}

TEST(CockpitDefinition, ValueTooWideForItsFieldIsRefusedWhenWriting)
{
    CockpitDefinition d = sample();
    d.svga[0] = 1000;
    EXPECT_THROW(kvr::formatCockpitDefinition(d, {}), std::invalid_argument);
}

} // namespace
