// SPDX-License-Identifier: GPL-3.0-or-later
// A game's mod list of arbitrary text (the file may be edited by hand): it is read or
// refused with a short message; one that is read is written and read back unchanged, and
// its conflicts and every take-off run without a fault.
#include "core/errors.h"
#include "core/settings_record.h"
#include "game/mod_list.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvr::ModList list;
    try {
        list = kvr::parseModList(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const kvr::GeneralError& e) {
        if (std::string(e.what()).size() > 400)
            __builtin_trap();
        return 0;
    }
    if (!(kvr::parseModList(kvr::modListText(list)) == list))
        __builtin_trap();
    for (const kvr::ModConflict& c : kvr::modConflicts(list))
        (void)kvr::conflictLine(list, c);
    kvr::SettingsRecord game;
    for (std::size_t i = 0; i < list.mods.size() && i < 4; ++i) {
        const kvr::ModPlan plan = kvr::takeOffMod(list, game, i);
        if (!(kvr::parseModList(kvr::modListText(plan.list)) == plan.list))
            __builtin_trap();
    }
    return 0;
}
