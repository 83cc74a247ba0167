#pragma once

#include "core/settings_record.h"

#include <nlohmann/json.hpp>

namespace kvrcli {

// The whole record as JSON, every field by name with the value the editors show; the
// unused bytes, and any bytes the named fields cannot express (text after a name's
// length, flag bytes other than 0 and 1), as hex so nothing is lost.
nlohmann::ordered_json recordToJson(const kvr::SettingsRecord& record);

// The inverse. Throws GeneralError naming the field that is missing or out of range.
kvr::SettingsRecord recordFromJson(const nlohmann::json& json);

} // namespace kvrcli
