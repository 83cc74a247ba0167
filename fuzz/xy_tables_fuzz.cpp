// SPDX-License-Identifier: GPL-3.0-or-later
// The XY position table parser on arbitrary text: it reads or refuses with its own
// error, and what it reads, written again, reads the same.
#include "core/errors.h"
#include "install/xy_tables.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    kvr::XyTables tables;
    try {
        tables = kvr::parseXyTables(text, "fuzz");
    } catch (const kvr::GeneralError&) {
        return 0;
    }
    for (int v = 0; v < 7; ++v)
        (void)tables.forVersion(v);
    if (!(kvr::parseXyTables(kvr::formatXyTables(tables, "again"), "again") == tables))
        __builtin_trap();
    return 0;
}
