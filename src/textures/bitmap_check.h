// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kvr {

class TDIB;

// "an 8-bit bitmap of 256 x 164 pixels", "a 24-bit bitmap of ...", "an empty file".
std::string describeBitmap(const TDIB& bitmap);

// Why `bitmap` cannot serve as `what` (which must be an 8-bit bitmap of exactly
// width x height), naming what is needed and what was found; nothing when it can.
std::optional<std::string> bitmapProblem(const TDIB& bitmap, int width, int height, const std::string& what);

// Why the converter would refuse to put the bitmap file into a texture (its depth, its
// header, its size), as a sentence; nothing when it would take it.
std::optional<std::string> textureBitmapProblem(std::span<const std::uint8_t> bitmapFile);

} // namespace kvr
