// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ansi.h"

#include <cstdint>
#include <optional>

namespace kvr {
namespace {

// Code points for bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::optional<char> toAnsi(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return char(0x80 + i);
    return std::nullopt;
}

// One character of `utf8` at `i`: its code point and length; a byte sequence that is
// not UTF-8 gives nothing and the bytes to skip.
struct Decoded {
    std::optional<char32_t> c;
    std::size_t len;
};

Decoded decodeAt(std::string_view utf8, std::size_t i)
{
    const auto b = std::uint8_t(utf8[i]);
    char32_t c;
    std::size_t len;
    if (b < 0x80) { c = b; len = 1; }
    else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; len = 2; }
    else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; len = 3; }
    else if ((b & 0xF8) == 0xF0) { c = b & 0x07; len = 4; }
    else return {std::nullopt, 1};
    if (i + len > utf8.size())
        return {std::nullopt, utf8.size() - i};
    for (std::size_t k = 1; k < len; ++k) {
        const auto cb = std::uint8_t(utf8[i + k]);
        if ((cb & 0xC0) != 0x80)
            return {std::nullopt, 1};
        c = (c << 6) | (cb & 0x3F);
    }
    return {c, len};
}

} // namespace

bool isAnsiCharacter(char32_t c)
{
    const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
    return !control && toAnsi(c).has_value();
}

std::string ansiToUtf8(std::string_view ansi)
{
    std::string out;
    out.reserve(ansi.size());
    for (char ch : ansi) {
        const auto b = std::uint8_t(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char32_t(b));
    }
    return out;
}

std::string utf8ToAnsi(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const Decoded d = decodeAt(utf8, i);
        out += d.c ? toAnsi(*d.c).value_or('?') : '?';
        i += d.len;
    }
    return out;
}

std::optional<std::string> utf8ToAnsiExactly(std::string_view utf8, std::string* outside)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const Decoded d = decodeAt(utf8, i);
        const std::optional<char> b = d.c ? toAnsi(*d.c) : std::nullopt;
        if (!b) {
            if (outside)
                *outside = std::string(utf8.substr(i, d.len));
            return std::nullopt;
        }
        out += *b;
        i += d.len;
    }
    return out;
}

} // namespace kvr
