// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"
#include "game/block_table.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kvr {

class SettingsRecord;

enum class FieldKind { Byte, Word, Flag, Text };

// Whose value a field is: the label's %1, named as the windows name it.
enum class FieldSubject { None, Team, TeamEngine, Car, Slot, Track };

// One named value of the settings record: its name in the JSON form of a settings file,
// what the editors call it, and the editor that moves it between the record and the game.
struct RecordField {
    std::vector<std::string> path; // JSON keys; "#n" stands for array index n
    std::size_t offset = 0;
    FieldKind kind = FieldKind::Byte;
    std::size_t capacity = 0;      // characters of a text
    std::optional<Editor> editor;  // none: the record's own (description, team switches)
    std::string label;             // "Team 3 engine, qualifying": fieldLabel() in English, numbered
    Message unit;                  // shown after a number: "BHP"
    Marked pattern{"", ""};        // the label: "%1, qualifying", %1 the subject, then `details`
    FieldSubject subject = FieldSubject::None;
    int number = 0;                // the team, car, slot or track (from 1)
    std::vector<Message> details;
};

// The names the windows show, for labels that name their subject: the teams', engines' and
// drivers' from the record, the tracks' as the game holds them (Windows ANSI bytes).
struct FieldNames {
    const SettingsRecord* record = nullptr;
    std::vector<std::string> tracks;
};

// What the editors call the field: "Halvex-Mordane V8, qualifying" with names, "Team 3
// engine, qualifying" without (or where the name is empty).
Message fieldLabel(const RecordField& field, const FieldNames* names = nullptr);

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
Message fieldValue(const RecordField& field, const SettingsRecord& record);

} // namespace kvr
