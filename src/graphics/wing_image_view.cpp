#include "graphics/wing_image_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace kvr {

TWinGImage::TWinGImage(QWidget* parent) : QWidget(parent)
{
    // The control paints every pixel of its area.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_model.onRepaint = [this] { update(); };
}

QSize TWinGImage::sizeHint() const
{
    return {m_model.wing().width(), m_model.wing().height()};
}

void TWinGImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const TWinG& wing = m_model.wing();
    const PixelRect shown = m_model.shownRect();
    if (wing.width() == 0 || wing.height() == 0 || shown.width <= 0 || shown.height <= 0) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    QList<QRgb> colours;
    colours.reserve(kColourCount);
    for (const ColourEntry& c : wing.colourTable())
        colours.append(toArgb(c));
    // A view of the pixel buffer, not a copy: rows are already 4-byte aligned.
    QImage image(wing.pixels().data(), wing.width(), wing.height(), qsizetype(wing.stride()), QImage::Format_Indexed8);
    image.setColorTable(colours);
    painter.drawImage(rect(), image, QRect(shown.left, shown.top, shown.width, shown.height));
}

QPoint TWinGImage::toBitmap(const QPointF& position) const
{
    const QPoint p = position.toPoint();
    const PixelPoint b = controlToBitmap(p.x(), p.y(), width(), height(), m_model.shownRect());
    return {b.x, b.y};
}

void TWinGImage::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = toBitmap(event->position());
    emit mousePressed(p.x(), p.y(), event->button());
}

void TWinGImage::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = toBitmap(event->position());
    emit mouseReleased(p.x(), p.y(), event->button());
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void TWinGImage::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = toBitmap(event->position());
    emit mouseMoved(p.x(), p.y());
}

void TWinGImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

} // namespace kvr
