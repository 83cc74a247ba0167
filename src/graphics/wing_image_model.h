// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tr_marker.h"
#include "graphics/colour_table.h"
#include "graphics/view_rect.h"
#include "graphics/wing.h"

#include <functional>
#include <span>
#include <string>

namespace kvr {

inline constexpr kvr::Marked kNoPicture = KVR_TR_NOOP("Pictures", "(none)");

// Where the shown rectangle lands on a control, in device pixels: enlarged by the
// largest whole multiple that fits (at least 1) and centred, so every picture pixel
// is a square of the same size and a palette swatch keeps its exact edges.
struct ViewPlacement {
    int scale = 1;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
ViewPlacement placeView(int controlWidth, int controlHeight, int shownWidth, int shownHeight);

// The bitmap pixel under a point given in device pixels. Points beside the placed
// picture map outside the shown rectangle, never onto its edge.
PixelPoint placedToBitmap(double x, double y, const ViewPlacement& placement, const PixelRect& shown);

// The whole multiple a picture is shown at on a screen with this many device pixels
// per logical pixel: the nearest one, so it looks about as large as intended.
int naturalScale(double devicePixelRatio);

// Everything the image control does apart from putting pixels on the screen: the
// off-screen bitmap, the picture file it shows, the colour-table rules and the view
// rectangle. The Qt control (TWinGImage) paints what this holds.
class WinGImageModel {
  public:
    WinGImageModel();
    WinGImageModel(const WinGImageModel&) = delete;
    WinGImageModel& operator=(const WinGImageModel&) = delete;

    TWinG& wing() { return m_wing; }
    const TWinG& wing() const { return m_wing; }
    TView& view() { return m_view; }
    const TView& view() const { return m_view; }

    // Clears every pixel to index 0, then loads the 8-bit bitmap named by its path text
    // (see platform/path_text.h; "(none)" or empty: no picture). Throws GeneralError or InvalidGraphic when the file
    // cannot be used; the bitmap then stays cleared and the name is kept.
    void setFileName(const std::string& fileName);
    const std::string& fileName() const { return m_fileName; }

    // Turning it on loads the picture again at the picture's size.
    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }

    // Copies `count` entries of `entries` into the colour table from index `first`,
    // never touching the static entries 0..9 and 246..255, then repaints.
    void updateColourTable(std::span<const ColourEntry> entries, int first, int count);

    // Static colours back into 0..9 and 246..255 (the identity palette of the screen).
    void rebuildPalette();

    // What is shown of the bitmap, in bitmap pixels.
    PixelRect shownRect() const { return m_view.shown(m_wing.width(), m_wing.height()); }

    // Editors call this after changing pixels.
    void repaint();
    std::function<void()> onRepaint;

  private:
    void loadPicture();
    void clampView();

    TWinG m_wing;
    TView m_view;
    std::string m_fileName = kNoPicture.text;
    bool m_autoSize = true;
    bool m_loading = false;
};

} // namespace kvr
