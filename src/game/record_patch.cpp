// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/record_patch.h"

#include "core/errors.h"
#include "core/input_file.h"
#include "core/json_input.h"
#include "core/tr_marker.h"
#include "game/field_json.h"
#include "game/record_fields.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <utility>

namespace kvr {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

constexpr std::string_view kRawPrefix = "raw_bytes.";

// The keys a patch holds, and each of its changes; every other key is refused.
constexpr std::array<std::string_view, 2> kPatchKeys = {"kvpatch", "changes"};
constexpr std::array<std::string_view, 3> kChangeKeys = {"field", "from", "to"};

// The first key of `object` that is not one of `known`.
template <std::size_t N>
std::optional<std::string> unknownKey(const json& object, const std::array<std::string_view, N>& known)
{
    for (const auto& item : object.items())
        if (std::find(known.begin(), known.end(), item.key()) == known.end())
            return item.key();
    return std::nullopt;
}

template <std::size_t N> bool holdsAll(const json& object, const std::array<std::string_view, N>& keys)
{
    return std::all_of(keys.begin(), keys.end(), [&](std::string_view k) { return object.contains(k); });
}

// One byte a change writes, with its value.
struct WrittenByte {
    std::size_t offset;
    std::uint8_t value;
};

// What a change names: a field of the table, or one byte of the record.
struct Target {
    const RecordField* field = nullptr;
    std::size_t offset = 0;

    std::string name() const { return field ? fieldName(*field) : rawByteName(offset); }
    json current(const SettingsRecord& r) const { return field ? fieldJson(*field, r) : json(r.byte(offset)); }
    void set(SettingsRecord& r, const json& value) const
    {
        if (field) {
            setFieldJson(r, *field, value);
            return;
        }
        const auto n = wholeNumber(value);
        if (!n || *n > 255)
            throw GeneralError(fillIn(
                KVR_TR_NOOP("Import and export", "field %1: %2"),
                {name(), fillIn(KVR_TR_NOOP("Import and export", "expected a whole number from 0 to %1"), {"255"})}));
        r.setByte(offset, std::uint8_t(*n));
    }
    std::string label() const { return field ? field->label : rawByteLabel(offset); }
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
    // The bytes setting `value` writes: a text's length and characters, not what follows.
    std::vector<WrittenByte> written(const json& value) const
    {
        SettingsRecord r;
        set(r, value);
        const std::size_t from = field ? field->offset : offset;
        const std::size_t count = field ? valueSpan(*field, r) : 1;
        std::vector<WrittenByte> bytes;
        for (std::size_t i = from; i < from + count; ++i)
            bytes.push_back({i, r.byte(i)});
        return bytes;
    }
};

std::optional<Target> targetOf(std::string_view name)
{
    if (const RecordField* f = findField(name))
        return Target{f, 0};
    if (!name.starts_with(kRawPrefix))
        return std::nullopt;
    if (const auto offset = rawByteOffset(name.substr(kRawPrefix.size())))
        return Target{nullptr, *offset};
    return std::nullopt;
}

Target knownTarget(const std::string& name)
{
    const auto target = targetOf(name);
    if (!target)
        throw GeneralError(
            fillIn(KVR_TR_NOOP("Import and export", "field %1: no such field"), {quotedForMessage(name)}));
    return *target;
}

RecordPatch patchFrom(const json& j)
{
    if (!j.is_object() || !holdsAll(j, kPatchKeys))
        throw GeneralError(
            KVR_TR_NOOP("Import and export", "not a patch: expected an object with \"kvpatch\" and \"changes\""));
    if (const auto key = unknownKey(j, kPatchKeys))
        throw GeneralError(fillIn(
            KVR_TR_NOOP("Import and export", "unknown key \"%1\": a patch holds only \"kvpatch\" and \"changes\""),
            {quotedForMessage(*key)}));
    if (j["kvpatch"] != kPatchFormatVersion)
        throw GeneralError(fillIn(KVR_TR_NOOP("Import and export", "patch format %1: this editor reads format %2"),
                                  {quotedJson(j["kvpatch"]), std::to_string(kPatchFormatVersion)}));
    const json& changes = j["changes"];
    if (!changes.is_array())
        throw GeneralError(KVR_TR_NOOP("Import and export", "\"changes\": expected an array"));
    RecordPatch patch;
    // The change that writes each byte: one byte is one value, whatever it is called.
    std::vector<std::optional<std::size_t>> writer(rec::kSize);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const json& c = changes[i];
        const std::string number = std::to_string(i + 1);
        if (!c.is_object() || !holdsAll(c, kChangeKeys) || unknownKey(c, kChangeKeys))
            throw GeneralError(fillIn(
                KVR_TR_NOOP("Import and export", "change %1: expected an object with \"field\", \"from\" and \"to\""),
                {number}));
        if (!c["field"].is_string())
            throw GeneralError(
                fillIn(KVR_TR_NOOP("Import and export", "change %1: \"field\" must be a name"), {number}));
        const Target target = knownTarget(c["field"].get<std::string>());
        // One spelling per byte, so that "0x74b" and "0x074B" meet as the same value.
        const std::string name = target.name();
        PatchChange change{name, target.canonical(c["from"]), target.canonical(c["to"])};
        for (const WrittenByte& b : target.written(change.to)) {
            if (!writer[b.offset]) {
                writer[b.offset] = i;
                continue;
            }
            const std::string& other = patch.changes[*writer[b.offset]].name;
            if (other == name)
                throw GeneralError(
                    fillIn(KVR_TR_NOOP("Import and export", "field %1: named twice in the patch"), {name}));
            throw GeneralError(
                fillIn(KVR_TR_NOOP("Import and export", "field %1: changes byte %2, which %3 changes too"),
                       {name, rawByteKey(b.offset), other}));
        }
        patch.changes.push_back(std::move(change));
    }
    return patch;
}

} // namespace

RecordPatch makePatch(const SettingsRecord& base, const SettingsRecord& changed)
{
    RecordPatch patch;
    SettingsRecord r = base;
    for (const RecordField& f : recordFields()) {
        const json now = fieldJson(f, r);
        const json wanted = fieldJson(f, changed);
        if (now == wanted)
            continue;
        // A field that cannot hold the changed bytes (an on/off byte of 2, a name's length
        // past its field) is left to the raw bytes below, so no byte is named twice.
        SettingsRecord tried = r;
        setFieldJson(tried, f, wanted);
        const std::size_t span = valueSpan(f, tried);
        if (!std::equal(tried.bytes().begin() + std::ptrdiff_t(f.offset),
                        tried.bytes().begin() + std::ptrdiff_t(f.offset + span),
                        changed.bytes().begin() + std::ptrdiff_t(f.offset)))
            continue;
        patch.changes.push_back({fieldName(f), now, wanted});
        r = tried;
    }
    // What the fields cannot say, byte by byte.
    for (std::size_t i = 0; i < rec::kSize; ++i)
        if (r.byte(i) != changed.byte(i))
            patch.changes.push_back({rawByteName(i), r.byte(i), changed.byte(i)});
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
    try {
        return patchFrom(parseUserJson(text));
    } catch (const PatchError&) {
        throw;
    } catch (const GeneralError& e) {
        throw PatchError(e.what());
    }
}

RecordPatch readPatchFile(const std::filesystem::path& file)
{
    const std::vector<std::uint8_t> bytes = readInputFile(file, kMaxPatchFileBytes);
    return parsePatch(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

PatchOutcome applyPatches(const SettingsRecord& base, const std::vector<RecordPatch>& patches, OnConflict onConflict)
{
    PatchOutcome out{base, {}, {}};
    if (onConflict == OnConflict::Refuse) {
        // Conflicts are about bytes: two names of one byte setting it differently conflict.
        struct Writer {
            std::size_t patch, change;
            std::uint8_t value;
        };
        std::vector<std::optional<Writer>> first(rec::kSize);
        std::set<std::array<std::size_t, 4>> named;
        for (std::size_t p = 0; p < patches.size(); ++p)
            for (std::size_t i = 0; i < patches[p].changes.size(); ++i) {
                const PatchChange& c = patches[p].changes[i];
                for (const WrittenByte& b : knownTarget(c.name).written(c.to)) {
                    std::optional<Writer>& w = first[b.offset];
                    if (!w) {
                        w = Writer{p, i, b.value};
                        continue;
                    }
                    if (w->patch == p || w->value == b.value || !named.insert({w->patch, w->change, p, i}).second)
                        continue;
                    const PatchChange& earlier = patches[w->patch].changes[w->change];
                    out.conflicts.push_back({earlier.name, c.name, b.offset, w->patch, p, earlier.to, c.to});
                }
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

} // namespace kvr
