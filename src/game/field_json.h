// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/record_fields.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
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

// A whole number from 0 up, or nothing (a sign, a fraction, not a number).
std::optional<std::uint64_t> wholeNumber(const nlohmann::json& value);

// The field named "engine_power.qualifying[2]", or none.
const RecordField* findField(std::string_view name);

// The bytes that hold the field's value in `record`, from its offset on: a text's length
// byte and its characters, a word's two bytes, else one.
std::size_t valueSpan(const RecordField& field, const SettingsRecord& record);

// The JSON form's name of one byte of the record, by its place: "0x3F1", a key of
// "raw_bytes" there and, after "raw_bytes.", a field of a patch. Read back from "0x" or
// "0X" and hex digits in either case (leading zeros too); nothing for anything else or
// a place past the record.
std::string rawByteKey(std::size_t offset);
std::optional<std::size_t> rawByteOffset(std::string_view key);

// "raw_bytes.0x3F1", as a patch names the byte, and "Byte 0x3F1", as the lists call it.
std::string rawByteName(std::size_t offset);
std::string rawByteLabel(std::size_t offset);

} // namespace kvr
