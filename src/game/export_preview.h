// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/block_table.h"
#include "game/game_context.h"
#include "game/value_change.h"

#include <optional>
#include <string>
#include <vector>

namespace kvr {

class SettingsRecord;

// What "Export all data" (no editor) or one editor's "Export data into game" would do.
struct ExportPreview {
    std::vector<ValueChange> changes;
    // The export needs the track files and not all are there: the track data cannot be
    // compared; "Export all data" will ask to install them from the game CD before the
    // track data and stop there without them; the track editor's own export fails.
    bool trackFilesMissing = false;
};

// The game's values are read (nothing is written) and compared with the record's. The
// track data is compared only while the track files are there.
ExportPreview previewExport(const GameContext& context, const SettingsRecord& record,
                            std::optional<Editor> editor = std::nullopt);

std::vector<ValueChange> exportChanges(const GameContext& context, const SettingsRecord& record,
                                       std::optional<Editor> editor = std::nullopt);

// The text above the preview's list: what the export will do, and whether it changes
// anything.
Message previewHeading(const ExportPreview& preview, std::optional<Editor> editor);

struct FieldNames;
// The names a preview gives its values: the record's teams and drivers, the game's tracks
// (numbered when the game's cannot be read).
FieldNames fieldNamesOf(const GameContext& context, const SettingsRecord& record);

} // namespace kvr
