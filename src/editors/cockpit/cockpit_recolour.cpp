// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/cockpit/cockpit_recolour.h"

#include "core/settings_record.h"

#include <algorithm>

namespace kvr {

RecolourTable identityRecolourTable()
{
    RecolourTable t{};
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = std::uint8_t(i);
    return t;
}

SavedPicture SavedPicture::take(const PixelArea& area, int rows)
{
    SavedPicture s;
    s.m_width = area.width;
    s.m_rows = std::clamp(rows, 0, area.height);
    s.m_stride = area.stride;
    const auto part = area.pixels.first(std::size_t(s.m_rows) * area.stride);
    s.m_bytes.assign(part.begin(), part.end());
    return s;
}

std::optional<std::uint8_t> SavedPicture::indexAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_rows)
        return std::nullopt;
    return m_bytes[std::size_t(y) * m_stride + std::size_t(x)];
}

void recolourPicture(PixelArea area, const SavedPicture& saved, const RecolourTable& table)
{
    const std::size_t n = std::min(saved.bytes().size(), area.pixels.size());
    const std::uint8_t* from = saved.bytes().data();
    std::uint8_t* to = area.pixels.data();
    for (std::size_t i = 0; i < n; ++i)
        to[i] = table[from[i]];
}

void restorePicture(PixelArea area, const SavedPicture& saved)
{
    const std::size_t n = std::min(saved.bytes().size(), area.pixels.size());
    std::copy_n(saved.bytes().begin(), n, area.pixels.begin());
}

CockpitBases cockpitBases(const SettingsRecord& record, int teamSlot)
{
    CockpitBases b{};
    for (int e = 0; e < kCockpitElements; ++e)
        b[std::size_t(e)] = record.byte(rec::cockpitColour(teamSlot, e));
    return b;
}

RecolourTable cockpitRecolourTable(const CockpitBases& bases)
{
    RecolourTable t = identityRecolourTable();
    for (int e = 0; e < kCockpitElements; ++e) {
        const ColourRun& run = kCockpitRuns[std::size_t(e)];
        for (int p = run.first; p < run.first + run.length; ++p)
            t[std::size_t(p)] = std::uint8_t(p - run.first + bases[std::size_t(e)]);
    }
    return t;
}

std::optional<int> cockpitElementAt(std::uint8_t savedIndex)
{
    for (int e = 0; e < kCockpitElements; ++e) {
        const ColourRun& run = kCockpitRuns[std::size_t(e)];
        if (savedIndex >= run.first && savedIndex < run.first + run.length)
            return e;
    }
    return std::nullopt;
}

Message cockpitDetail(std::optional<int> element)
{
    if (!element)
        return kDetailNothing;
    return fillIn(kDetailOf, {kCockpitRuns[std::size_t(*element)].caption});
}

} // namespace kvr
