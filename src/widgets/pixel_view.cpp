// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pixel_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace kvrgui {

int zoomKey(const QKeyEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return 0;
    if (event->matches(QKeySequence::ZoomIn) || event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)
        return 1;
    if (event->matches(QKeySequence::ZoomOut) || event->key() == Qt::Key_Minus)
        return -1;
    return 0;
}

QScrollArea* scrolledToFit(PixelView* view, QSize others, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(view);
    const auto fit = [area, view, others] {
        QSize room = view->size();
        if (const QScreen* screen = area->screen()) {
            const QSize most = (screen->availableGeometry().size() - others).expandedTo(QSize(160, 120));
            if (room.width() > most.width() || room.height() > most.height()) {
                const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
                room = room.boundedTo(most) + QSize(bar, bar);
                room = room.boundedTo(view->size() + QSize(bar, bar));
            }
        }
        area->setFixedSize(room);
    };
    QObject::connect(view, &PixelView::zoomChanged, area, fit);
    fit();
    return area;
}

PixelView::PixelView(QSize size, int zoom, QWidget* parent)
    : QWidget(parent), m_placeholder(size), m_zoom(std::clamp(zoom, kMinZoom, kMaxZoom))
{
    setFocusPolicy(Qt::StrongFocus);
    fit();
}

void PixelView::setImage(QImage image)
{
    const bool resized = image.size() != m_image.size();
    m_image = std::move(image);
    if (resized)
        fit();
    update();
}

void PixelView::setZoom(int zoom)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    fit();
    update();
    emit zoomChanged(m_zoom);
}

int PixelView::deviceStep() const
{
    return std::max(1, int(std::lround(m_zoom * devicePixelRatioF())));
}

void PixelView::fit()
{
    const QSize picture = pictureSize();
    const double scale = deviceStep() / devicePixelRatioF();
    setFixedSize(int(std::ceil(picture.width() * scale)), int(std::ceil(picture.height() * scale)));
}

QPoint PixelView::pixelAt(QPointF point) const
{
    const double scale = deviceStep() / devicePixelRatioF();
    return {int(std::floor(point.x() / scale)), int(std::floor(point.y() / scale))};
}

void PixelView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_image.isNull()) {
        painter.fillRect(rect(), palette().base());
        return;
    }
    // Whole screen pixels for each picture pixel and no smoothing: squares with hard edges.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const double scale = deviceStep() / devicePixelRatioF();
    painter.drawImage(QRectF(0, 0, m_image.width() * scale, m_image.height() * scale), m_image);
}

void PixelView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QWidget::wheelEvent(event);
        return;
    }
    // One notch is 120; touchpads send less at a time.
    m_wheel += event->angleDelta().y();
    while (m_wheel >= 120) {
        zoomIn();
        m_wheel -= 120;
    }
    while (m_wheel <= -120) {
        zoomOut();
        m_wheel += 120;
    }
    event->accept();
}

void PixelView::keyPressEvent(QKeyEvent* event)
{
    if (const int step = zoomKey(event)) {
        setZoom(m_zoom + step);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PixelView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed(pixelAt(event->position()));
    QWidget::mousePressEvent(event);
}

void PixelView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit released(pixelAt(event->position()));
    QWidget::mouseReleaseEvent(event);
}

void PixelView::changeEvent(QEvent* event)
{
    // Moved to a screen of other scaling: whole screen pixels there too.
    if (event->type() == QEvent::ScreenChangeInternal)
        fit();
    QWidget::changeEvent(event);
}

} // namespace kvrgui
