// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kvr {

class TDIB;

// "an 8-bit bitmap of 256 x 164 pixels", "a 24-bit bitmap of ...", "an empty file".
Message describeBitmap(const TDIB& bitmap);

// Why `bitmap` cannot serve where an 8-bit bitmap of exactly width x height is needed:
// `pattern` with the width, the height and what was found; nothing when it can.
std::optional<Message> bitmapProblem(const TDIB& bitmap, int width, int height, Marked pattern);

// Why the converter would refuse to put the bitmap file into a texture (its depth, its
// header, its size), as a sentence; nothing when it would take it.
std::optional<Message> textureBitmapProblem(std::span<const std::uint8_t> bitmapFile);

} // namespace kvr
