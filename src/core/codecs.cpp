// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codecs.h"

#include <algorithm>

namespace kvr {

CarNumberByte CarNumberCodec::decode(std::uint8_t stored)
{
    if (stored > kSelectedBit)
        return {std::uint8_t(stored - kSelectedBit), true};
    return {stored, false};
}

std::uint8_t CarNumberCodec::encode(std::uint8_t number, bool selected)
{
    if (selected && number != 0 && number != kSelectedBit)
        return std::uint8_t(number + kSelectedBit);
    return number;
}

std::string NameField::decode(std::span<const std::uint8_t> field)
{
    std::string name;
    for (std::uint8_t b : field)
        if (b != 0)
            name.push_back(char(b));
    return name;
}

std::vector<std::uint8_t> NameField::encode(std::string_view name) const
{
    std::vector<std::uint8_t> field(width, 0);
    std::copy_n(name.begin(), std::min(name.size(), width), field.begin());
    return field;
}

std::string NameField::read(GameFile& file) const
{
    std::vector<std::uint8_t> field(width);
    for (std::uint8_t& b : field)
        b = file.readByte();
    return decode(field);
}

void NameField::write(GameFile& file, std::string_view name) const
{
    for (std::uint8_t b : encode(name))
        file.writeByte(b);
}

} // namespace kvr
