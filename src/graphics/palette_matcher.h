// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/colour_space.h"
#include "graphics/colour_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace kvr {

// A 256-colour palette made ready for finding the entry nearest to any colour.
class PaletteMatcher {
  public:
    explicit PaletteMatcher(const ColourTable& palette);

    const ColourTable& palette() const { return m_palette; }
    const Lab& lab(int index) const { return m_lab[std::size_t(index)]; }
    const OkLab& okLab(int index) const { return m_okLab[std::size_t(index)]; }

    // The lowest index that holds exactly this colour.
    std::optional<std::uint8_t> exactIndex(std::uint8_t red, std::uint8_t green, std::uint8_t blue) const;

    // The entry nearest in Oklab to the colour moved into the box around sRGB's colours
    // (clampToGamutBox); ties go to the lower index.
    std::uint8_t nearest(const OkLab& colour) const;

    // The entry nearest in CIEDE2000 among the few nearest in Oklab, which hold it for
    // nearly every colour (and otherwise one a little further off).
    // `difference`, when given, takes its CIEDE2000 from the colour.
    std::uint8_t nearestDeltaE(const Lab& lab, const OkLab& okLab, double* difference = nullptr) const;

    // The colour moved into the Oklab box that holds every sRGB colour.
    static OkLab clampToGamutBox(const OkLab& colour);

    // How many Oklab neighbours nearestDeltaE chooses from.
    static constexpr int kCandidates = 4;

  private:
    // For each cell of a grid over the gamut box, the entries that can be among the
    // nearest one (or kCandidates) to a colour inside it, in index order.
    struct CellLists {
        std::vector<std::uint32_t> start; // cell c: entries[start[c] .. start[c + 1])
        std::vector<std::uint8_t> entries;
    };
    void buildCells();
    static int cellOf(const OkLab& colour);

    ColourTable m_palette;
    std::array<Lab, kColourCount> m_lab{};
    std::array<OkLab, kColourCount> m_okLab{};
    CellLists m_nearest;
    CellLists m_candidates;
    // 0xRRGGBB << 8 | index, sorted, for exact colours.
    std::array<std::uint32_t, kColourCount> m_exact{};
};

} // namespace kvr
