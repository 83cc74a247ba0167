// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/wing_image_model.h"

#include "core/platform/path_text.h"
#include "graphics/dib256.h"

#include <algorithm>
#include <cmath>

namespace kvr {

ViewPlacement placeView(int controlWidth, int controlHeight, int shownWidth, int shownHeight)
{
    ViewPlacement p;
    if (shownWidth <= 0 || shownHeight <= 0)
        return p;
    p.scale = std::max(1, std::min(controlWidth / shownWidth, controlHeight / shownHeight));
    p.width = shownWidth * p.scale;
    p.height = shownHeight * p.scale;
    p.left = std::max(0, (controlWidth - p.width) / 2);
    p.top = std::max(0, (controlHeight - p.height) / 2);
    return p;
}

PixelPoint placedToBitmap(double x, double y, const ViewPlacement& placement, const PixelRect& shown)
{
    const int scale = std::max(1, placement.scale);
    const auto along = [scale](double at, int start) { return int(std::floor((at - start) / scale)); };
    return {shown.left + along(x, placement.left), shown.top + along(y, placement.top)};
}

int naturalScale(double devicePixelRatio)
{
    if (!std::isfinite(devicePixelRatio))
        return 1;
    return int(std::clamp(std::lround(devicePixelRatio), 1L, 8L));
}

WinGImageModel::WinGImageModel()
{
    rebuildPalette();
    m_view.onChange = [this] {
        clampView();
        repaint();
    };
    // A bitmap of another size gets the picture again.
    m_wing.onChange = [this] {
        if (!m_loading)
            loadPicture();
    };
}

void WinGImageModel::repaint()
{
    if (onRepaint)
        onRepaint();
}

void WinGImageModel::clampView()
{
    m_view.clampTo(m_wing.width(), m_wing.height());
}

void WinGImageModel::setFileName(const std::string& fileName)
{
    auto pixels = m_wing.pixels();
    std::fill(pixels.begin(), pixels.end(), 0);
    m_fileName = kNoPicture.text;
    if (!fileName.empty()) {
        m_fileName = fileName;
        loadPicture();
    }
    repaint();
}

void WinGImageModel::setAutoSize(bool on)
{
    const bool turnedOn = on && !m_autoSize;
    m_autoSize = on;
    if (turnedOn)
        loadPicture();
}

void WinGImageModel::loadPicture()
{
    if (m_fileName.empty() || m_fileName == kNoPicture.text)
        return;
    TDIB256 dib;
    dib.loadFromFile(platform::pathFromText(m_fileName));

    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(m_loading);
    if (m_autoSize) {
        m_wing.setWidth(dib.width());
        m_wing.setHeight(dib.height());
    }
    const std::size_t columns = std::min<std::size_t>(m_wing.width(), dib.width());
    const int rows = std::min<int>(m_wing.height(), dib.height());
    auto target = m_wing.pixels();
    for (int y = 0; y < rows; ++y) {
        const auto source = dib.row(y).first(columns);
        std::copy(source.begin(), source.end(), target.begin() + std::ptrdiff_t(m_wing.offsetOf(0, y)));
    }
    auto& table = m_wing.colourTable();
    for (int i = kFirstPictureColour; i < kFirstUpperStatic; ++i)
        table[std::size_t(i)] = dib.colours()[std::size_t(i)];
    rebuildPalette();
    clampView();
    repaint();
}

void WinGImageModel::updateColourTable(std::span<const ColourEntry> entries, int first, int count)
{
    count = std::min<int>(count, int(entries.size()));
    auto& table = m_wing.colourTable();
    for (int k = 0; k < count; ++k) {
        const int index = first + k;
        if (index >= kFirstPictureColour && index < kFirstUpperStatic)
            table[std::size_t(index)] = entries[std::size_t(k)];
    }
    rebuildPalette();
    repaint();
}

void WinGImageModel::rebuildPalette()
{
    applyStaticColours(m_wing.colourTable());
}

} // namespace kvr
