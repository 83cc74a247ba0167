// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/wing_image_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace kvr {

TWinGImage::TWinGImage(QWidget* parent) : QWidget(parent)
{
    // The control paints every pixel of its area.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_model.onRepaint = [this] { onModelRepainted(); };
    m_hinted = sizeHint();
}

void TWinGImage::onModelRepainted()
{
    // A new picture or view rectangle may want another size.
    if (const QSize hint = sizeHint(); hint != m_hinted) {
        m_hinted = hint;
        updateGeometry();
    }
    update();
}

QSize TWinGImage::sizeHint() const
{
    const PixelRect shown = m_model.shownRect();
    const double ratio = devicePixelRatioF();
    const int scale = naturalScale(ratio);
    const auto logical = [&](int pixels) { return int(std::ceil(pixels * scale / ratio)); };
    return {logical(std::max(shown.width, 1)), logical(std::max(shown.height, 1))};
}

ViewPlacement TWinGImage::placement() const
{
    const double ratio = devicePixelRatioF();
    const PixelRect shown = m_model.shownRect();
    return placeView(int(std::floor(width() * ratio)), int(std::floor(height() * ratio)), shown.width, shown.height);
}

QImage TWinGImage::wholeImage() const
{
    const TWinG& wing = m_model.wing();
    QList<QRgb> colours;
    colours.reserve(kColourCount);
    for (const ColourEntry& c : wing.colourTable())
        colours.append(toArgb(c));
    // A view of the pixel buffer, not a copy: rows are already 4-byte aligned.
    QImage image(wing.pixels().data(), wing.width(), wing.height(), qsizetype(wing.stride()), QImage::Format_Indexed8);
    image.setColorTable(colours);
    return image;
}

QImage TWinGImage::image(const PixelRect& part) const
{
    return wholeImage().copy(part.left, part.top, part.width, part.height);
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
    painter.fillRect(rect(), palette().window());
    // Drawn in device pixels, so a picture pixel never straddles two screen pixels.
    const double ratio = devicePixelRatioF();
    const ViewPlacement at = placement();
    painter.scale(1.0 / ratio, 1.0 / ratio);
    painter.drawImage(QRect(at.left, at.top, at.width, at.height), wholeImage(),
                      QRect(shown.left, shown.top, shown.width, shown.height));
}

QPoint TWinGImage::toBitmap(const QPointF& position) const
{
    const double ratio = devicePixelRatioF();
    const PixelPoint b = placedToBitmap(position.x() * ratio, position.y() * ratio, placement(), m_model.shownRect());
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
