// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"

#include "core/errors.h"

#include <charconv>
#include <cmath>

namespace kvr {
namespace {

std::string_view trimBlanks(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<std::int64_t> parseWholeNumber(std::string_view text)
{
    text = trimBlanks(text);
    // from_chars takes no '+'; a user may well type one.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> parseDecimalNumber(std::string_view text)
{
    std::string s(trimBlanks(text));
    for (char& c : s)
        if (c == ',')
            c = '.';
    std::string_view v = s;
    if (v.size() > 1 && v.front() == '+' && v[1] != '-')
        v.remove_prefix(1);
    if (v.empty())
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
    if (ec != std::errc() || end != v.data() + v.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Message notANumberMessage(std::string_view text)
{
    return fillIn(KVR_TR_NOOP("Messages", "'%1' is not a valid number."), {std::string(text)});
}

std::int64_t typedWholeNumber(std::string_view text)
{
    const std::optional<std::int64_t> value = parseWholeNumber(text);
    if (!value)
        throw GeneralError(notANumberMessage(text));
    return *value;
}

std::int64_t typedInRange(std::string_view text, FieldRange range)
{
    return clampedToRange(typedWholeNumber(text), range);
}

} // namespace kvr
