// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "install/xy_tables.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

kvr::XyTables sixTables()
{
    kvr::XyTables tables;
    const std::vector<std::vector<int>> groups = {{0, 5}, {1}, {2}, {3}, {4}, {6}};
    for (std::size_t g = 0; g < groups.size(); ++g) {
        kvr::XyTable t;
        t.versions = groups[g];
        for (std::size_t r = 0; r < t.rows.size(); ++r)
            for (std::size_t i = 0; i < 8; ++i)
                t.rows[r][i] = (r + i) % 3 == 0 ? 0 : std::uint32_t(0x15D380 + g * 0x400 + r * 8 + i);
        tables.tables.push_back(t);
    }
    return tables;
}

TEST(XyTables, WrittenFormReadsBack)
{
    const kvr::XyTables tables = sixTables();
    const std::string text = kvr::formatXyTables(tables, "A header\n\nover three lines");
    EXPECT_EQ(text.rfind("# A header\n#\n# over three lines\n", 0), 0u);
    EXPECT_EQ(kvr::parseXyTables(text, "t"), tables);
    EXPECT_EQ(kvr::parseXyTables(text, "t").forVersion(5).versions, (std::vector<int>{0, 5}));
}

std::string replaceLine(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

TEST(XyTables, FaultsNameTheLine)
{
    const std::string good = kvr::formatXyTables(sixTables(), "h");
    // Line numbers: 1 header, 2 blank, 3 "versions 0 5", 4 row of line 2, ...
    struct Case {
        const char* what;
        std::string text;
        int line;
        const char* says;
    } cases[] = {
        {"a row of seven positions", replaceLine(good, "  2:        0 0x15D381", "  2: 0x15D381"), 4,
         "needs 8 positions"},
        {"a letter for a position", replaceLine(good, "0x15D381", "0x15DG81"), 4, "is not a position"},
        {"a negative position", replaceLine(good, "0x15D381", "-5"), 4, "is not a position"},
        {"rows out of order", replaceLine(good, "  3:", "  4:"), 5, "definition line 3"},
        {"a short table", replaceLine(good, "122:", "#122:"), 126,
         "has 120 rows; 121 are needed"},
        {"a version twice", replaceLine(good, "versions 6", "versions 6 0"), 0, "version 0 has a table already"},
        {"a version missing", replaceLine(good, "versions 0 5", "versions 0"), 0, "no table for language version 5"},
        {"version 7", replaceLine(good, "versions 0 5", "versions 0 5 7"), 3, "not a language version"},
        {"a row before any table", "  2: 0 0 0 0 0 0 0 0\n", 1, "outside a table"},
        {"an empty file", "", 0, "no table for language version 0"},
    };
    for (const Case& c : cases) {
        try {
            kvr::parseXyTables(c.text, "DATA/CPITXY.TXT");
            ADD_FAILURE() << c.what << ": read without complaint";
        } catch (const kvr::GeneralError& e) {
            const std::string m = e.what();
            if (c.line > 0) {
                EXPECT_EQ(m.rfind("DATA/CPITXY.TXT, line " + std::to_string(c.line) + ":", 0), 0u) << c.what << ": " << m;
            }
            EXPECT_NE(m.find(c.says), std::string::npos) << c.what << ": " << m;
        }
    }
}

TEST(XyTables, ShippedTablesHoldTheKnownRowsAndZeroElsewhere)
{
    const kvr::XyTables shipped = kvr::readXyTables(fs::path(KVR_DATA_DIR) / kvr::xytables::kFileName);
    ASSERT_EQ(shipped.tables.size(), 6u);
    const std::uint32_t line3[] = {0x15D6CD, 0x15D727, 0x15D6D2, 0x15D70E, 0x15D70A, 0x15D6CD, 0x15D6FB};
    for (int v = 0; v < 7; ++v) {
        const kvr::XyTable& t = shipped.forVersion(v);
        EXPECT_EQ(t.rows[0], (kvr::XyTable::Row{0xE4E31, 0xE4E50, 0xE4E3E, 0xE4E5D, 0xE4E45, 0xE4E64, 0xE4E4C, 0xE4E6B}));
        const std::uint32_t p = line3[v];
        EXPECT_EQ(t.rows[1], (kvr::XyTable::Row{p, 0, p + 1, 0, p + 2, 0, p + 3, 0})) << "version " << v;
        EXPECT_EQ(t.rows[7], (kvr::XyTable::Row{0xE4EDD, 0, 0xE4EE4, 0, 0xE4EEB, 0, 0xE4EF2, 0}));
        for (std::size_t r = 0; r < t.rows.size(); ++r)
            if (r != 0 && r != 1 && r != 7) {
                EXPECT_EQ(t.rows[r], kvr::XyTable::Row{}) << "version " << v << " row " << r;
            }
    }
}

} // namespace
