// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/cockpit/cockpit_recolour.h"
#include "graphics/colour_table.h"
#include "graphics/pixel_area.h"

#include <optional>
#include <string>
#include <vector>

namespace kvr {

class SettingsRecord;

// What the cockpit and the pit crew colour editors differ in. Elements are numbered
// 0.. in the order of their radio buttons; teams 1..14.
class ColourScheme {
  public:
    virtual ~ColourScheme() = default;
    virtual int elementCount() const = 0;
    virtual Marked caption(int element) const = 0;
    // How many swatches a base colour of the element takes from its base on.
    virtual int runLength(int element) const = 0;
    // The element whose run holds an index of the unrecoloured picture.
    virtual std::optional<int> elementAt(std::uint8_t savedIndex) const = 0;
    virtual int base(const SettingsRecord& record, int team, int element) const = 0;
    virtual void setBase(SettingsRecord& record, int team, int element, int base) const = 0;
    virtual RecolourTable recolourTable(const SettingsRecord& record, int team) const = 0;
};

const ColourScheme& cockpitScheme();

// The whole 500 x 375 picture for a team and element: the drawing recoloured from the
// saved rows, the swatch grid below with the element's run marked. Everything is drawn
// anew, so no mark of an earlier choice can stay behind.
// `cursor`, when given, is the swatch the keyboard has reached, framed.
void drawColourPicture(PixelArea area, const SavedPicture& saved, const ColourScheme& scheme,
                       const SettingsRecord& record, int team, int element, const ColourTable& markerColours,
                       std::optional<int> cursor = std::nullopt);

// The element a press on the drawing at (x, y) selects (GetColor).
std::optional<int> elementClicked(const SavedPicture& saved, const ColourScheme& scheme, int x, int y);

// SetColor: stores the base colour of the swatch at (x, y) for the team's element when
// the rule accepts it; false (and nothing changed) otherwise.
bool setColourFromSwatch(SettingsRecord& record, const ColourScheme& scheme, int team, int element, int x, int y);
// The same for the swatch of palette index `index`, as chosen by the keyboard.
bool setColourFromIndex(SettingsRecord& record, const ColourScheme& scheme, int team, int element, int index);

// The "Detail:" label for the pointer at (x, y): the element under it on the drawing,
// the palette index of the swatch under it on the grid, "(nothing)" elsewhere.
Message pictureDetail(const SavedPicture& saved, const ColourScheme& scheme, int x, int y);
// The "Detail:" label for the swatch of palette index `index`.
Message swatchDetail(int index);
// The "Detail:" label for an element.
Message elementDetail(const ColourScheme& scheme, int element);

// The team to show: `wanted` while it is listed, else the first listed team, else team 1.
int listedTeam(const std::vector<int>& listed, int wanted);

} // namespace kvr
