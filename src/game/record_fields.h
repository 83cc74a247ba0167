// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/block_table.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kvr {

class SettingsRecord;

enum class FieldKind { Byte, Word, Flag, Text };

// One named value of the settings record: its name in the JSON form of a settings file,
// what the editors call it, and the editor that moves it between the record and the game.
struct RecordField {
    std::vector<std::string> path; // JSON keys; "#n" stands for array index n
    std::size_t offset = 0;
    FieldKind kind = FieldKind::Byte;
    std::size_t capacity = 0;      // characters of a text
    std::optional<Editor> editor;  // none: the record's own (description, team switches)
    std::string label;             // "Team 3 engine, qualifying"
    std::string unit;              // shown after a number: "BHP"
};

// Every named field, in the order of the JSON form.
const std::vector<RecordField>& recordFields();

// The values as the editors show them, for the lists of what an export would change:
// the fields above, but a track's fuel and tyre consumption, each two bytes in the JSON
// form, are one word each ("track_data[2][9..10]").
const std::vector<RecordField>& shownFields();

// "engine_power.qualifying[2]".
std::string fieldName(const RecordField& field);

// The value as the editors show it: a number, "on"/"off", or a text in quotes (UTF-8).
std::string fieldValueText(const RecordField& field, const SettingsRecord& record);

} // namespace kvr
