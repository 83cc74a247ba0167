// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>

class QScrollArea;

namespace kvrgui {

// A picture shown pixel for pixel, each as a square of whole screen pixels (so it stays
// crisp on a high-DPI screen), zoomed 1x to 8x with Ctrl + wheel or Ctrl++ / Ctrl+-
// while it has the focus. Points on it are told as the picture's pixels.
class PixelView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 8;

    // `size`: the picture's size while there is none.
    PixelView(QSize size, int zoom, QWidget* parent);

    void setImage(QImage image);
    const QImage& image() const { return m_image; }
    int zoom() const { return m_zoom; }
    // Kept within 1x to 8x.
    void setZoom(int zoom);
    void zoomIn() { setZoom(m_zoom + 1); }
    void zoomOut() { setZoom(m_zoom - 1); }
    // The picture's pixel under a point of the view (outside the picture past its edge).
    QPoint pixelAt(QPointF point) const;
    // Screen pixels one picture pixel takes: the zoom at this screen's scaling, whole.
    int deviceStep() const;

  signals:
    void zoomChanged(int zoom);
    void pressed(QPoint pixel);
    void released(QPoint pixel);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QSize pictureSize() const { return m_image.isNull() ? m_placeholder : m_image.size(); }
    void fit();

    QImage m_image;
    QSize m_placeholder;
    int m_zoom;
    int m_wheel = 0;
};

// `view` in a scroll area of its own size, as far as the screen has room for it beside
// `others` (what the rest of the window takes): a picture zoomed past that scrolls.
QScrollArea* scrolledToFit(PixelView* view, QSize others, QWidget* parent);

// Whether a key press is Ctrl++ (also Ctrl+= as on keyboards without a plus key), Ctrl+-, or neither (0).
int zoomKey(const QKeyEvent* event);

} // namespace kvrgui
