// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/game_file.h"
#include "support/temp_dir.h"

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvrtest {

// Large enough for every block position of the executable in every version.
inline constexpr std::size_t kExeSize = 0x1E0000;

// Never zero and never the same for long, so a writer that touches a gap shows up.
inline std::uint8_t patternByte(std::size_t i) { return std::uint8_t(0x11 + (i * 37) % 0xEE); }

inline std::vector<std::uint8_t> patternBytes(std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = patternByte(i);
    return bytes;
}

inline void put(std::vector<std::uint8_t>& bytes, std::uint32_t at, std::initializer_list<std::uint8_t> values)
{
    for (std::uint8_t v : values)
        bytes.at(at++) = v;
}

inline void put(std::vector<std::uint8_t>& bytes, std::uint32_t at, std::span<const std::uint8_t> values)
{
    for (std::uint8_t v : values)
        bytes.at(at++) = v;
}

// A name field of `width` bytes: the text, then zeros.
inline std::vector<std::uint8_t> field(std::string_view text, std::size_t width)
{
    std::vector<std::uint8_t> f(width, 0);
    for (std::size_t i = 0; i < text.size() && i < width; ++i)
        f[i] = std::uint8_t(text[i]);
    return f;
}

inline kvr::GameFile memoryFile(const TempDir& dir, std::vector<std::uint8_t> bytes, const std::string& name = "KVR.EXE")
{
    return kvr::GameFile::create(dir / name, std::move(bytes));
}

inline std::vector<std::uint8_t> contents(const kvr::GameFile& file)
{
    return {file.bytes().begin(), file.bytes().end()};
}

// Empty when equal, else where and how they first differ (a full dump would be megabytes).
inline std::string difference(std::span<const std::uint8_t> got, std::span<const std::uint8_t> want)
{
    if (got.size() != want.size())
        return "size " + std::to_string(got.size()) + " instead of " + std::to_string(want.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        if (got[i] != want[i]) {
            char text[96];
            std::snprintf(text, sizeof text, "first difference at 0x%zX: got 0x%02X, want 0x%02X", i, got[i], want[i]);
            return text;
        }
    return {};
}

} // namespace kvrtest
