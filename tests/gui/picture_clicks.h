// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/dib256.h"
#include "graphics/wing_image_view.h"

#include <QApplication>
#include <QPoint>
#include <QTest>

#include <optional>
#include <string>

// The control point over the middle of bitmap pixel (x, y) of an image view.
inline QPoint pointOver(const kvr::TWinGImage& view, int x, int y)
{
    const kvr::ViewPlacement at = view.placement();
    const kvr::PixelRect shown = view.model().shownRect();
    const double ratio = view.devicePixelRatioF();
    const auto logical = [&](int start, int offset) {
        return int((start + offset * at.scale + at.scale / 2.0) / ratio);
    };
    return {logical(at.left, x - shown.left), logical(at.top, y - shown.top)};
}

inline void pressPixel(kvr::TWinGImage& view, int x, int y)
{
    QTest::mouseClick(&view, Qt::LeftButton, {}, pointOver(view, x, y));
}

inline void movePointer(kvr::TWinGImage& view, int x, int y)
{
    QTest::mouseMove(&view, pointOver(view, x, y));
}

// The middle of the swatch of palette index `index`.
inline int swatchX(int index)
{
    return (index - 11) % 25 * 20 + 10;
}
inline int swatchY(int index)
{
    return 198 + (index - 11) / 25 * 15 + 7;
}

// A pixel of the shipped picture's drawing that holds `index`.
inline std::optional<QPoint> drawingPixelOf(const std::string& pictureFile, int index)
{
    kvr::TDIB256 dib;
    dib.loadFromFile(std::string(KVR_DATA_DIR) + "/" + pictureFile);
    for (int y = 0; y < 198 && y < dib.height(); ++y)
        for (int x = 0; x < dib.width(); ++x)
            if (dib.pixel(x, y) == index)
                return QPoint(x, y);
    return std::nullopt;
}

// A click on a radio button's circle: its middle may lie past a short caption.
inline void clickRadio(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Keys pressed where the keyboard is, as a user presses them.
inline void press(Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), key);
}

// Tab until `target` has the focus; false when a round of the window never reaches it.
inline bool tabTo(QWidget* target)
{
    for (int i = 0; i < 64 && QApplication::focusWidget() != target; ++i)
        press(Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

// In a colour picture that has the focus, the arrow keys walk to the swatch of palette
// index `index`: first to the top left (11), then across and down.
inline void arrowToSwatch(int index)
{
    press(Qt::Key_Up, 10);
    press(Qt::Key_Left, 25);
    press(Qt::Key_Right, (index - 11) % 25);
    press(Qt::Key_Down, (index - 11) / 25);
}
