// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace kvrgui {

// A list whose lines are exchanged by dragging one onto another with the left mouse
// button. The list itself moves nothing: it reports the two lines, and its owner
// changes the record and fills the list again. Escape during a drag cancels it.
// Alt+Up and Alt+Down exchange the current line with the one above or below.
class ExchangeList : public QListWidget {
    Q_OBJECT
public:
    explicit ExchangeList(QWidget* parent = nullptr);

    bool dragging() const { return m_dragging; }

signals:
    // Line `dragged` was dropped onto line `target` (both from 0, never the same).
    void linesDropped(int dragged, int target);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void endDrag();

    int m_pressedLine = -1;
    QPoint m_pressedAt;
    bool m_dragging = false;
    int m_targetLine = -1;
};

} // namespace kvrgui
