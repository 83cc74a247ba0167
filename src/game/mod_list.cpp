// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/mod_list.h"

#include "core/errors.h"
#include "core/json_input.h"
#include "core/tr_marker.h"
#include "game/field_json.h"
#include "game/record_fields.h"

#include <algorithm>
#include <set>

namespace kvr {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

constexpr int kListFormat = 1;

// The value a byte belongs to: a field's whole place (a name with the text after its
// end), or the byte alone. A user's change and a mod's are compared value by value.
const std::vector<const RecordField*>& fieldAt()
{
    static const std::vector<const RecordField*> at = [] {
        std::vector<const RecordField*> v(rec::kSize, nullptr);
        for (const RecordField& f : recordFields()) {
            const std::size_t place = f.kind == FieldKind::Word ? 2 : f.kind == FieldKind::Text ? f.capacity + 1 : 1;
            for (std::size_t i = f.offset; i < f.offset + place && i < rec::kSize; ++i)
                v[i] = &f;
        }
        return v;
    }();
    return at;
}

std::size_t unitOf(std::size_t offset)
{
    const RecordField* f = fieldAt()[offset];
    return f ? f->offset : offset;
}

std::string unitName(std::size_t unit)
{
    const RecordField* f = fieldAt()[unit];
    return f ? fieldName(*f) : rawByteName(unit);
}

std::string unitValue(std::size_t unit, const SettingsRecord& r)
{
    const RecordField* f = fieldAt()[unit];
    return f ? quotedJson(fieldJson(*f, r)) : std::to_string(r.byte(unit));
}

// The bytes of a value: a field's whole place, or the one byte.
std::vector<std::size_t> unitBytes(std::size_t unit)
{
    const RecordField* f = fieldAt()[unit];
    const std::size_t size = !f ? 1 : f->kind == FieldKind::Word ? 2 : f->kind == FieldKind::Text ? f->capacity + 1 : 1;
    std::vector<std::size_t> bytes;
    for (std::size_t b = unit; b < unit + size && b < rec::kSize; ++b)
        bytes.push_back(b);
    return bytes;
}

template <class Map> std::set<std::size_t> unitsOf(const Map& bytes)
{
    std::set<std::size_t> units;
    for (const auto& [b, v] : bytes)
        units.insert(unitOf(b));
    return units;
}

// Each byte the mods set, with the value of the last one setting it.
std::map<std::size_t, std::uint8_t> winners(const std::vector<ModEntry>& mods)
{
    std::map<std::size_t, std::uint8_t> w;
    for (const ModEntry& m : mods)
        for (const PatchByte& b : patchBytes(m.patch))
            w[b.offset] = b.value;
    return w;
}

// Rewrites the values whose meaning changes from `old` to `mods`, value by value; one
// the user changed since the list wrote it stays, unless a mod just put on sets it.
ModPlan settle(const ModList& old, std::vector<ModEntry> mods, const SettingsRecord& game,
               const std::set<std::size_t>& fresh)
{
    ModPlan plan;
    plan.record = game;
    const auto was = winners(old.mods);
    const auto now = winners(mods);
    plan.list.mods = std::move(mods);
    // What a value held before is kept whole: a shorter name writes its tail anew.
    for (const std::size_t unit : unitsOf(now))
        for (const std::size_t b : unitBytes(unit)) {
            const auto before = old.before.find(b);
            plan.list.before[b] = before != old.before.end() ? before->second : game.byte(b);
        }
    std::set<std::size_t> units = unitsOf(was);
    units.merge(unitsOf(now));
    for (const std::size_t unit : units) {
        // A value some mod still sets takes the bytes they write, and the bytes only a
        // mod now gone wrote go back; one none sets any more gets back every byte it
        // held before.
        std::map<std::size_t, std::uint8_t> target;
        for (const std::size_t b : unitBytes(unit))
            if (const auto set = now.find(b); set != now.end())
                target[b] = set->second;
        const bool stillSet = !target.empty();
        for (const std::size_t b : unitBytes(unit))
            if (!target.contains(b) && (!stillSet || was.contains(b)))
                target[b] = old.before.at(b);
        bool changes = false, userChanged = false, isFresh = false;
        SettingsRecord asSet = game;
        for (const std::size_t b : unitBytes(unit)) {
            const auto t = target.find(b);
            changes = changes || (t != target.end() && t->second != game.byte(b));
            isFresh = isFresh || fresh.contains(b);
            if (const auto w = was.find(b); w != was.end()) {
                userChanged = userChanged || w->second != game.byte(b);
                asSet.setByte(b, w->second);
            }
        }
        if (!changes)
            continue;
        if (userChanged && !isFresh) {
            plan.kept.push_back(fillIn(KVR_TR_NOOP("Mods", "kept: %1 holds %2, not %3 as the mods set it"),
                                       {unitName(unit), unitValue(unit, game), unitValue(unit, asSet)}));
            continue;
        }
        for (const auto& [b, value] : target)
            if (value != game.byte(b)) {
                plan.record.setByte(b, value);
                plan.rewritten.push_back(b);
            }
    }
    return plan;
}

[[noreturn]] void damaged(const Message& why)
{
    throw GeneralError(fillIn(KVR_TR_NOOP("Mods", "not a mod list of this program: %1"), {why}));
}

void checkIndex(const ModList& list, std::size_t index)
{
    if (index >= list.mods.size())
        throw GeneralError(fillIn(KVR_TR_NOOP("Mods", "There is no mod %1: the list holds %2."),
                                  {std::to_string(index + 1), std::to_string(list.mods.size())}));
}

} // namespace

std::string ModEntry::name() const
{
    if (!patch.about.title.empty())
        return patch.about.title;
    std::string n = file;
    if (n.size() > 8 && n.ends_with(".kvpatch"))
        n.resize(n.size() - 8);
    return n;
}

std::string modListText(const ModList& list)
{
    ordered_json mods = ordered_json::array();
    for (const ModEntry& m : list.mods)
        mods.push_back({{"file", m.file}, {"patch", patchJson(m.patch)}});
    ordered_json before = ordered_json::object();
    for (const auto& [b, v] : list.before)
        before[rawByteKey(b)] = v;
    ordered_json j;
    j["kvrdesk_mods"] = kListFormat;
    j["mods"] = std::move(mods);
    j["before"] = std::move(before);
    return j.dump(2) + "\n";
}

ModList parseModList(std::string_view text)
{
    const json j = parseUserJson(text);
    if (!j.is_object() || j.size() != 3 || j.value("kvrdesk_mods", json()) != kListFormat || !j.contains("mods") ||
        !j["mods"].is_array() || !j.contains("before") || !j["before"].is_object())
        damaged(KVR_TR_NOOP("Mods", "expected \"kvrdesk_mods\": 1, \"mods\" and \"before\""));
    ModList list;
    for (std::size_t i = 0; i < j["mods"].size(); ++i) {
        const json& m = j["mods"][i];
        const std::string place = std::to_string(i + 1);
        if (!m.is_object() || m.size() != 2 || !m.contains("file") || !m["file"].is_string() || !m.contains("patch"))
            damaged(fillIn(KVR_TR_NOOP("Mods", "mod %1: expected \"file\" and \"patch\""), {place}));
        try {
            list.mods.push_back({m["file"].get<std::string>(), patchFromJson(m["patch"])});
        } catch (const PatchError& e) {
            damaged(fillIn(KVR_TR_NOOP("Mods", "mod %1: %2"), {place, messageOf(e)}));
        }
    }
    for (const auto& [key, value] : j["before"].items()) {
        const auto offset = rawByteOffset(key);
        const auto n = wholeNumber(value);
        if (!offset || !n || *n > 255)
            damaged(fillIn(KVR_TR_NOOP("Mods", "before %1: expected a place and a byte"), {quotedForMessage(key)}));
        list.before[*offset] = std::uint8_t(*n);
    }
    // Each byte a mod sets has what it held before, and nothing else has.
    std::set<std::size_t> set, kept;
    for (const std::size_t unit : unitsOf(winners(list.mods)))
        for (const std::size_t b : unitBytes(unit))
            set.insert(b);
    for (const auto& [b, v] : list.before)
        kept.insert(b);
    if (set != kept)
        damaged(KVR_TR_NOOP("Mods", "the values before the mods do not match the values they set"));
    return list;
}

std::vector<ModConflict> modConflicts(const ModList& list)
{
    // For each value, each mod's bytes of it and the changes that write them.
    struct Setter {
        std::map<std::size_t, std::uint8_t> bytes;
        std::vector<std::size_t> changes;
    };
    std::map<std::size_t, std::map<std::size_t, Setter>> byUnit;
    for (std::size_t m = 0; m < list.mods.size(); ++m)
        for (const PatchByte& b : patchBytes(list.mods[m].patch)) {
            Setter& s = byUnit[unitOf(b.offset)][m];
            s.bytes[b.offset] = b.value;
            if (std::find(s.changes.begin(), s.changes.end(), b.change) == s.changes.end())
                s.changes.push_back(b.change);
        }
    std::vector<ModConflict> conflicts;
    for (const auto& [unit, setters] : byUnit) {
        bool differ = false;
        for (auto a = setters.begin(); a != setters.end() && !differ; ++a)
            for (auto b = std::next(a); b != setters.end() && !differ; ++b)
                for (const auto& [offset, value] : a->second.bytes)
                    if (const auto other = b->second.bytes.find(offset);
                        other != b->second.bytes.end() && other->second != value)
                        differ = true;
        if (!differ)
            continue;
        ModConflict c{unitName(unit), {}, setters.rbegin()->first};
        for (const auto& [m, setter] : setters) {
            std::string value;
            for (const std::size_t i : setter.changes) {
                const PatchChange& change = list.mods[m].patch.changes[i];
                value += value.empty() ? "" : ", ";
                value += (change.name == c.name ? "" : change.name + " ") + quotedJson(change.to);
            }
            c.setBy.push_back({m, value});
        }
        conflicts.push_back(std::move(c));
    }
    return conflicts;
}

std::string conflictLine(const ModList& list, const ModConflict& conflict)
{
    auto mod = [&](std::size_t m) { return std::to_string(m + 1) + " " + quotedForMessage(list.mods[m].name()); };
    std::string line = conflict.name + ":";
    for (std::size_t i = 0; i < conflict.setBy.size(); ++i)
        line += (i ? ", " : " ") + mod(conflict.setBy[i].first) + " sets " + conflict.setBy[i].second;
    return line + "; " + mod(conflict.holds) + " holds";
}

Message modValueLabel(std::string_view name, const FieldNames* names)
{
    if (const RecordField* field = findField(name))
        return fieldLabel(*field, names);
    constexpr std::string_view raw = "raw_bytes.";
    if (name.starts_with(raw))
        if (const auto offset = rawByteOffset(name.substr(raw.size())))
            return rawByteLabel(*offset);
    return std::string(name);
}

ModPlan putOnMods(const ModList& list, const SettingsRecord& game, const std::vector<bool>& held,
                  const std::vector<ModEntry>& mods)
{
    std::vector<ModEntry> all = list.mods;
    std::vector<Message> leftOut;
    std::set<std::size_t> fresh;
    std::vector<RecordPatch> added;
    for (const ModEntry& m : mods) {
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i].name() == m.name())
                throw GeneralError(fillIn(KVR_TR_NOOP("Mods", "A mod named \"%1\" is on the list already (place %2)."),
                                          {quotedForMessage(m.name()), std::to_string(i + 1)}));
        ModEntry copy{m.file, {{}, m.patch.about}};
        const std::vector<PatchByte> bytes = patchBytes(m.patch);
        for (std::size_t i = 0; i < m.patch.changes.size(); ++i) {
            const bool placed = std::all_of(bytes.begin(), bytes.end(), [&](const PatchByte& b) {
                return b.change != i || (b.offset < held.size() && held[b.offset]);
            });
            const PatchChange& change = m.patch.changes[i];
            if (placed)
                copy.patch.changes.push_back(change);
            else
                leftOut.push_back(fillIn(KVR_TR_NOOP("Mods", "left out: %1: %2, which the game holds no place for"),
                                         {quotedForMessage(m.file), change.name}));
        }
        for (const PatchByte& b : patchBytes(copy.patch))
            fresh.insert(b.offset);
        added.push_back(copy.patch);
        all.push_back(std::move(copy));
    }
    ModPlan plan = settle(list, std::move(all), game, fresh);
    plan.leftOut = std::move(leftOut);
    for (const UnexpectedValue& u : applyPatches(game, added, OnConflict::LastWins).unexpected)
        plan.unexpected.push_back(
            fillIn(KVR_TR_NOOP("Mods", "%1: %2 (%3) was %4, the mod expects %5; changed all the same"),
                   {quotedForMessage(mods[u.patch].file), u.name, u.shownLabel, quotedForMessage(u.found, 300),
                    quotedForMessage(u.expected, 300)}));
    return plan;
}

ModPlan takeOffMod(const ModList& list, const SettingsRecord& game, std::size_t index)
{
    checkIndex(list, index);
    std::vector<ModEntry> mods = list.mods;
    mods.erase(mods.begin() + std::ptrdiff_t(index));
    return settle(list, std::move(mods), game, {});
}

ModPlan moveMod(const ModList& list, const SettingsRecord& game, std::size_t index, std::size_t to)
{
    checkIndex(list, index);
    checkIndex(list, to);
    std::vector<ModEntry> mods = list.mods;
    ModEntry moved = std::move(mods[index]);
    mods.erase(mods.begin() + std::ptrdiff_t(index));
    mods.insert(mods.begin() + std::ptrdiff_t(to), std::move(moved));
    return settle(list, std::move(mods), game, {});
}

std::size_t findMod(const ModList& list, std::string_view titleOrPlace)
{
    if (!titleOrPlace.empty() && titleOrPlace.size() < 10 &&
        std::all_of(titleOrPlace.begin(), titleOrPlace.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const std::size_t place = std::stoul(std::string(titleOrPlace));
        if (place == 0)
            throw GeneralError(KVR_TR_NOOP("Mods", "Places on the list are counted from 1."));
        checkIndex(list, place - 1);
        return place - 1;
    }
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < list.mods.size(); ++i)
        if (list.mods[i].name() == titleOrPlace)
            found.push_back(i);
    if (found.empty())
        throw GeneralError(
            fillIn(KVR_TR_NOOP("Mods", "No mod named \"%1\" is on the list."), {quotedForMessage(titleOrPlace)}));
    if (found.size() > 1)
        throw GeneralError(fillIn(KVR_TR_NOOP("Mods", "%1 mods are named \"%2\"; give the place instead."),
                                  {std::to_string(found.size()), quotedForMessage(titleOrPlace)}));
    return found[0];
}

} // namespace kvr
