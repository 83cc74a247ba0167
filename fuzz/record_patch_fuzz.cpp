// SPDX-License-Identifier: GPL-3.0-or-later
// A patch file of arbitrary text: it is read or refused with a short message; one that is
// read is written and read back unchanged, and applies to any record without a fault.
#include "core/errors.h"
#include "core/settings_record.h"
#include "game/record_patch.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvr::RecordPatch patch;
    try {
        patch = kvr::parsePatch(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const kvr::GeneralError& e) {
        // A message quotes a few dozen characters of what it is about, never the input.
        if (std::string(e.what()).size() > 400)
            __builtin_trap();
        return 0;
    }
    if (!(kvr::parsePatch(kvr::patchText(patch)) == patch))
        __builtin_trap();
    kvr::SettingsRecord record;
    for (std::size_t i = 0; i < kvr::rec::kSize; ++i)
        record.setByte(i, std::uint8_t(i * 7));
    const kvr::PatchOutcome out = kvr::applyPatches(record, {patch, patch});
    (void)kvr::patchPreviewLines(record, out);
    return 0;
}
