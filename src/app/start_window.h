#pragma once

#include <QWidget>

class QProgressBar;

namespace kvrgui {

// The borderless splash window that shows the start-up load's progress.
class TStartForm : public QWidget {
    Q_OBJECT
public:
    explicit TStartForm(QWidget* parent = nullptr);

    QProgressBar* progressBar() const { return m_bar; }
    // Sets the bar and paints it at once: the load runs without an event loop.
    void setProgress(int value);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QProgressBar* m_bar;
};

} // namespace kvrgui
