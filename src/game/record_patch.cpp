#include "game/record_patch.h"

#include "core/errors.h"
#include "game/field_json.h"
#include "game/record_fields.h"
#include "game/value_change.h"

#include <charconv>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

namespace kvr {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

constexpr std::string_view kRawPrefix = "raw_bytes.";

std::string rawName(std::size_t offset)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%03zX", offset);
    return std::string(kRawPrefix) + buf;
}

// What a change names: a field of the table, or one byte of the record.
struct Target {
    const RecordField* field = nullptr;
    std::size_t offset = 0;

    json current(const SettingsRecord& r) const { return field ? fieldJson(*field, r) : json(r.byte(offset)); }
    void set(SettingsRecord& r, const json& value) const
    {
        if (field)
            setFieldJson(r, *field, value);
        else if (value.is_number_integer() && value.get<long>() >= 0 && value.get<long>() <= 255)
            r.setByte(offset, std::uint8_t(value.get<long>()));
        else
            throw GeneralError(
                fillIn(KVR_TR_NOOP("Import and export", "field %1: %2"),
                       {rawName(offset),
                        fillIn(KVR_TR_NOOP("Import and export", "expected a whole number from 0 to %1"), {"255"})}));
    }
    std::string label() const
    {
        return field ? field->label : "Byte " + rawName(offset).substr(kRawPrefix.size());
    }
    std::string unit() const { return field ? field->unit : std::string(); }
    // The value as the editors show it.
    std::string text(const json& value, const SettingsRecord& around) const
    {
        SettingsRecord r = around;
        set(r, value);
        return field ? fieldValueText(*field, r) : std::to_string(r.byte(offset));
    }
    // The value as the JSON form writes it; refuses one out of the field's range.
    json canonical(const json& value) const
    {
        SettingsRecord r;
        set(r, value);
        return current(r);
    }
};

std::optional<Target> targetOf(std::string_view name)
{
    if (const RecordField* f = findField(name))
        return Target{f, 0};
    if (!name.starts_with(kRawPrefix))
        return std::nullopt;
    std::string_view digits = name.substr(kRawPrefix.size());
    if (!digits.starts_with("0x") && !digits.starts_with("0X"))
        return std::nullopt;
    digits.remove_prefix(2);
    std::size_t offset = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), offset, 16);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || offset >= rec::kSize)
        return std::nullopt;
    return Target{nullptr, offset};
}

Target knownTarget(const std::string& name)
{
    const auto target = targetOf(name);
    if (!target)
        throw GeneralError(fillIn(KVR_TR_NOOP("Import and export", "field %1: no such field"), {name}));
    return *target;
}

std::size_t spanOf(const RecordField& f)
{
    switch (f.kind) {
    case FieldKind::Word: return 2;
    case FieldKind::Text: return f.capacity + 1;
    default: return 1;
    }
}

} // namespace

RecordPatch makePatch(const SettingsRecord& base, const SettingsRecord& changed)
{
    RecordPatch patch;
    SettingsRecord r = base;
    for (const RecordField& f : recordFields()) {
        const json now = fieldJson(f, r);
        const json wanted = fieldJson(f, changed);
        if (now != wanted) {
            patch.changes.push_back({fieldName(f), now, wanted});
            setFieldJson(r, f, wanted);
        }
    }
    // What the fields cannot say, byte by byte.
    for (std::size_t i = 0; i < rec::kSize; ++i)
        if (r.byte(i) != changed.byte(i))
            patch.changes.push_back({rawName(i), r.byte(i), changed.byte(i)});
    return patch;
}

std::string patchText(const RecordPatch& patch)
{
    ordered_json changes = ordered_json::array();
    for (const PatchChange& c : patch.changes)
        changes.push_back({{"field", c.name}, {"from", c.from}, {"to", c.to}});
    ordered_json j;
    j["kvpatch"] = kPatchFormatVersion;
    j["changes"] = std::move(changes);
    return j.dump(2) + "\n";
}

RecordPatch parsePatch(std::string_view text)
{
    json j;
    try {
        j = json::parse(text.begin(), text.end());
    } catch (const json::exception& e) {
        throw GeneralError(fillIn(KVR_TR_NOOP("Import and export", "not JSON: %1"), {e.what()}));
    }
    if (!j.is_object() || !j.contains("kvpatch") || !j.contains("changes"))
        throw GeneralError(
            KVR_TR_NOOP("Import and export", "not a patch: expected an object with \"kvpatch\" and \"changes\""));
    for (const auto& item : j.items())
        if (item.key() != "kvpatch" && item.key() != "changes")
            throw GeneralError(fillIn(
                KVR_TR_NOOP("Import and export", "unknown key \"%1\": a patch holds only \"kvpatch\" and \"changes\""),
                {item.key()}));
    if (j["kvpatch"] != kPatchFormatVersion)
        throw GeneralError(fillIn(KVR_TR_NOOP("Import and export", "patch format %1: this editor reads format %2"),
                                  {j["kvpatch"].dump(), std::to_string(kPatchFormatVersion)}));
    const json& changes = j["changes"];
    if (!changes.is_array())
        throw GeneralError(KVR_TR_NOOP("Import and export", "\"changes\": expected an array"));
    RecordPatch patch;
    std::set<std::string> named;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const json& c = changes[i];
        const std::string number = std::to_string(i + 1);
        if (!c.is_object() || c.size() != 3 || !c.contains("field") || !c.contains("from") || !c.contains("to"))
            throw GeneralError(fillIn(
                KVR_TR_NOOP("Import and export", "change %1: expected an object with \"field\", \"from\" and \"to\""),
                {number}));
        if (!c["field"].is_string())
            throw GeneralError(
                fillIn(KVR_TR_NOOP("Import and export", "change %1: \"field\" must be a name"), {number}));
        const Target target = knownTarget(c["field"].get<std::string>());
        // One spelling per byte, so that "0x74b" and "0x074B" meet as the same value.
        const std::string name = target.field ? fieldName(*target.field) : rawName(target.offset);
        if (!named.insert(name).second)
            throw GeneralError(fillIn(KVR_TR_NOOP("Import and export", "field %1: named twice in the patch"), {name}));
        patch.changes.push_back({name, target.canonical(c["from"]), target.canonical(c["to"])});
    }
    return patch;
}

PatchOutcome applyPatches(const SettingsRecord& base, const std::vector<RecordPatch>& patches, OnConflict onConflict)
{
    PatchOutcome out{base, {}, {}};
    if (onConflict == OnConflict::Refuse) {
        std::map<std::string, std::pair<std::size_t, json>> setBy;
        for (std::size_t p = 0; p < patches.size(); ++p)
            for (const PatchChange& c : patches[p].changes) {
                const auto [it, first] = setBy.try_emplace(c.name, p, c.to);
                if (!first && it->second.second != c.to)
                    out.conflicts.push_back({c.name, it->second.first, p, it->second.second, c.to});
            }
        if (!out.conflicts.empty())
            return out;
    }
    for (std::size_t p = 0; p < patches.size(); ++p)
        for (const PatchChange& c : patches[p].changes) {
            const Target target = knownTarget(c.name);
            const json found = target.current(out.record);
            if (found != c.from && found != c.to)
                out.unexpected.push_back(
                    {p, c.name, target.label(), target.text(c.from, out.record), target.text(found, out.record)});
            target.set(out.record, c.to);
        }
    return out;
}

namespace {

struct PreviewLine {
    std::string text;
    bool unexpected = false;
};

std::vector<PreviewLine> previewOf(const SettingsRecord& current, const PatchOutcome& outcome)
{
    std::map<std::string, std::string> expected;
    for (const UnexpectedValue& u : outcome.unexpected)
        expected.try_emplace(u.name, u.expected);
    std::vector<PreviewLine> lines;
    auto add = [&](const ValueChange& change) {
        const auto mark = expected.find(change.name);
        if (mark == expected.end())
            lines.push_back({change.line(), false});
        else
            lines.push_back({change.line() + " (the patch expects " + mark->second + ")", true});
    };
    std::vector<bool> shown(rec::kSize, false);
    for (const RecordField& f : recordFields()) {
        const std::string before = fieldValueText(f, current);
        const std::string after = fieldValueText(f, outcome.record);
        if (before == after)
            continue;
        add({fieldName(f), f.label, before, after, f.unit});
        for (std::size_t i = 0; i < spanOf(f); ++i)
            shown[f.offset + i] = true;
    }
    for (std::size_t i = 0; i < rec::kSize; ++i)
        if (!shown[i] && current.byte(i) != outcome.record.byte(i)) {
            const Target raw{nullptr, i};
            add({rawName(i), raw.label(), std::to_string(current.byte(i)), std::to_string(outcome.record.byte(i)), {}});
        }
    return lines;
}

} // namespace

std::vector<std::string> patchPreviewLines(const SettingsRecord& current, const PatchOutcome& outcome)
{
    std::vector<std::string> lines;
    for (PreviewLine& line : previewOf(current, outcome))
        lines.push_back(std::move(line.text));
    return lines;
}

std::string patchPreviewHeading(const SettingsRecord& current, const PatchOutcome& outcome)
{
    if (current == outcome.record)
        return KVR_TR_NOOP("Import and export", "Nothing to change: the settings hold these values already.");
    std::size_t marked = 0;
    for (const PreviewLine& line : previewOf(current, outcome))
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
    return conflict.name + ": " + nameOf(conflict.firstPatch) + " sets " + conflict.firstValue.dump() + ", " +
           nameOf(conflict.secondPatch) + " sets " + conflict.secondValue.dump();
}

} // namespace kvr
