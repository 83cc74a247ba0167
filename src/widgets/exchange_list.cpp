// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/exchange_list.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kvrgui {

ExchangeList::ExchangeList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ExchangeList::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_pressedAt = event->position().toPoint();
    m_pressedLine = indexAt(m_pressedAt).row();
}

void ExchangeList::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressedLine < 0 || !(event->buttons() & Qt::LeftButton)) {
        QListWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    if (!m_dragging) {
        if ((at - m_pressedAt).manhattanLength() < QApplication::startDragDistance())
            return;
        m_dragging = true;
        viewport()->setCursor(Qt::DragMoveCursor);
    }
    const int target = indexAt(at).row();
    if (target != m_targetLine) {
        m_targetLine = target;
        viewport()->update();
    }
}

void ExchangeList::mouseReleaseEvent(QMouseEvent* event)
{
    const bool dropped = m_dragging && event->button() == Qt::LeftButton;
    const int dragged = m_pressedLine;
    const int target = indexAt(event->position().toPoint()).row();
    QListWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    endDrag();
    // A drop beside the lines or back on the dragged one changes nothing.
    if (dropped && target >= 0 && target != dragged)
        emit linesDropped(dragged, target);
}

void ExchangeList::keyPressEvent(QKeyEvent* event)
{
    if (m_dragging && event->key() == Qt::Key_Escape) {
        endDrag();
        return;
    }
    // Alt+Up and Alt+Down exchange the current line with its neighbour, as a drag onto it would.
    const int step = event->key() == Qt::Key_Up ? -1 : event->key() == Qt::Key_Down ? 1 : 0;
    if (step != 0 && event->modifiers() == Qt::AltModifier && !m_dragging) {
        const int line = currentRow();
        if (line >= 0 && line + step >= 0 && line + step < count())
            emit linesDropped(line, line + step);
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ExchangeList::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    if (!m_dragging || m_targetLine < 0 || m_targetLine == m_pressedLine)
        return;
    // Frames the line the dragged one would change places with.
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(visualRect(model()->index(m_targetLine, 0)).adjusted(1, 1, -1, -1));
}

void ExchangeList::endDrag()
{
    m_dragging = false;
    m_pressedLine = -1;
    m_targetLine = -1;
    viewport()->unsetCursor();
    viewport()->update();
}

} // namespace kvrgui
