#pragma once

#include <optional>
#include <string>

namespace kvr {

class TDIB;

// "an 8-bit bitmap of 256 x 164 pixels", "a 24-bit bitmap of ...", "an empty file".
std::string describeBitmap(const TDIB& bitmap);

// Why `bitmap` cannot serve as `what` (which must be an 8-bit bitmap of exactly
// width x height), naming what is needed and what was found; nothing when it can.
std::optional<std::string> bitmapProblem(const TDIB& bitmap, int width, int height, const std::string& what);

} // namespace kvr
