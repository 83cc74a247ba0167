// SPDX-License-Identifier: GPL-3.0-or-later
// The cockpit XY position tables. Only the rows below are known; every other position
// is 0, which the patcher skips.
#include "addons.h"

#include "install/xy_tables.h"

#include <array>

namespace mkaddons {
namespace {

constexpr int kRowOfLine2 = 0;
constexpr int kRowOfLine3 = 1;
constexpr int kRowOfLine9 = 7;

// File line 2, the same in every version: the only row with second positions.
constexpr kvr::XyTable::Row kLine2 = {0xE4E31, 0xE4E50, 0xE4E3E, 0xE4E5D, 0xE4E45, 0xE4E64, 0xE4E4C, 0xE4E6B};

// File line 9, operands in the game's code, the same in every version.
constexpr kvr::XyTable::Row kLine9 = {0xE4EDD, 0, 0xE4EE4, 0, 0xE4EEB, 0, 0xE4EF2, 0};

struct VersionTable {
    std::vector<int> versions;
    std::uint32_t line3; // first of four consecutive bytes in the game's data tables
};

const std::array<VersionTable, 6> kTables = {{
    {{0, 5}, 0x15D6CD},
    {{1}, 0x15D727},
    {{2}, 0x15D6D2},
    {{3}, 0x15D70E},
    {{4}, 0x15D70A},
    {{6}, 0x15D6FB},
}};

constexpr const char* kHeader = R"(Cockpit XY position tables for kvrdesk's cockpit manager.

Where "Install it!" writes the XY data of a cockpit definition file (its lines 2 to 122,
four fields each) into KVR.EXE. One table per language version; versions 0 and 5 share
one. A table opens with "versions" and the version indices it serves, followed by 121
rows, one per definition file line ("LINE:" first). Each row holds eight positions:
field 1 first and second place, field 2 first and second, field 3, field 4. Each field
is written as one byte at each of its places that is not 0; a later row naming the
same place as an earlier one wins.

THESE TABLES ARE PARTIAL. They hold only the rows known to this program: file line 2
(all eight places), file line 3 and file line 9 (first places). Every other position
is 0, so those lines of a definition file are not written. With these tables a
cockpit's pictures, Y limit, screen data and text tables are installed in full, its XY
data only in part.

If you have the full tables of your game, write them in this layout and put the file
in place of this one (the editor's DATA folder, name CPITXY.TXT). The editor checks
the whole file before it writes anything: each of the versions 0 to 6 needs exactly one
table of 121 rows of eight positions.)";

} // namespace

std::string xyTablesText()
{
    kvr::XyTables tables;
    for (const VersionTable& v : kTables) {
        kvr::XyTable t;
        t.versions = v.versions;
        t.rows[kRowOfLine2] = kLine2;
        t.rows[kRowOfLine3] = {v.line3, 0, v.line3 + 1, 0, v.line3 + 2, 0, v.line3 + 3, 0};
        t.rows[kRowOfLine9] = kLine9;
        tables.tables.push_back(std::move(t));
    }
    return kvr::formatXyTables(tables, kHeader);
}

} // namespace mkaddons
