#include "game/field_json.h"

#include "core/ansi.h"
#include "core/errors.h"
#include "core/settings_record.h"

#include <map>
#include <optional>
#include <string>

namespace kvr {
namespace {

[[noreturn]] void refuse(const RecordField& field, const std::string& why)
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
                             {outside}));
    if (text->size() > field.capacity)
        refuse(field, fillIn(KVR_TR_NOOP("Import and export", "%1 characters, the field holds at most %2"),
                             {std::to_string(text->size()), std::to_string(field.capacity)}));
    return *text;
}

} // namespace

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
    auto number = [&](long max) {
        if (!v.is_number_integer() || v.get<long>() < 0 || v.get<long>() > max)
            refuse(field, fillIn(KVR_TR_NOOP("Import and export", "expected a whole number from 0 to %1"),
                                 {std::to_string(max)}));
        return v.get<long>();
    };
    switch (field.kind) {
    case FieldKind::Byte: record.setByte(field.offset, std::uint8_t(number(255))); break;
    case FieldKind::Word: record.setWord(field.offset, std::uint16_t(number(65535))); break;
    case FieldKind::Flag:
        // Other bytes travel as raw bytes, so a 2 here is a typing slip, not a value.
        if (v.is_boolean())
            record.setByte(field.offset, v.get<bool>() ? 1 : 0);
        else if (v.is_number_integer() && (v.get<long>() == 0 || v.get<long>() == 1))
            record.setByte(field.offset, std::uint8_t(v.get<long>()));
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

} // namespace kvr
