// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/record_json.h"

#include "core/errors.h"
#include "core/json_input.h"
#include "core/tr_marker.h"
#include "game/field_json.h"
#include "game/record_fields.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace kvr {
using nlohmann::json;
using nlohmann::ordered_json;

namespace {

constexpr Marked kFieldPattern = KVR_TR_NOOP("Import and export", "field %1: %2");

[[noreturn]] void refuse(const std::string& path, const Message& why)
{
    throw GeneralError(fillIn(kFieldPattern, {quotedForMessage(path), why}));
}

std::string hex(std::span<const std::uint8_t> bytes)
{
    std::string s;
    char buf[3];
    for (std::uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "%02x", b);
        s += buf;
    }
    return s;
}

std::vector<std::uint8_t> unhex(const std::string& s, const std::string& field)
{
    if (s.size() % 2 != 0)
        refuse(field, KVR_TR_NOOP("Import and export", "hex text of odd length"));
    auto digit = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < s.size(); i += 2) {
        if (!digit(s[i]) || !digit(s[i + 1]))
            refuse(field, fillIn(KVR_TR_NOOP("Import and export", "not hex: %1"), {quotedForMessage(s.substr(i, 2))}));
        out.push_back(std::uint8_t(std::stoul(s.substr(i, 2), nullptr, 16)));
    }
    return out;
}

template <typename J> J& at(J& root, const std::vector<std::string>& path)
{
    J* node = &root;
    for (const auto& key : path) {
        if (key[0] == '#') {
            const std::size_t i = std::stoul(key.substr(1));
            if (node->is_null())
                *node = J::array();
            while (node->size() <= i)
                node->push_back(nullptr);
            node = &(*node)[i];
        } else {
            node = &(*node)[key];
        }
    }
    return *node;
}

const json* find(const json& root, const std::vector<std::string>& path)
{
    const json* node = &root;
    for (const auto& key : path) {
        if (key[0] == '#') {
            const std::size_t i = std::stoul(key.substr(1));
            if (!node->is_array() || node->size() <= i)
                return nullptr;
            node = &(*node)[i];
        } else {
            if (!node->is_object() || !node->contains(key))
                return nullptr;
            node = &(*node)[key];
        }
    }
    return node;
}

// The keys of the named fields as a tree; "#n" stands for array index n.
struct KeyTree {
    std::map<std::string, KeyTree> children;
    bool isArray() const { return !children.empty() && children.begin()->first[0] == '#'; }
};

const KeyTree& fieldKeys()
{
    static const KeyTree tree = [] {
        KeyTree t;
        for (const auto& f : recordFields()) {
            KeyTree* node = &t;
            for (const auto& key : f.path)
                node = &node->children[key];
        }
        return t;
    }();
    return tree;
}

std::string indexKey(std::size_t i)
{
    std::string key = "#";
    key += std::to_string(i);
    return key;
}

std::string childPath(const std::string& path, const std::string& key)
{
    return path.empty() ? key : path + "." + key;
}

// Every key and array element of `j` must name a field: anything else would be dropped.
void refuseUnknownKeys(const json& j, const KeyTree& node, const std::string& path)
{
    if (node.children.empty())
        return; // a value; applyField checks it
    if (node.isArray()) {
        if (!j.is_array())
            refuse(path, fillIn(KVR_TR_NOOP("Import and export", "expected an array of %1"),
                                {std::to_string(node.children.size())}));
        if (j.size() > node.children.size())
            refuse(path + "[" + std::to_string(node.children.size()) + "]",
                   fillIn(KVR_TR_NOOP("Import and export", "no such element: the array holds %1"),
                          {std::to_string(node.children.size())}));
        for (std::size_t i = 0; i < j.size(); ++i)
            refuseUnknownKeys(j[i], node.children.at(indexKey(i)), path + "[" + std::to_string(i) + "]");
        return;
    }
    if (!j.is_object())
        refuse(path, KVR_TR_NOOP("Import and export", "expected an object"));
    for (const auto& [key, value] : j.items()) {
        if (path.empty() && (key == "unused" || key == "raw_bytes"))
            continue;
        const auto child = node.children.find(key);
        if (child == node.children.end() || key[0] == '#')
            refuse(childPath(path, key), KVR_TR_NOOP("Import and export", "no such field"));
        refuseUnknownKeys(value, child->second, childPath(path, key));
    }
}

SettingsRecord fromFields(const json& j, bool requireAll)
{
    SettingsRecord r;
    for (const auto& f : recordFields()) {
        const json* v = find(j, f.path);
        if (!v) {
            if (requireAll)
                throw GeneralError(fillIn(KVR_TR_NOOP("Import and export", "field %1 is missing"), {fieldName(f)}));
            continue;
        }
        setFieldJson(r, f, *v);
    }
    return r;
}

struct Unused {
    const char* name;
    std::size_t offset;
    std::size_t size;
};
constexpr Unused kUnused[] = {
    {"0x000", rec::kUnused0, 1},
    {"0x74B", rec::kUnused74B, rec::kUnused74BSize},
    {"0xB12", rec::kUnusedB12, rec::kUnusedB12Size},
};

// Who gave each byte so far: a raw byte may only say what the named fields cannot (the
// byte of a switch that shows as true, a name's length past its field), never give a
// byte again.
class GivenBytes {
  public:
    explicit GivenBytes(const SettingsRecord& fromFields) : m_fields(fromFields), m_field(rec::kSize, nullptr)
    {
        for (const RecordField& f : recordFields())
            for (std::size_t i = 0; i < valueSpan(f, fromFields); ++i)
                m_field[f.offset + i] = &f;
        m_by.resize(rec::kSize);
    }

    void give(SettingsRecord& r, std::size_t offset, std::span<const std::uint8_t> bytes, const std::string& by)
    {
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const std::size_t at = offset + i;
            const RecordField* field = m_field[at];
            if (!m_by[at].empty())
                twice(by, at, m_by[at]);
            if (field && m_fields.byte(at) == bytes[i])
                twice(by, at, fieldName(*field));
            m_by[at] = by;
            r.setByte(at, bytes[i]);
        }
    }

    // Once every byte is in: a field whose value a raw byte changed was given twice.
    void check(const SettingsRecord& r) const
    {
        for (std::size_t at = 0; at < rec::kSize; ++at)
            if (const RecordField* field = m_field[at]; field && !m_by[at].empty())
                if (fieldJson(*field, r) != fieldJson(*field, m_fields))
                    twice(m_by[at], at, fieldName(*field));
    }

  private:
    [[noreturn]] static void twice(const std::string& by, std::size_t at, const std::string& first)
    {
        refuse(by, fillIn(KVR_TR_NOOP("Import and export", "byte %1 is given by %2 already"),
                          {rawByteKey(at), quotedForMessage(first)}));
    }

    const SettingsRecord& m_fields;
    std::vector<const RecordField*> m_field;
    std::vector<std::string> m_by;
};

const json& object(const json& j, const std::string& key)
{
    const json& o = j[key];
    if (!o.is_object())
        refuse(key, KVR_TR_NOOP("Import and export", "expected an object"));
    return o;
}

std::vector<std::uint8_t> hexValue(const json& value, const std::string& path)
{
    if (!value.is_string())
        refuse(path, KVR_TR_NOOP("Import and export", "expected hex text"));
    return unhex(value.get<std::string>(), path);
}

} // namespace

ordered_json recordToJson(const SettingsRecord& record)
{
    ordered_json j = ordered_json::object();
    for (const auto& f : recordFields()) {
        at(j, f.path) = ordered_json(fieldJson(f, record));
    }
    ordered_json unused = ordered_json::object();
    for (const auto& u : kUnused)
        unused[u.name] = hex(record.bytes().subspan(u.offset, u.size));
    j["unused"] = unused;

    // Whatever the fields above cannot carry, byte for byte.
    SettingsRecord rebuilt = fromFields(json::parse(j.dump()), true);
    for (const auto& u : kUnused)
        std::copy_n(record.bytes().begin() + std::ptrdiff_t(u.offset), u.size,
                    rebuilt.bytes().begin() + std::ptrdiff_t(u.offset));
    ordered_json residue = ordered_json::object();
    for (std::size_t i = 0; i < rec::kSize;) {
        if (record.byte(i) == rebuilt.byte(i)) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < rec::kSize && record.byte(end) != rebuilt.byte(end))
            ++end;
        residue[rawByteKey(i)] = hex(record.bytes().subspan(i, end - i));
        i = end;
    }
    if (!residue.empty())
        j["raw_bytes"] = residue;
    return j;
}

SettingsRecord recordFromJson(const json& j)
{
    if (!j.is_object())
        throw GeneralError(KVR_TR_NOOP("Import and export", "expected a JSON object"));
    refuseUnknownKeys(j, fieldKeys(), "");
    const SettingsRecord fields = fromFields(j, true);
    SettingsRecord r = fields;
    GivenBytes given(fields);
    if (j.contains("unused")) {
        const json& unused = object(j, "unused");
        for (const auto& item : unused.items()) {
            const std::string& key = item.key();
            if (std::none_of(std::begin(kUnused), std::end(kUnused), [&](const Unused& u) { return key == u.name; }))
                refuse("unused." + key, KVR_TR_NOOP("Import and export",
                                                    "no such field: the unused bytes are at 0x000, 0x74B and 0xB12"));
        }
        for (const auto& u : kUnused) {
            if (!unused.contains(u.name))
                continue;
            const std::string path = std::string("unused.") + u.name;
            const auto bytes = hexValue(unused[u.name], path);
            if (bytes.size() != u.size)
                refuse(path, fillIn(KVR_TR_NOOP("Import and export", "expected %1 bytes"), {std::to_string(u.size)}));
            given.give(r, u.offset, bytes, path);
        }
    }
    if (j.contains("raw_bytes")) {
        for (const auto& [key, value] : object(j, "raw_bytes").items()) {
            const std::string path = "raw_bytes." + key;
            const std::optional<std::size_t> offset = rawByteOffset(key);
            if (!offset)
                refuse(path, fillIn(KVR_TR_NOOP("Import and export", "bad offset, expected a place from 0x000 to %1"),
                                    {rawByteKey(rec::kSize - 1)}));
            const auto bytes = hexValue(value, path);
            if (bytes.size() > rec::kSize - *offset)
                refuse(path, fillIn(KVR_TR_NOOP("Import and export",
                                                "%1 bytes run past the end of the record (its last byte is %2)"),
                                    {std::to_string(bytes.size()), rawByteKey(rec::kSize - 1)}));
            given.give(r, *offset, bytes, path);
        }
    }
    given.check(r);
    return r;
}

SettingsRecord recordFromJsonText(std::string_view text)
{
    return recordFromJson(parseUserJson(text));
}

} // namespace kvr
