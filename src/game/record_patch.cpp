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

// The keys a patch must hold, and may; those each change must hold, and may. Every
// other key is refused.
constexpr std::array<std::string_view, 2> kPatchKeys = {"kvpatch", "changes"};
constexpr std::array<std::string_view, 6> kPatchOptionalKeys = {"kvpatch",     "title",     "author",
                                                                "description", "made_with", "changes"};
constexpr std::array<std::string_view, 3> kChangeKeys = {"field", "from", "to"};
constexpr std::array<std::string_view, 4> kChangeOptionalKeys = {"field", "label", "from", "to"};

// The texts a patch says about itself, with how long each may be.
struct AboutText {
    std::string_view key;
    std::string PatchAbout::*text;
    std::size_t maxChars;
    bool lines; // may hold line breaks and tabs
};
constexpr std::array<AboutText, 4> kAboutTexts = {{
    {"title", &PatchAbout::title, kMaxPatchTitleChars, false},
    {"author", &PatchAbout::author, kMaxPatchAuthorChars, false},
    {"description", &PatchAbout::description, kMaxPatchDescriptionChars, true},
    {"made_with", &PatchAbout::madeWith, kMaxPatchMadeWithChars, false},
}};

// The first control character of UTF-8 `text` (C0, DEL or C1), leaving out line breaks
// and tabs where they are allowed; a title shown in a list or a terminal obeys none.
std::optional<std::string> controlCharacter(const std::string& text, bool lines)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (lines && (c == '\n' || c == '\r' || c == '\t'))
            continue;
        if (c < 0x20 || c == 0x7F)
            return text.substr(i, 1);
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0)
            return text.substr(i, 2);
    }
    return std::nullopt;
}

std::size_t characters(const std::string& utf8)
{
    return std::size_t(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

PatchAbout aboutFrom(const json& j)
{
    PatchAbout about;
    for (const AboutText& t : kAboutTexts) {
        if (!j.contains(t.key))
            continue;
        const json& value = j[std::string(t.key)];
        const std::string key(t.key);
        if (!value.is_string())
            throw GeneralError(fillIn(KVR_TR_NOOP("Import and export", "\"%1\": expected text"), {key}));
        const std::string text = value.get<std::string>();
        if (const std::size_t n = characters(text); n > t.maxChars)
            throw GeneralError(fillIn(KVR_TR_NOOP("Import and export", "\"%1\": %2 characters, it may hold at most %3"),
                                      {key, std::to_string(n), std::to_string(t.maxChars)}));
        if (const auto control = controlCharacter(text, t.lines))
            throw GeneralError(fillIn(KVR_TR_NOOP("Import and export", "\"%1\": holds the control character %2"),
                                      {key, quotedForMessage(*control)}));
        about.*t.text = text;
    }
    return about;
}

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
    Message shownLabel() const { return field ? fieldLabel(*field) : Message(rawByteLabel(offset)); }
    // The value as the editors show it.
    std::string text(const json& value, const SettingsRecord& around) const
    {
        SettingsRecord r = around;
        set(r, value);
        return field ? fieldValueText(*field, r) : std::to_string(r.byte(offset));
    }
    Message shown(const json& value, const SettingsRecord& around) const
    {
        SettingsRecord r = around;
        set(r, value);
        return field ? fieldValue(*field, r) : Message(std::to_string(r.byte(offset)));
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
    if (const auto key = unknownKey(j, kPatchOptionalKeys))
        throw GeneralError(
            fillIn(KVR_TR_NOOP("Import and export", "unknown key \"%1\": a patch holds only \"kvpatch\", \"title\", "
                                                    "\"author\", \"description\", \"made_with\" and \"changes\""),
                   {quotedForMessage(*key)}));
    if (j["kvpatch"] != kPatchFormatVersion)
        throw GeneralError(fillIn(KVR_TR_NOOP("Import and export", "patch format %1: this editor reads format %2"),
                                  {quotedJson(j["kvpatch"]), std::to_string(kPatchFormatVersion)}));
    const json& changes = j["changes"];
    if (!changes.is_array())
        throw GeneralError(KVR_TR_NOOP("Import and export", "\"changes\": expected an array"));
    RecordPatch patch;
    patch.about = aboutFrom(j);
    // The change that writes each byte: one byte is one value, whatever it is called.
    std::vector<std::optional<std::size_t>> writer(rec::kSize);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const json& c = changes[i];
        const std::string number = std::to_string(i + 1);
        // A label is for people reading the file; the field says what is changed.
        if (!c.is_object() || !holdsAll(c, kChangeKeys) || unknownKey(c, kChangeOptionalKeys))
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

RecordPatch makeValuesPatch(const SettingsRecord& base, const SettingsRecord& changed)
{
    RecordPatch patch;
    for (const RecordField& f : recordFields()) {
        if (f.offset == rec::kDescription)
            continue;
        const json before = fieldJson(f, base);
        const json after = fieldJson(f, changed);
        if (before != after)
            patch.changes.push_back({fieldName(f), before, after});
    }
    return patch;
}

ordered_json patchJson(const RecordPatch& patch)
{
    ordered_json changes = ordered_json::array();
    for (const PatchChange& c : patch.changes) {
        const auto target = targetOf(c.name);
        changes.push_back(
            {{"field", c.name}, {"label", target ? target->label() : std::string()}, {"from", c.from}, {"to", c.to}});
    }
    ordered_json j;
    j["kvpatch"] = kPatchFormatVersion;
    for (const AboutText& t : kAboutTexts)
        if (!(patch.about.*t.text).empty())
            j[std::string(t.key)] = patch.about.*t.text;
    j["changes"] = std::move(changes);
    return j;
}

std::string patchText(const RecordPatch& patch)
{
    return patchJson(patch).dump(2) + "\n";
}

RecordPatch patchFromJson(const json& j)
{
    try {
        return patchFrom(j);
    } catch (const PatchError&) {
        throw;
    } catch (const GeneralError& e) {
        throw PatchError(messageOf(e));
    }
}

RecordPatch parsePatch(std::string_view text)
{
    try {
        return patchFrom(parseUserJson(text));
    } catch (const PatchError&) {
        throw;
    } catch (const GeneralError& e) {
        throw PatchError(messageOf(e));
    }
}

RecordPatch readPatchFile(const std::filesystem::path& file)
{
    const std::vector<std::uint8_t> bytes = readInputFile(file, kMaxPatchFileBytes);
    return parsePatch(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::vector<PatchByte> patchBytes(const RecordPatch& patch)
{
    std::vector<PatchByte> bytes;
    for (std::size_t i = 0; i < patch.changes.size(); ++i)
        for (const WrittenByte& b : knownTarget(patch.changes[i].name).written(patch.changes[i].to))
            bytes.push_back({b.offset, b.value, i});
    return bytes;
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
                    {p, c.name, target.label(), target.text(c.from, out.record), target.text(found, out.record),
                     target.shown(c.from, out.record), target.shownLabel()});
            target.set(out.record, c.to);
        }
    return out;
}

} // namespace kvr
