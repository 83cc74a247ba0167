#include "graphics/wing_image_model.h"

#include "graphics/dib256.h"

#include <algorithm>

namespace kvr {

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
    m_fileName = kNoPicture;
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
    if (m_fileName.empty() || m_fileName == kNoPicture)
        return;
    TDIB256 dib;
    dib.loadFromFile(m_fileName);

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
