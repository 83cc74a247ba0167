#pragma once

#include "game/record_fields.h"

#include <nlohmann/json.hpp>

#include <string_view>

namespace kvr {

class SettingsRecord;

// A field's value in the JSON form: a number, true/false (any byte but 0 is on), or a
// text in UTF-8.
nlohmann::json fieldJson(const RecordField& field, const SettingsRecord& record);

// Sets the field from its JSON form, taking nothing it would have to change: throws
// GeneralError "field NAME: why" for a number outside the field's range, an on/off value
// other than true, false, 0 or 1, a text longer than the field or with a character
// outside the game's code page.
void setFieldJson(SettingsRecord& record, const RecordField& field, const nlohmann::json& value);

// The field named "engine_power.qualifying[2]", or none.
const RecordField* findField(std::string_view name);

} // namespace kvr
