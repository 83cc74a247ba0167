// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/bitmap_writer.h"
#include "graphics/colour_space.h"
#include "graphics/painted_picture.h"
#include "graphics/palette_matcher.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace kvr {

enum class Dithering { None, Diffuse };

inline constexpr float kDefaultStrength = 0.8f;

struct RemapOptions {
    Dithering dithering = Dithering::Diffuse;
    // How much of each pixel's colour error is handed on to its neighbours, 0 to 1. Less
    // than all of it, as the classic two-thirds-to-three-quarters dithers do: the tone of a
    // field stays close, with much less grain.
    float strength = kDefaultStrength;
    // The palette entry that fully transparent pixels take, and that partly transparent
    // ones are laid over.
    std::uint8_t background = 0;
};

// How far the converted picture is from the painted one. Transparent pixels are counted
// apart and in none of the others.
struct RemapFigures {
    std::size_t pixels = 0;
    std::size_t transparent = 0;
    // Pixels whose colour is not the one painted.
    std::size_t changed = 0;
    // CIEDE2000 between each painted and converted pixel: the mean and the largest.
    double meanDeltaE = 0;
    double largestDeltaE = 0;
};

struct RemapResult {
    IndexedPicture picture{1, 1};
    RemapFigures figures;
};

// One painting made ready for conversion into one palette, so that trying other options
// (what the conversion window does as the user moves a slider) costs only the conversion.
class PaletteRemap {
  public:
    PaletteRemap(const PaintedPicture& painting, const ColourTable& palette);
    PaletteRemap(const PaintedPicture& painting, std::shared_ptr<const PaletteMatcher> matcher);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Every pixel is opaque and already a colour of the palette: whatever the options, the
    // conversion keeps every colour, and the pixel numbers of an 8-bit picture where the
    // palette has that colour at the same number.
    bool exact() const { return m_exact; }
    bool hasTransparency() const { return m_transparent; }

    // Pixels that are exactly a palette colour keep it and take no error from their
    // neighbours; every other pixel becomes the entry nearest to it: without dithering
    // the nearest in CIEDE2000, with error diffusion the nearest in Oklab to its colour
    // plus the error handed on (Floyd-Steinberg weights, rows in alternating directions;
    // no error goes to a neighbour painted in a clearly other colour, so none crosses an
    // edge).
    RemapResult convert(const RemapOptions& options) const;

  private:
    struct Pixel {
        std::uint8_t red = 0, green = 0, blue = 0, alpha = 0;
        // The palette entry of this exact colour, or -1.
        std::int16_t exact = -1;
        Lab lab;
        OkLab okLab;
    };
    // The pixel as it shows over the background: its colour, exact entry and spaces.
    Pixel shown(const Pixel& p, std::uint8_t background) const;
    // Also the CIEDE2000 of each pixel it matched (or -1).
    void convertPlain(const RemapOptions& options, std::vector<std::uint8_t>& out, std::vector<float>& known) const;
    void convertDiffused(const RemapOptions& options, std::vector<std::uint8_t>& out) const;
    RemapFigures measure(const std::vector<std::uint8_t>& out, std::uint8_t background,
                         const std::vector<float>& known) const;

    std::shared_ptr<const PaletteMatcher> m_matcher;
    int m_width = 0;
    int m_height = 0;
    std::vector<Pixel> m_pixels;
    bool m_exact = true;
    bool m_transparent = false;
};

} // namespace kvr
