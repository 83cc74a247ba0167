// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errors.h"
#include "graphics/colour_table.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace kvr {

// Our texture file: one 8-bit picture with its 256 colours. Layout in docs/jam-format.md.
namespace jam {
inline constexpr std::uint8_t kMagic[4] = {'K', 'J', 'A', 'M'};
inline constexpr std::uint16_t kVersion = 1;
inline constexpr std::size_t kHeaderSize = 16;
inline constexpr std::size_t kColourBytes = 3; // red, green, blue
inline constexpr std::size_t kTableSize = kColourCount * kColourBytes;
inline constexpr std::size_t kPixelsOffset = kHeaderSize + kTableSize;
// Offsets inside the header.
inline constexpr std::size_t kVersionAt = 4;
inline constexpr std::size_t kHeaderSizeAt = 6;
inline constexpr std::size_t kWidthAt = 8;
inline constexpr std::size_t kHeightAt = 10;
inline constexpr std::size_t kColoursAt = 12;
inline constexpr std::size_t kReservedAt = 14;
// Textures are small; anything larger is a damaged or foreign file.
inline constexpr std::uint16_t kMaxSide = 4096;
inline constexpr std::uint64_t kMaxFileBytes = kPixelsOffset + std::uint64_t(kMaxSide) * kMaxSide;
} // namespace jam

// A texture file that fails a check; the text says which.
class InvalidJam : public GeneralError {
  public:
    using GeneralError::GeneralError;
};

// One texture: rows top-down, `width` bytes each, no padding.
struct JamTexture {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    ColourTable colours{};
    std::vector<std::uint8_t> pixels;

    std::uint8_t at(int x, int y) const { return pixels[std::size_t(y) * width + std::size_t(x)]; }
    bool operator==(const JamTexture&) const = default;
};

// Throws InvalidJam for sizes outside 1..4096 or a pixel count that does not match.
std::vector<std::uint8_t> encodeJam(const JamTexture& texture);

// Throws InvalidJam naming the first thing wrong: magic, version, header, sizes, length.
JamTexture decodeJam(std::span<const std::uint8_t> bytes);

// Whether `bytes` start as our texture files do. A file that does not is another
// program's, not a damaged one of ours.
bool hasJamMagic(std::span<const std::uint8_t> bytes);

// GeneralError when the file cannot be read, InvalidJam when it is not a texture file.
JamTexture readJamFile(const std::filesystem::path& file);

} // namespace kvr
