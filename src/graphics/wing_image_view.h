// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/wing_image_model.h"

#include <QWidget>

namespace kvr {

// The image control of the colour and camera editors: paints the 8-bit bitmap through
// its colour table (all of it, or the view's portion) enlarged by whole multiples of
// the screen's pixels and centred, and reports the mouse in bitmap pixels. Editors
// change pixels in wing() and call repaint() on the model (or update() here); nothing
// else needs to be told.
class TWinGImage : public QWidget {
    Q_OBJECT
  public:
    explicit TWinGImage(QWidget* parent = nullptr);

    WinGImageModel& model() { return m_model; }
    const WinGImageModel& model() const { return m_model; }
    TWinG& wing() { return m_model.wing(); }
    TView& view() { return m_model.view(); }

    // Loads a picture file; the model's errors pass through to the caller.
    void setFileName(const std::string& fileName) { m_model.setFileName(fileName); }

    // The shown rectangle at its natural whole multiple; never smaller than that.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // A copy of a rectangle of the bitmap, through its colour table.
    QImage image(const PixelRect& part) const;
    // Where the picture lies on the control now, in device pixels.
    ViewPlacement placement() const;

  signals:
    void mousePressed(int x, int y, Qt::MouseButton button);
    void mouseReleased(int x, int y, Qt::MouseButton button);
    void mouseMoved(int x, int y);
    void clicked();
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QPoint toBitmap(const QPointF& position) const;
    QImage wholeImage() const;
    void onModelRepainted();

    WinGImageModel m_model;
    QSize m_hinted;
};

} // namespace kvr
