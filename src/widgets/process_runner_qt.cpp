// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/process_runner_qt.h"

#include "core/system_process_runner.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QWidget>


namespace kvrgui {

namespace {

// The window as the user sees it during a run: busy cursor, disabled, no close box.
class BusyWindow : public QObject {
public:
    explicit BusyWindow(QWidget* window) : m_window(window), m_focus(QApplication::focusWidget())
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (!m_window)
            return;
        m_wasEnabled = m_window->isEnabled();
        m_window->installEventFilter(this);
        m_window->setEnabled(false);
    }
    ~BusyWindow() override
    {
        if (m_window) {
            m_window->removeEventFilter(this);
            m_window->setEnabled(m_wasEnabled);
            // Disabling took the focus away; the keyboard user carries on where they were.
            if (m_focus && m_focus->window() == m_window)
                m_focus->setFocus();
        }
        QApplication::restoreOverrideCursor();
    }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
    bool m_wasEnabled = true;
};

} // namespace

BackgroundTask::BackgroundTask(std::function<void()> work, QObject* context, std::function<void()> whenDone)
{
    m_worker = std::thread([this, work = std::move(work), context,
                            whenDone = std::move(whenDone)] {
        try {
            work();
        } catch (...) {
            m_failure = std::current_exception();
        }
        m_done = true;
        QMetaObject::invokeMethod(
            &m_receiver,
            [this] {
                if (m_loop)
                    m_loop->quit();
            },
            Qt::QueuedConnection);
        // Queued on the context rather than on this task, which whenDone may end.
        if (context && whenDone)
            QMetaObject::invokeMethod(context, whenDone, Qt::QueuedConnection);
    });
}

BackgroundTask::~BackgroundTask()
{
    if (m_worker.joinable())
        m_worker.join();
}

void BackgroundTask::finish()
{
    if (!m_done) {
        QEventLoop loop;
        m_loop = &loop;
        // A quit posted before the loop runs is delivered inside it.
        if (!m_done)
            loop.exec();
        m_loop = nullptr;
    }
    m_worker.join();
    if (m_failure)
        std::rethrow_exception(m_failure);
}

kvr::ProcessResult QtProcessRunner::run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                                        std::chrono::milliseconds bound)
{
    BusyWindow busy(m_window);
    kvr::ProcessResult result;
    // The bounded wait itself stays in the system runner; this thread only paints.
    BackgroundTask task([&] { result = kvr::SystemProcessRunner().run(program, arguments, bound); });
    task.finish();
    return result;
}

} // namespace kvrgui
