#include "game/export_preview.h"

#include "core/settings_record.h"
#include "game/import_export.h"
#include "game/record_fields.h"

namespace kvr {

std::string ValueChange::line() const
{
    return label + ": " + before + " \u2192 " + after + (unit.empty() ? "" : " " + unit);
}

std::vector<ValueChange> exportChanges(const GameContext& context, const SettingsRecord& record,
                                       std::optional<Editor> editor)
{
    // Reading into a copy keeps every value the game does not hold as the record has it.
    SettingsRecord game = record;
    readGameValues(context, game, editor);
    std::vector<ValueChange> changes;
    for (const RecordField& field : shownFields()) {
        if (!field.editor || (editor && field.editor != editor))
            continue;
        const std::string before = fieldValueText(field, game);
        const std::string after = fieldValueText(field, record);
        if (before != after)
            changes.push_back({fieldName(field), field.label, before, after, field.unit});
    }
    return changes;
}

} // namespace kvr
