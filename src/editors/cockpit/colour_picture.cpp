// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/cockpit/colour_picture.h"

#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "editors/cockpit/swatch_grid.h"

#include <algorithm>

namespace kvr {
namespace {

class CockpitScheme final : public ColourScheme {
  public:
    int elementCount() const override { return kCockpitElements; }
    Marked caption(int element) const override { return run(element).caption; }
    int runLength(int element) const override { return run(element).length; }
    std::optional<int> elementAt(std::uint8_t savedIndex) const override { return cockpitElementAt(savedIndex); }
    int base(const SettingsRecord& record, int team, int element) const override
    {
        return record.byte(rec::cockpitColour(team, element));
    }
    void setBase(SettingsRecord& record, int team, int element, int base) const override
    {
        record.setByte(rec::cockpitColour(team, element), std::uint8_t(base));
    }
    RecolourTable recolourTable(const SettingsRecord& record, int team) const override
    {
        return cockpitRecolourTable(cockpitBases(record, team));
    }

  private:
    static const ColourRun& run(int element) { return kCockpitRuns.at(std::size_t(element)); }
};

bool onGrid(int x, int y)
{
    return x >= 0 && x < swatch::kPictureWidth && y >= swatch::kGridTop && y <= swatch::kGridBottom;
}

} // namespace

const ColourScheme& cockpitScheme()
{
    static const CockpitScheme scheme;
    return scheme;
}

void drawColourPicture(PixelArea area, const SavedPicture& saved, const ColourScheme& scheme,
                       const SettingsRecord& record, int team, int element, const ColourTable& markerColours,
                       std::optional<int> cursor)
{
    recolourPicture(area, saved, scheme.recolourTable(record, team));
    swatch::drawGrid(area);
    if (cursor)
        drawSwatchCursor(area, *cursor, markerColours);
    doRect(area, scheme.base(record, team, element), scheme.runLength(element), true, markerColours);
}

std::optional<int> elementClicked(const SavedPicture& saved, const ColourScheme& scheme, int x, int y)
{
    if (y >= swatch::kDrawingRows)
        return std::nullopt;
    const std::optional<std::uint8_t> index = saved.indexAt(x, y);
    return index ? scheme.elementAt(*index) : std::nullopt;
}

bool setColourFromSwatch(SettingsRecord& record, const ColourScheme& scheme, int team, int element, int x, int y)
{
    const std::optional<int> base = swatchBaseAt(x, y, scheme.runLength(element));
    if (!base)
        return false;
    scheme.setBase(record, team, element, *base);
    return true;
}

bool setColourFromIndex(SettingsRecord& record, const ColourScheme& scheme, int team, int element, int index)
{
    const std::optional<int> base = swatchBase(index, scheme.runLength(element));
    if (!base)
        return false;
    scheme.setBase(record, team, element, *base);
    return true;
}

Message pictureDetail(const SavedPicture& saved, const ColourScheme& scheme, int x, int y)
{
    if (onGrid(x, y)) {
        // Any run of one fits on every swatch, so this finds the swatch itself.
        if (const std::optional<int> index = swatchBaseAt(x, y, 1))
            return swatchDetail(*index);
        return kDetailNothing;
    }
    if (const std::optional<int> element = elementClicked(saved, scheme, x, y))
        return elementDetail(scheme, *element);
    return kDetailNothing;
}

Message swatchDetail(int index)
{
    return fillIn(KVR_TR_NOOP("Pictures", "Detail: palette index %1"), {std::to_string(index)});
}

Message elementDetail(const ColourScheme& scheme, int element)
{
    return fillIn(kDetailOf, {scheme.caption(element)});
}

int listedTeam(const std::vector<int>& listed, int wanted)
{
    if (std::find(listed.begin(), listed.end(), wanted) != listed.end())
        return wanted;
    return listed.empty() ? 1 : listed.front();
}

} // namespace kvr
