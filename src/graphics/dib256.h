// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tr_marker.h"
#include "graphics/bitmap_file.h"
#include "graphics/colour_table.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace kvr {

inline constexpr kvr::Marked kDib256Invalid = KVR_TR_NOOP("Pictures", "Bitmap Image is not valid");

// One 8-bit bitmap file loaded for the image view: 256 colour entries and top-down
// rows, each `stride()` bytes long.
class TDIB256 {
  public:
    // Reads the file as readBitmapFile does, then needs 8 bits per pixel, one plane and
    // 1 to 65535 pixels each way. Throws InvalidGraphic "Bitmap Image is not valid: "
    // and what is wrong; GeneralError when the file cannot be read. On failure the
    // earlier picture is kept.
    void loadFromFile(const std::filesystem::path& file);
    void loadFromBytes(std::span<const std::uint8_t> bytes);

    std::uint16_t width() const { return m_width; }
    std::uint16_t height() const { return m_height; }
    std::size_t stride() const { return m_stride; }
    bool empty() const { return m_pixels.empty(); }

    std::span<const std::uint8_t> pixels() const { return m_pixels; }
    std::span<const std::uint8_t> row(int y) const { return pixels().subspan(std::size_t(y) * m_stride, m_stride); }
    std::uint8_t pixel(int x, int y) const { return m_pixels[std::size_t(y) * m_stride + std::size_t(x)]; }
    const ColourTable& colours() const { return m_colours; }
    // The 40-byte header as it now stands (uncompressed, 256 colours used).
    std::span<const std::uint8_t> header() const { return m_header; }

  private:
    std::vector<std::uint8_t> m_header;
    ColourTable m_colours{};
    std::vector<std::uint8_t> m_pixels;
    std::uint16_t m_width = 0;
    std::uint16_t m_height = 0;
    std::size_t m_stride = 0;
};

} // namespace kvr
