// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "install/cockpit_definition.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

namespace xytables {
// The editor's data file that holds them.
inline constexpr const char* kFileName = "CPITXY.TXT";
// Per row: field 1 first and second position, field 2 first and second, and so on.
inline constexpr int kPositionsPerRow = 2 * cockpitdef::kFields;
} // namespace xytables

// Where the cockpit's XY data goes in KVR.EXE: per language version, one row per
// definition file line 2 to 122 with a first and a second position for each of the
// four fields. A position of 0 is not written.
struct XyTable {
    using Row = std::array<std::uint32_t, xytables::kPositionsPerRow>;
    std::vector<int> versions; // the language versions this table serves
    std::array<Row, cockpitdef::kXyRows> rows{};
    bool operator==(const XyTable&) const = default;
};

struct XyTables {
    std::vector<XyTable> tables;
    // The table of a language version 0..6; every version has exactly one.
    const XyTable& forVersion(int languageVersion) const;
    bool operator==(const XyTables&) const = default;
};

// The text form: "#" starts a comment line; "versions 0 5" opens a table for those
// versions; then 121 lines "LINE: P P P P P P P P", LINE being 2 to 122 in order and
// each P a position, hexadecimal with 0x or 0. Throws GeneralError naming `name` and
// the line of the first fault; every version 0..6 must have exactly one table.
XyTables parseXyTables(std::string_view text, const std::string& name);
XyTables readXyTables(const std::filesystem::path& file);

// Why `table` cannot be written into a KVR.EXE of `exeSize` bytes: a position that lies
// past its end, which only a damaged table file can hold. Nothing when it can.
std::optional<std::string> xyTableProblem(const XyTable& table, std::uint64_t exeSize);

// The text form of `tables`, after the comment lines of `header` (each line gets "# ").
std::string formatXyTables(const XyTables& tables, const std::string& header);

} // namespace kvr
