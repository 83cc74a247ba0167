// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/jam_file.h"

#include "core/byte_reader.h"

#include <algorithm>
#include <string>

namespace kvr {
namespace {

bool sideFits(std::uint32_t side)
{
    return side >= 1 && side <= jam::kMaxSide;
}

std::string sizeText(std::uint32_t width, std::uint32_t height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

} // namespace

std::vector<std::uint8_t> encodeJam(const JamTexture& t)
{
    if (!sideFits(t.width) || !sideFits(t.height))
        throw InvalidJam("A texture of " + sizeText(t.width, t.height) +
                         " pixels cannot be stored (1 to 4096 each way).");
    if (t.pixels.size() != std::size_t(t.width) * t.height)
        throw InvalidJam("The texture's pixels do not fill " + sizeText(t.width, t.height) + ".");
    std::vector<std::uint8_t> out(std::begin(jam::kMagic), std::end(jam::kMagic));
    out.reserve(jam::kPixelsOffset + t.pixels.size());
    putLe16(out, jam::kVersion);
    putLe16(out, std::uint16_t(jam::kHeaderSize));
    putLe16(out, t.width);
    putLe16(out, t.height);
    putLe16(out, std::uint16_t(kColourCount));
    putLe16(out, 0);
    for (const ColourEntry& c : t.colours)
        out.insert(out.end(), {c.red, c.green, c.blue});
    out.insert(out.end(), t.pixels.begin(), t.pixels.end());
    return out;
}

bool hasJamMagic(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= std::size(jam::kMagic) &&
           std::equal(std::begin(jam::kMagic), std::end(jam::kMagic), bytes.begin());
}

JamTexture decodeJam(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < jam::kHeaderSize || !hasJamMagic(bytes))
        throw InvalidJam("It is not a texture file (no KJAM header).");
    const std::uint16_t version = le16(bytes, jam::kVersionAt);
    if (version != jam::kVersion)
        throw InvalidJam("Texture file version " + std::to_string(version) + " is not supported (only version 1).");
    if (le16(bytes, jam::kHeaderSizeAt) != jam::kHeaderSize || le16(bytes, jam::kColoursAt) != kColourCount ||
        le16(bytes, jam::kReservedAt) != 0)
        throw InvalidJam("The texture file's header is damaged.");
    JamTexture t;
    t.width = le16(bytes, jam::kWidthAt);
    t.height = le16(bytes, jam::kHeightAt);
    if (!sideFits(t.width) || !sideFits(t.height))
        throw InvalidJam("The texture's size " + sizeText(t.width, t.height) + " is outside 1 to 4096 each way.");
    const std::uint64_t expected = jam::kPixelsOffset + std::uint64_t(t.width) * t.height;
    if (bytes.size() != expected)
        throw InvalidJam("The texture file holds " + std::to_string(bytes.size()) + " bytes; a " +
                         sizeText(t.width, t.height) + " texture needs " + std::to_string(expected) + ".");
    const auto table = bytes.subspan(jam::kHeaderSize, jam::kTableSize);
    for (std::size_t i = 0; i < t.colours.size(); ++i)
        t.colours[i] = rgb(table[i * 3], table[i * 3 + 1], table[i * 3 + 2]);
    const auto pixels = bytes.subspan(jam::kPixelsOffset);
    t.pixels.assign(pixels.begin(), pixels.end());
    return t;
}

JamTexture readJamFile(const std::filesystem::path& file)
{
    return decodeJam(readPictureFile(file, jam::kMaxFileBytes));
}

} // namespace kvr
