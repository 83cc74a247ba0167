// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tr_marker.h"
#include "graphics/pixel_area.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvr {

class SettingsRecord;

// For each palette index of the unrecoloured picture, the index it is drawn with for
// one team. Built once per team, so recolouring is one look-up per pixel.
using RecolourTable = std::array<std::uint8_t, 256>;

RecolourTable identityRecolourTable();

// The drawing rows of a colour editor's picture as loaded from its file. Recolouring
// always starts from it, and the element under the mouse is looked up in it.
class SavedPicture {
  public:
    SavedPicture() = default;
    // Takes the first `rows` rows (fewer when the picture is shorter).
    static SavedPicture take(const PixelArea& area, int rows);

    int width() const { return m_width; }
    int rows() const { return m_rows; }
    std::span<const std::uint8_t> bytes() const { return m_bytes; }
    // The saved index at (x, y), or nothing outside the saved rows.
    std::optional<std::uint8_t> indexAt(int x, int y) const;

  private:
    std::vector<std::uint8_t> m_bytes;
    int m_width = 0;
    int m_rows = 0;
    std::size_t m_stride = 0;
};

// FillCockpit / Fillcrew: every saved pixel through the team's table into `area`.
// Pixels outside the runs map to themselves, and nothing but recolouring and
// restoring writes the drawing rows, so they keep their value as before.
void recolourPicture(PixelArea area, const SavedPicture& saved, const RecolourTable& table);

// ClearCockpit / Clearcrew: the saved rows back into `area`.
void restorePicture(PixelArea area, const SavedPicture& saved);

// The cockpit's three elements and their runs in the unrecoloured picture.
struct ColourRun {
    kvr::Marked caption;
    int first;
    int length;
};
inline constexpr int kCockpitElements = 3;
inline constexpr std::array<ColourRun, kCockpitElements> kCockpitRuns = {{
    {KVR_TR_NOOP("Pictures", "Cockpit"), 42, 15},
    {KVR_TR_NOOP("Pictures", "Mirrors"), 58, 16},
    {KVR_TR_NOOP("Pictures", "Front wing"), 154, 14},
}};
inline constexpr int kCockpitTeams = 14;

using CockpitBases = std::array<std::uint8_t, kCockpitElements>;

// The base index of each element for team slot `teamSlot` (1..20).
CockpitBases cockpitBases(const SettingsRecord& record, int teamSlot);
RecolourTable cockpitRecolourTable(const CockpitBases& bases);

// The element whose run holds a saved-picture index.
std::optional<int> cockpitElementAt(std::uint8_t savedIndex);

inline constexpr kvr::Marked kDetailNothing = KVR_TR_NOOP("Pictures", "Detail: (nothing)");
inline constexpr kvr::Marked kDetailOf = KVR_TR_NOOP("Pictures", "Detail: %1");
// ShowElement's label text for an element (or none) of the cockpit.
Message cockpitDetail(std::optional<int> element);

} // namespace kvr
