// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings_record.h"

#include <nlohmann/json.hpp>

#include <string_view>

namespace kvr {

// The whole record as JSON, every field by name with the value the editors show; the
// unused bytes, and any bytes the named fields cannot express (text after a name's
// length, flag bytes other than 0 and 1, which show as true), as hex so nothing is lost.
nlohmann::ordered_json recordToJson(const SettingsRecord& record);

// The inverse, taking nothing it would have to change: throws GeneralError with the key's
// path for a field that is missing, unknown (an extra array element too) or out of range,
// a text too long for its field or with a character outside the game's code page, raw
// bytes outside the record, and a byte given twice (a raw byte over an unused place, over
// another raw byte, or over a named field's value where it says what the field says or
// changes it).
SettingsRecord recordFromJson(const nlohmann::json& json);

// The same from the text of a file, which parseUserJson() reads.
SettingsRecord recordFromJsonText(std::string_view text);

} // namespace kvr
