// SPDX-License-Identifier: GPL-3.0-or-later
// from-json on arbitrary text: it makes a record or refuses with a short message, and a
// record it makes goes through to-json and back unchanged.
#include "core/errors.h"
#include "game/record_json.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvr::SettingsRecord record;
    try {
        record = kvr::recordFromJsonText(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const kvr::GeneralError& e) {
        // A message quotes a few dozen characters of what it is about, never the input.
        if (std::string(e.what()).size() > 400)
            __builtin_trap();
        return 0;
    }
    const kvr::SettingsRecord again = kvr::recordFromJsonText(kvr::recordToJson(record).dump());
    if (!(again == record))
        __builtin_trap();
    return 0;
}
