// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace kvr {

// A square true-colour picture with transparency, rows top-down, four bytes a pixel in
// the order blue, green, red, alpha (not premultiplied).
struct IconImage {
    int size = 0;
    std::vector<std::uint8_t> bgra;
};

// A complete Windows icon file holding every picture, smallest first as given, each as a
// 32-bit bitmap with its transparency mask (pictures of 1 to 256 pixels a side).
std::vector<std::uint8_t> encodeIconFile(const std::vector<IconImage>& images);

} // namespace kvr
