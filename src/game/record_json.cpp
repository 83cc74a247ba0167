#include "game/record_json.h"

#include "core/errors.h"
#include "game/field_json.h"
#include "game/record_fields.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace kvr {
using nlohmann::json;
using nlohmann::ordered_json;

namespace {

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
        throw kvr::GeneralError("field " + field + ": hex text of odd length");
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < s.size(); i += 2) {
        unsigned v = 0;
        if (std::sscanf(s.substr(i, 2).c_str(), "%2x", &v) != 1 || !std::isxdigit(static_cast<unsigned char>(s[i])) ||
            !std::isxdigit(static_cast<unsigned char>(s[i + 1])))
            throw kvr::GeneralError("field " + field + ": not hex: " + s.substr(i, 2));
        out.push_back(std::uint8_t(v));
    }
    return out;
}

std::string offsetKey(std::size_t offset)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%03zX", offset);
    return buf;
}

// A raw_bytes key: hex digits, with or without "0x", naming a place inside the record.
// Signs, blanks and anything past the record are refused rather than wrapped around.
std::size_t recordOffset(const std::string& key)
{
    std::string_view digits = key;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        digits.remove_prefix(2);
    std::size_t offset = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), offset, 16);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || offset >= rec::kSize)
        throw kvr::GeneralError("field raw_bytes." + key + ": bad offset, expected a place from 0x000 to " +
                                offsetKey(rec::kSize - 1));
    return offset;
}

template <typename J>
J& at(J& root, const std::vector<std::string>& path)
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

[[noreturn]] void refuse(const std::string& path, const std::string& why)
{
    throw kvr::GeneralError("field " + path + ": " + why);
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
        for (const auto& f : kvr::recordFields()) {
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
            refuse(path, "expected an array of " + std::to_string(node.children.size()));
        if (j.size() > node.children.size())
            refuse(path + "[" + std::to_string(node.children.size()) + "]",
                   "no such element: the array holds " + std::to_string(node.children.size()));
        for (std::size_t i = 0; i < j.size(); ++i)
            refuseUnknownKeys(j[i], node.children.at(indexKey(i)), path + "[" + std::to_string(i) + "]");
        return;
    }
    if (!j.is_object())
        refuse(path, "expected an object");
    for (const auto& [key, value] : j.items()) {
        if (path.empty() && (key == "unused" || key == "raw_bytes"))
            continue;
        const auto child = node.children.find(key);
        if (child == node.children.end() || key[0] == '#')
            refuse(childPath(path, key), "no such field");
        refuseUnknownKeys(value, child->second, childPath(path, key));
    }
}

kvr::SettingsRecord fromFields(const json& j, bool requireAll)
{
    kvr::SettingsRecord r;
    for (const auto& f : kvr::recordFields()) {
        const json* v = find(j, f.path);
        if (!v) {
            if (requireAll)
                throw kvr::GeneralError("field " + kvr::fieldName(f) + " is missing");
            continue;
        }
        kvr::setFieldJson(r, f, *v);
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

} // namespace

ordered_json recordToJson(const kvr::SettingsRecord& record)
{
    ordered_json j = ordered_json::object();
    for (const auto& f : kvr::recordFields()) {
        at(j, f.path) = ordered_json(kvr::fieldJson(f, record));
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
        residue[offsetKey(i)] = hex(record.bytes().subspan(i, end - i));
        i = end;
    }
    if (!residue.empty())
        j["raw_bytes"] = residue;
    return j;
}

kvr::SettingsRecord recordFromJson(const json& j)
{
    if (!j.is_object())
        throw kvr::GeneralError("expected a JSON object");
    refuseUnknownKeys(j, fieldKeys(), "");
    SettingsRecord r = fromFields(j, true);
    if (j.contains("unused")) {
        if (!j["unused"].is_object())
            throw kvr::GeneralError("field unused: expected an object");
        for (const auto& item : j["unused"].items()) {
            const std::string& key = item.key();
            if (std::none_of(std::begin(kUnused), std::end(kUnused), [&](const Unused& u) { return key == u.name; }))
                refuse("unused." + key, "no such field: the unused bytes are at 0x000, 0x74B and 0xB12");
        }
        for (const auto& u : kUnused) {
            if (!j["unused"].contains(u.name))
                continue;
            const json& text = j["unused"][u.name];
            if (!text.is_string())
                throw kvr::GeneralError(std::string("field unused.") + u.name + ": expected hex text");
            const auto bytes = unhex(text.get<std::string>(), std::string("unused.") + u.name);
            if (bytes.size() != u.size)
                throw kvr::GeneralError(std::string("field unused.") + u.name + ": expected " +
                                        std::to_string(u.size) + " bytes");
            std::copy(bytes.begin(), bytes.end(), r.bytes().begin() + std::ptrdiff_t(u.offset));
        }
    }
    if (j.contains("raw_bytes")) {
        if (!j["raw_bytes"].is_object())
            throw kvr::GeneralError("field raw_bytes: expected an object");
        for (const auto& [key, value] : j["raw_bytes"].items()) {
            const std::size_t offset = recordOffset(key);
            if (!value.is_string())
                throw kvr::GeneralError("field raw_bytes." + key + ": expected hex text");
            const auto bytes = unhex(value.get<std::string>(), "raw_bytes." + key);
            if (bytes.size() > rec::kSize - offset)
                throw kvr::GeneralError("field raw_bytes." + key + ": " + std::to_string(bytes.size()) +
                                        " bytes run past the end of the record (its last byte is " +
                                        offsetKey(rec::kSize - 1) + ")");
            std::copy(bytes.begin(), bytes.end(), r.bytes().begin() + std::ptrdiff_t(offset));
        }
    }
    return r;
}

} // namespace kvr
