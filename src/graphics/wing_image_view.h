#pragma once

#include "graphics/wing_image_model.h"

#include <QWidget>

namespace kvr {

// The image control of the colour and camera editors: paints the 8-bit bitmap through
// its colour table, scaled onto the whole control (all of it, or the view's portion),
// and reports the mouse in bitmap pixels. Editors change pixels in wing() and call
// repaint() on the model (or update() here); nothing else needs to be told.
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

    QSize sizeHint() const override;

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

    WinGImageModel m_model;
};

} // namespace kvr
