// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QProgressBar;

namespace kvrgui {

// The borderless splash window that shows the start-up load's progress.
class TStartForm : public QWidget {
    Q_OBJECT
public:
    explicit TStartForm(QWidget* parent = nullptr);

    QProgressBar* progressBar() const { return m_bar; }
    int progress() const { return m_progress; }
    // Moves the bar on. The load runs without an event loop, so the bar is painted at
    // once, but not more often than the eye can follow: a fast load is not slowed down
    // by painting every step.
    void setProgress(int value);

signals:
    void progressChanged(int value);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QProgressBar* m_bar;
    int m_progress = 0;
    QElapsedTimer m_sincePainted;
};

} // namespace kvrgui
