#pragma once

#include "core/process_runner.h"

#include <QPointer>

class QWidget;

namespace kvrgui {

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
