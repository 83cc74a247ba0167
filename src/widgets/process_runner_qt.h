// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/process_runner.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <exception>
#include <functional>
#include <thread>

class QEventLoop;
class QWidget;

namespace kvrgui {

// Work on a worker thread that the window thread later waits for, painting meanwhile.
// The work must not touch widgets. `whenDone`, when given, is called on the window
// thread once the work has ended, through `context`'s events, so that nobody has to
// wait for it; `context` must outlive the task.
class BackgroundTask {
public:
    explicit BackgroundTask(std::function<void()> work, QObject* context = nullptr,
                            std::function<void()> whenDone = {});
    ~BackgroundTask();
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    // Returns once the work is done, rethrowing what it threw.
    void finish();
    // Whether the work has ended, so that finish() returns at once.
    bool done() const { return m_done; }

private:
    QObject m_receiver;
    std::atomic<bool> m_done{false};
    QEventLoop* m_loop = nullptr;
    std::exception_ptr m_failure;
    std::thread m_worker;
};

// Runs an outside program on a worker thread while the window thread goes on painting.
// Meanwhile the cursor is busy and `window` (when given) is disabled and cannot be
// closed, so nothing the user does can start a second run or act on half-done work;
// both come back as they were however the run ends.
class QtProcessRunner : public kvr::ProcessRunner {
public:
    explicit QtProcessRunner(QWidget* window = nullptr) : m_window(window) {}

    kvr::ProcessResult run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           std::chrono::milliseconds bound) override;

private:
    QPointer<QWidget> m_window;
};

} // namespace kvrgui
