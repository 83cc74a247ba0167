// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/bitmap_builder.h"

namespace kvrtest {
namespace {
void le16(std::vector<std::uint8_t>& o, std::uint32_t v)
{
    o.push_back(std::uint8_t(v));
    o.push_back(std::uint8_t(v >> 8));
}
void le32(std::vector<std::uint8_t>& o, std::uint32_t v)
{
    le16(o, v & 0xFFFF);
    le16(o, v >> 16);
}
} // namespace

std::vector<std::uint8_t> buildBitmap(const BitmapFields& s, const std::vector<std::uint8_t>& data)
{
    const bool core = s.headerSize == 12;
    const std::uint32_t entry = core ? 3 : 4;
    const std::uint32_t offset = s.pixelOffset ? s.pixelOffset : 14 + s.headerSize + s.colourEntries * entry;
    std::vector<std::uint8_t> o;
    o.push_back(std::uint8_t(s.signature[0]));
    o.push_back(std::uint8_t(s.signature[1]));
    le32(o, offset + std::uint32_t(data.size()));
    le32(o, 0);
    le32(o, offset);
    le32(o, s.headerSize);
    if (core) {
        le16(o, std::uint32_t(s.width));
        le16(o, std::uint32_t(s.height));
        le16(o, s.planes);
        le16(o, s.bits);
    } else {
        le32(o, std::uint32_t(s.width));
        le32(o, std::uint32_t(s.height));
        le16(o, s.planes);
        le16(o, s.bits);
        le32(o, s.compression);
        le32(o, s.imageSize);
        le32(o, 0);
        le32(o, 0);
        le32(o, s.coloursUsed);
        le32(o, 0);
        for (std::uint32_t i = 40; i < s.headerSize; ++i)
            o.push_back(0);
    }
    for (std::uint32_t i = 0; i < s.colourEntries; ++i) {
        o.insert(o.end(), {std::uint8_t(i), std::uint8_t(100 + i), std::uint8_t(200 - i)});
        if (!core)
            o.push_back(0);
    }
    o.insert(o.end(), data.begin(), data.end());
    return o;
}

} // namespace kvrtest
