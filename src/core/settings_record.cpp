// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_record.h"

#include <algorithm>
#include <stdexcept>

namespace kvr {

std::uint16_t SettingsRecord::word(std::size_t offset) const
{
    return std::uint16_t(m_bytes.at(offset) | (m_bytes.at(offset + 1) << 8));
}

void SettingsRecord::setWord(std::size_t offset, std::uint16_t value)
{
    m_bytes.at(offset + 1) = std::uint8_t(value >> 8);
    m_bytes.at(offset) = std::uint8_t(value & 0xFF);
}

std::string SettingsRecord::shortString(std::size_t offset, std::size_t capacity) const
{
    if (offset + capacity >= m_bytes.size())
        throw std::out_of_range("short string outside the settings record");
    const std::size_t length = std::min<std::size_t>(m_bytes[offset], capacity);
    return std::string(reinterpret_cast<const char*>(&m_bytes[offset + 1]), length);
}

void SettingsRecord::setShortString(std::size_t offset, std::size_t capacity, std::string_view text)
{
    if (offset + capacity >= m_bytes.size())
        throw std::out_of_range("short string outside the settings record");
    const std::size_t length = std::min(text.size(), capacity);
    m_bytes[offset] = std::uint8_t(length);
    std::copy_n(text.begin(), length, m_bytes.begin() + std::ptrdiff_t(offset + 1));
}

void SettingsRecord::reset()
{
    auto zero = [this](std::size_t from, std::size_t count) {
        std::fill_n(m_bytes.begin() + std::ptrdiff_t(from), count, std::uint8_t(0));
    };
    zero(rec::kCarNumbers, 80);
    zero(rec::kEnginePower, 80);
    zero(rec::kGripQualifying, 160);
    zero(rec::kGripRange, 80);
}

} // namespace kvr
