// SPDX-License-Identifier: GPL-3.0-or-later
// The cockpit definition parser on arbitrary text: it reads or refuses with its own
// error, and what it reads, written again, reads the same.
#include "install/cockpit_definition.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    kvr::CockpitDefinition d;
    try {
        d = kvr::parseCockpitDefinition(text, "fuzz");
    } catch (const kvr::CockpitDefinitionError&) {
        return 0;
    }
    const std::string again = kvr::formatCockpitDefinition(d, {});
    if (!(kvr::parseCockpitDefinition(again, "again") == d))
        __builtin_trap();
    return 0;
}
