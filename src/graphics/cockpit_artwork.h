// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/bitmap_writer.h"
#include "graphics/colour_table.h"

namespace kvr {

// How one cockpit looks: the car's colours and a few shapes that tell the sets apart.
struct CockpitLivery {
    ColourEntry body;
    ColourEntry stripe;
    ColourEntry trim;
    double noseWidth = 1.0;  // about 0.8 (slim) to 1.2 (broad)
    double sideHeight = 1.0; // about 0.85 (low) to 1.15 (high cockpit sides)
    bool roundWheel = true;  // a round wheel or a cut-off, rectangular one
};

// Sizes of the game's two cockpit pictures.
inline constexpr int kCockpitHighWidth = 640;
inline constexpr int kCockpitHighHeight = 480;
inline constexpr int kCockpitLowWidth = 320;
inline constexpr int kCockpitLowHeight = 200;

// Colour 0 is the see-through part above the cockpit, where the game draws the track.
inline constexpr std::uint8_t kCockpitClear = 0;

// The driver's view of the cockpit at any size: nose and front tyres ahead, the sides,
// mirrors, and the wheel with its rev lights. The same drawing at both sizes.
IndexedPicture cockpitArtwork(int width, int height, const CockpitLivery& livery);

// The first picture row of the cockpit (above it everything is clear) at a picture
// height, for the numbers that tell the game where the view ends.
int cockpitTopRow(int height, const CockpitLivery& livery);

// The cockpit the demo game is delivered with.
CockpitLivery demoOriginalLivery();

} // namespace kvr
