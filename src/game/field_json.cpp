// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/field_json.h"

#include "core/ansi.h"
#include "core/errors.h"
#include "core/json_input.h"
#include "core/settings_record.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

namespace kvr {
namespace {

[[noreturn]] void refuse(const RecordField& field, const Message& why)
{
    throw GeneralError(fillIn(KVR_TR_NOOP("Import and export", "field %1: %2"), {fieldName(field), why}));
}

// The text as the game's code page, refused rather than changed: a character the game
// cannot show, or more than the field holds, would otherwise be lost without a word.
std::string fieldText(const RecordField& field, const nlohmann::json& v)
{
    if (!v.is_string())
        refuse(field, KVR_TR_NOOP("Import and export", "expected text"));
    std::string outside;
    const std::optional<std::string> text = utf8ToAnsiExactly(v.get<std::string>(), &outside);
    if (!text)
        refuse(field, fillIn(KVR_TR_NOOP("Import and export",
                                         "\"%1\" is not a character of the game's code page (Windows-1252)"),
                             {quotedForMessage(outside)}));
    if (text->size() > field.capacity)
        refuse(field, fillIn(KVR_TR_NOOP("Import and export", "%1 characters, the field holds at most %2"),
                             {std::to_string(text->size()), std::to_string(field.capacity)}));
    return *text;
}

} // namespace

std::optional<std::uint64_t> wholeNumber(const nlohmann::json& v)
{
    // Taken as 64 bits whatever a long is here, so that 4294967551 is never a 255.
    if (v.is_number_unsigned())
        return v.get<std::uint64_t>();
    if (v.is_number_integer() && v.get<std::int64_t>() >= 0)
        return std::uint64_t(v.get<std::int64_t>());
    return std::nullopt;
}

nlohmann::json fieldJson(const RecordField& field, const SettingsRecord& record)
{
    switch (field.kind) {
    case FieldKind::Byte: return record.byte(field.offset);
    case FieldKind::Word: return record.word(field.offset);
    case FieldKind::Flag: return record.byte(field.offset) != 0;
    case FieldKind::Text: return ansiToUtf8(record.shortString(field.offset, field.capacity));
    }
    return nullptr;
}

void setFieldJson(SettingsRecord& record, const RecordField& field, const nlohmann::json& v)
{
    auto number = [&](std::uint64_t max) {
        const auto n = wholeNumber(v);
        if (!n || *n > max)
            refuse(field, fillIn(KVR_TR_NOOP("Import and export", "expected a whole number from 0 to %1"),
                                 {std::to_string(max)}));
        return *n;
    };
    switch (field.kind) {
    case FieldKind::Byte: record.setByte(field.offset, std::uint8_t(number(255))); break;
    case FieldKind::Word: record.setWord(field.offset, std::uint16_t(number(65535))); break;
    case FieldKind::Flag:
        // Other bytes travel as raw bytes, so a 2 here is a typing slip, not a value.
        if (v.is_boolean())
            record.setByte(field.offset, v.get<bool>() ? 1 : 0);
        else if (const auto n = wholeNumber(v); n && *n <= 1)
            record.setByte(field.offset, std::uint8_t(*n));
        else
            refuse(field, KVR_TR_NOOP("Import and export", "expected true or false"));
        break;
    case FieldKind::Text: record.setShortString(field.offset, field.capacity, fieldText(field, v)); break;
    }
}

const RecordField* findField(std::string_view name)
{
    static const std::map<std::string, const RecordField*, std::less<>> byName = [] {
        std::map<std::string, const RecordField*, std::less<>> m;
        for (const RecordField& f : recordFields())
            m.emplace(fieldName(f), &f);
        return m;
    }();
    const auto it = byName.find(name);
    return it == byName.end() ? nullptr : it->second;
}

std::size_t valueSpan(const RecordField& field, const SettingsRecord& record)
{
    switch (field.kind) {
    case FieldKind::Word:
        return 2;
    case FieldKind::Text:
        return 1 + std::min<std::size_t>(record.byte(field.offset), field.capacity);
    default:
        return 1;
    }
}

std::string rawByteKey(std::size_t offset)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%03zX", offset);
    return buf;
}

std::string rawByteName(std::size_t offset)
{
    return "raw_bytes." + rawByteKey(offset);
}

std::string rawByteLabel(std::size_t offset)
{
    return "Byte " + rawByteKey(offset);
}

std::optional<std::size_t> rawByteOffset(std::string_view key)
{
    if (!key.starts_with("0x") && !key.starts_with("0X"))
        return std::nullopt;
    key.remove_prefix(2);
    std::size_t offset = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), offset, 16);
    if (key.empty() || error != std::errc() || end != key.data() + key.size() || offset >= rec::kSize)
        return std::nullopt;
    return offset;
}

} // namespace kvr
