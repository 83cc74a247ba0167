// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/record_patch.h"

#include "core/json_input.h"
#include "core/tr_marker.h"
#include "game/field_json.h"
#include "game/record_fields.h"
#include "game/value_change.h"

#include <map>

namespace kvr {
namespace {

struct PreviewLine {
    Message text;
    bool unexpected = false;
};

// A field's whole place, the text after a name's end too: a changed name is one line.
std::size_t placeOf(const RecordField& f)
{
    switch (f.kind) {
    case FieldKind::Word:
        return 2;
    case FieldKind::Text:
        return f.capacity + 1;
    default:
        return 1;
    }
}

std::vector<PreviewLine> previewOf(const SettingsRecord& current, const PatchOutcome& outcome,
                                   const std::vector<std::string>& trackNames)
{
    std::map<std::string, Message> expected;
    for (const UnexpectedValue& u : outcome.unexpected)
        expected.try_emplace(u.name, u.expectedShown.empty() ? Message(u.expected) : u.expectedShown);
    std::vector<PreviewLine> lines;
    auto add = [&](const ValueChange& change) {
        const auto mark = expected.find(change.name);
        if (mark == expected.end())
            lines.push_back({change.namedLine(), false});
        else
            lines.push_back({fillIn(KVR_TR_NOOP("Import and export", "%1 (the patch expects %2)"),
                                    {change.namedLine(), mark->second}),
                             true});
    };
    FieldNames names{&current, trackNames};
    std::vector<bool> shown(rec::kSize, false);
    for (const RecordField& f : recordFields()) {
        if (fieldValueText(f, current) == fieldValueText(f, outcome.record))
            continue;
        add({fieldName(f), fieldLabel(f), fieldValue(f, current), fieldValue(f, outcome.record), f.unit,
             fieldLabel(f, &names)});
        for (std::size_t i = 0; i < placeOf(f); ++i)
            shown[f.offset + i] = true;
    }
    for (std::size_t i = 0; i < rec::kSize; ++i)
        if (!shown[i] && current.byte(i) != outcome.record.byte(i))
            add({rawByteName(i), rawByteLabel(i), std::to_string(current.byte(i)),
                 std::to_string(outcome.record.byte(i)), {}, {}});
    return lines;
}

} // namespace

std::vector<Message> patchPreviewLines(const SettingsRecord& current, const PatchOutcome& outcome,
                                       const std::vector<std::string>& trackNames)
{
    std::vector<Message> lines;
    for (PreviewLine& line : previewOf(current, outcome, trackNames))
        lines.push_back(std::move(line.text));
    return lines;
}

Message patchPreviewHeading(const SettingsRecord& current, const PatchOutcome& outcome)
{
    if (current == outcome.record)
        return KVR_TR_NOOP("Import and export", "Nothing to change: the settings hold these values already.");
    std::size_t marked = 0;
    for (const PreviewLine& line : previewOf(current, outcome, {}))
        marked += line.unexpected ? 1 : 0;
    if (marked == 0)
        return KVR_TR_NOOP("Import and export", "These values will change:");
    if (marked == 1)
        return KVR_TR_NOOP("Import and export", "These values will change. The marked one holds something other than "
                                                "the value the patch expects to replace; it changes all the same:");
    return fillIn(KVR_TR_NOOP("Import and export", "These values will change. The %1 marked ones hold something other "
                                                   "than the values the patch expects to replace; they change all the "
                                                   "same:"),
                  {std::to_string(marked)});
}

std::string conflictText(const PatchConflict& conflict, const std::vector<std::string>& patchNames)
{
    auto nameOf = [&](std::size_t p) {
        return p < patchNames.size() ? patchNames[p] : "patch " + std::to_string(p + 1);
    };
    const std::string first = nameOf(conflict.firstPatch);
    const std::string second = nameOf(conflict.secondPatch);
    const std::string firstValue = quotedJson(conflict.firstValue);
    const std::string secondValue = quotedJson(conflict.secondValue);
    if (conflict.firstName == conflict.secondName)
        return conflict.firstName + ": " + first + " sets " + firstValue + ", " + second + " sets " + secondValue;
    return conflict.firstName + " and " + conflict.secondName + " share byte " + rawByteKey(conflict.byte) + ": " +
           first + " sets " + conflict.firstName + " to " + firstValue + ", " + second + " sets " +
           conflict.secondName + " to " + secondValue;
}

} // namespace kvr
