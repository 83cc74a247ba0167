// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/game_file.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace kvrtest {

// Bytes of a made-up game file: a pattern with no zero, so a gap that gets written
// (even with 0) shows up.
inline std::vector<std::uint8_t> patternedBytes(std::size_t size, unsigned seed = 0)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = std::uint8_t(0x11 + (i * 7 + seed) % 0xE0);
    return bytes;
}

inline void putBytes(std::vector<std::uint8_t>& bytes, std::size_t at, std::initializer_list<std::uint8_t> values)
{
    for (std::uint8_t v : values)
        bytes.at(at++) = v;
}

// A game file held in memory only; never committed.
inline kvr::GameFile memoryFile(std::vector<std::uint8_t> bytes)
{
    return kvr::GameFile::create("not-on-disk.bin", std::move(bytes));
}

inline std::vector<std::uint8_t> fileBytes(const kvr::GameFile& file)
{
    return {file.bytes().begin(), file.bytes().end()};
}

} // namespace kvrtest
