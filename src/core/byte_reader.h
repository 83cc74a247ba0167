// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace kvr {

// Sequential little-endian reads over bytes held in memory. Every read is checked:
// asking for bytes that are not there calls the failure handler given at
// construction, which must throw.
class ByteReader {
  public:
    using Fail = void (*)();
    ByteReader(std::span<const std::uint8_t> bytes, Fail fail) : m_bytes(bytes), m_fail(fail) {}

    std::size_t position() const { return m_pos; }
    std::size_t remaining() const { return m_bytes.size() - m_pos; }
    bool has(std::uint64_t count) const { return count <= remaining(); }

    std::span<const std::uint8_t> take(std::uint64_t count)
    {
        need(count);
        auto part = m_bytes.subspan(m_pos, std::size_t(count));
        m_pos += std::size_t(count);
        return part;
    }
    std::span<const std::uint8_t> peek(std::uint64_t count) const
    {
        need(count);
        return m_bytes.subspan(m_pos, std::size_t(count));
    }
    std::span<const std::uint8_t> rest() { return take(remaining()); }

  private:
    void need(std::uint64_t count) const
    {
        if (!has(count))
            m_fail();
    }

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
    Fail m_fail;
};

inline std::uint16_t le16(std::span<const std::uint8_t> b, std::size_t at)
{
    return std::uint16_t(b[at] | (b[at + 1] << 8));
}
inline std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at)
{
    return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) |
           (std::uint32_t(b[at + 3]) << 24);
}
inline void putLe16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(std::uint8_t(v & 0xFF));
    out.push_back(std::uint8_t(v >> 8));
}
inline void putLe32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(std::uint8_t((v >> shift) & 0xFF));
}
inline void setLe32(std::span<std::uint8_t> b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + std::size_t(i)] = std::uint8_t((v >> (8 * i)) & 0xFF);
}

// Reads a whole picture or palette file. GeneralError "Cannot open file ..." when it
// cannot be opened, and a message saying why when it cannot be read, is not a regular
// file or is larger than `limit` bytes.
std::vector<std::uint8_t> readPictureFile(const std::filesystem::path& file, std::uint64_t limit);

} // namespace kvr
