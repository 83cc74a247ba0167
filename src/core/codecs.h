// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/game_file.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

// One small codec per kind of value the game stores. Each turns the stored bytes into
// the value the settings record keeps and back, and reads or writes it at the current
// position of a game file (every access checked by GameFile).

// Checks that the whole block lies inside the file, then goes to its start, so a short
// or foreign file changes neither the file nor the record.
inline void enterBlock(GameFile& file, std::uint32_t at, std::uint32_t size)
{
    file.require(at, size);
    file.seek(at);
}

// A little-endian word kept with a bias added (mod 65536).
struct BiasedWord {
    std::uint16_t bias = 0;

    constexpr std::uint16_t decode(std::uint16_t stored) const { return std::uint16_t(stored - bias); }
    constexpr std::uint16_t encode(std::uint16_t value) const { return std::uint16_t(value + bias); }
    std::uint16_t read(GameFile& file) const { return decode(file.readWord()); }
    void write(GameFile& file, std::uint16_t value) const { file.writeWord(encode(value)); }
};

inline constexpr BiasedWord kPlainWord{0};

// A palette index kept as the index minus 10 in one byte (mod 256).
struct PaletteByte {
    static constexpr std::uint8_t kBias = 10;

    static constexpr std::uint8_t decode(std::uint8_t stored) { return std::uint8_t(stored + kBias); }
    static constexpr std::uint8_t encode(std::uint8_t index) { return std::uint8_t(index - kBias); }
    static std::uint8_t read(GameFile& file) { return decode(file.readByte()); }
    static void write(GameFile& file, std::uint8_t index) { file.writeByte(encode(index)); }
};

// A byte of the game's code that switches a feature: `on` and `off` are what is written;
// reading either takes any byte but `off` as on, or only `on` as on.
struct CodeSwitch {
    enum class Reads { OnUnlessOff, OnlyOnIsOn };
    std::uint8_t on = 0;
    std::uint8_t off = 0;
    Reads reads = Reads::OnUnlessOff;

    constexpr bool decode(std::uint8_t stored) const { return reads == Reads::OnUnlessOff ? stored != off : stored == on; }
    constexpr std::uint8_t encode(bool value) const { return value ? on : off; }
    bool read(GameFile& file) const { return decode(file.readByte()); }
    void write(GameFile& file, bool value) const { file.writeByte(encode(value)); }
};

// Flags in the settings record are 0 or 1; any other byte counts as set.
constexpr std::uint8_t flagByte(bool on) { return on ? 1 : 0; }

struct CarNumberByte {
    std::uint8_t number = 0;
    bool selected = false;
    bool operator==(const CarNumberByte&) const = default;
};

// A car number with its selected flag: 0x00..0x80 is the number itself, flag off;
// 0x81..0xFF is the number + 128, flag on.
struct CarNumberCodec {
    static constexpr std::uint8_t kSelectedBit = 0x80;

    static CarNumberByte decode(std::uint8_t stored);
    // Numbers 0 and 128 cannot carry the flag (the byte would turn one into the other and
    // switch the team on or off), so for them the flag is dropped and the number kept.
    static std::uint8_t encode(std::uint8_t number, bool selected);
    static CarNumberByte read(GameFile& file) { return decode(file.readByte()); }
    static void write(GameFile& file, CarNumberByte value) { file.writeByte(encode(value.number, value.selected)); }
};

// A name in a fixed field padded with 0x00: every non-zero byte counts (an inner zero is
// skipped, not taken as the end); writing cuts to the width and pads with 0x00.
struct NameField {
    std::size_t width = 0;

    static std::string decode(std::span<const std::uint8_t> field);
    std::vector<std::uint8_t> encode(std::string_view name) const;
    std::string read(GameFile& file) const;
    void write(GameFile& file, std::string_view name) const;
};

} // namespace kvr
