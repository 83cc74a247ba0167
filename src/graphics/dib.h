// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tr_marker.h"
#include "graphics/colour_table.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

namespace kvr {

inline constexpr kvr::Marked kDibInvalid = KVR_TR_NOOP("Pictures", "Bitmap image is not valid");

// A bitmap kept as its file holds it: 40-byte info header, colour table and pixel rows
// bottom-up, so that loading and saving a file stored that way changes nothing but the
// file header's size and offset fields. Copies share one image (as the helmet sheet and
// its views do); changing pixels through one shows in all.
class TDIB {
  public:
    bool empty() const { return !m_image || m_image->memory.empty(); }
    std::int32_t width() const { return m_image ? m_image->width : 0; }
    std::int32_t height() const { return m_image ? m_image->height : 0; }
    std::uint16_t bitsPerPixel() const;
    bool monochrome() const { return m_image && m_image->monochrome; }
    // Bytes per stored row: bits rounded up to whole 32-bit words.
    std::size_t rowSize() const;
    std::size_t colourCount() const;
    ColourEntry colour(std::size_t index) const;

    // The 40-byte info header, the colour table and the pixel rows, as stored.
    std::span<const std::uint8_t> memory() const;
    std::span<const std::uint8_t> info() const;
    // Row y counted from the top is pixels()[(height - 1 - y) * rowSize() ...].
    std::span<std::uint8_t> pixels();
    std::span<const std::uint8_t> pixels() const;
    std::size_t pixelsOffset() const { return m_image ? m_image->pixelsOffset : 0; }

    // An empty input makes the bitmap empty. Reads the file as readBitmapFile does
    // (rows from the file header's offset, run-length and top-down rows kept plain);
    // throws InvalidGraphic "Bitmap image is not valid: " and what is wrong, keeping the
    // earlier image then.
    void loadFromBytes(std::span<const std::uint8_t> bytes);
    void loadFromFile(const std::filesystem::path& file);

    // The file image: an empty bitmap gives no bytes.
    std::vector<std::uint8_t> saveToBytes() const;
    // Replaces the file whole; GeneralError when it cannot be written.
    void saveToFile(const std::filesystem::path& file) const;

    void clear() { m_image.reset(); }

  private:
    struct ImageRecord {
        std::vector<std::uint8_t> memory;
        std::int32_t width = 0;
        std::int32_t height = 0;
        std::size_t pixelsOffset = 0; // the info header starts at 0
        bool monochrome = false;
    };
    std::shared_ptr<ImageRecord> m_image;
};

} // namespace kvr
