// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace kvr {

// The teams' painting textures in GAMEJAMS, in the order the window lists them.
inline constexpr std::array<std::string_view, 14> kCarJamFiles = {
    "WILLIAMS.JAM", "TYRRELL.JAM", "BENETTON.JAM", "MCLAREN.JAM", "FOOTWORK.JAM", "LOTUS.JAM",  "JORDAN.JAM",
    "LARROUS.JAM",  "MINARDI.JAM", "LIGIER.JAM",   "FERRARI.JAM", "SAUBER.JAM",   "SIMTEK.JAM", "PACIFIC.JAM"};

inline constexpr int kPaintingWidth = 256;
inline constexpr int kPaintingHeight = 164;

} // namespace kvr
