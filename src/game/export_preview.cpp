// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/export_preview.h"

#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "game/import_export.h"
#include "core/game_file.h"
#include "editors/track/track_data.h"
#include "game/record_fields.h"

namespace kvr {

FieldNames fieldNamesOf(const GameContext& context, const SettingsRecord& record)
{
    FieldNames names;
    names.record = &record;
    try {
        GameFile exe = GameFile::openToRead(context.executable());
        names.tracks = readTrackNames(exe, context.version);
    } catch (const std::exception&) {
        // Without the game's names the tracks are numbered.
    }
    return names;
}

ExportPreview previewExport(const GameContext& context, const SettingsRecord& record, std::optional<Editor> editor)
{
    // Reading into a copy keeps every value the game does not hold as the record has it.
    SettingsRecord game = record;
    readGameValues(context, game, editor);
    ExportPreview preview;
    const FieldNames names = fieldNamesOf(context, record);
    for (const RecordField& field : shownFields()) {
        if (!field.editor || (editor && field.editor != editor))
            continue;
        if (fieldValueText(field, game) != fieldValueText(field, record))
            preview.changes.push_back({fieldName(field), fieldLabel(field), fieldValue(field, game),
                                       fieldValue(field, record), field.unit, fieldLabel(field, &names)});
    }
    preview.trackFilesMissing = lacksTrackFiles(context, editor);
    return preview;
}

std::vector<ValueChange> exportChanges(const GameContext& context, const SettingsRecord& record,
                                       std::optional<Editor> editor)
{
    return previewExport(context, record, editor).changes;
}

Message previewHeading(const ExportPreview& preview, std::optional<Editor> editor)
{
    if (!preview.trackFilesMissing)
        return preview.changes.empty()
                   ? KVR_TR_NOOP("Import and export", "Nothing to change: the game holds these values already.")
                   : KVR_TR_NOOP("Import and export", "These values will change in the game:");
    if (editor)
        return KVR_TR_NOOP("Import and export",
                           "The track files are missing from the game's CIRCUITS folder: this export will fail "
                           "with the track file error and change nothing.");
    Message text = KVR_TR_NOOP(
        "Import and export", "The track files are missing from the game's CIRCUITS folder, so the track data "
                             "cannot be compared. After the other values, the export will ask to install the track "
                             "files from the game CD, and without them it stops before the track data.");
    return text + "\n\n" +
           (preview.changes.empty()
                ? KVR_TR_NOOP("Import and export", "Nothing else will change: the game holds the other values already.")
                : KVR_TR_NOOP("Import and export", "These values will change in the game:"));
}

} // namespace kvr
