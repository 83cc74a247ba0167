// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kvr {

// Escape codes of 8-bit run-length data (a 0 byte followed by one of these).
inline constexpr std::uint8_t kRleEndOfLine = 0;
inline constexpr std::uint8_t kRleEndOfPicture = 1;
inline constexpr std::uint8_t kRleDelta = 2;
inline constexpr std::uint8_t kRleFirstAbsolute = 3;

// Expands 8-bit run-length data into `area`, rows of `stride` bytes in file order.
// Output that would land outside `area` is dropped, so nothing is ever written past
// it; data that ends without an end-of-picture code simply ends the picture.
void expandRle8(std::span<const std::uint8_t> data, std::span<std::uint8_t> area, std::size_t stride);

// Encodes `height` rows of `width` pixels (rows of `stride` bytes, in file order)
// so that expandRle8 gives them back: runs, literal stretches, an end of line after
// each row and an end of picture.
std::vector<std::uint8_t> compressRle8(std::span<const std::uint8_t> rows, std::size_t width, std::size_t height,
                                       std::size_t stride);

} // namespace kvr
