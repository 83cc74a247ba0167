// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system_process_runner.h"

#include "core/platform/command_line.h"
#include "core/platform/path_text.h"
#include "core/platform/windows_error.h"

#include <algorithm>
#include <cstring>
#include <windows.h>

namespace kvr {
namespace {

using Clock = std::chrono::steady_clock;

// Windows has no wait on a pipe and a process at once: the wait looks at both this often.
constexpr DWORD kSliceMs = 50;
// After TerminateJobObject the process is gone within moments; this only bounds a system
// that does not say so.
constexpr DWORD kEndAfterStopMs = 5000;
constexpr int kDrainReads = 16;

class Handle {
  public:
    explicit Handle(HANDLE h = nullptr) : m_h(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return m_h; }
    HANDLE* out() { return &m_h; }
    void reset()
    {
        if (m_h)
            ::CloseHandle(m_h);
        m_h = nullptr;
    }

  private:
    HANDLE m_h;
};

std::string errorText(int error) { return std::strerror(error); }

// Reads what the pipe holds now, without waiting; false once the writers are gone.
bool readAvailable(HANDLE pipe, std::string& text)
{
    DWORD available = 0;
    if (!::PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr))
        return false;
    while (available > 0) {
        char buffer[4096];
        DWORD n = 0;
        if (!::ReadFile(pipe, buffer, std::min<DWORD>(available, sizeof buffer), &n, nullptr) || n == 0)
            return false;
        available -= n;
        const std::size_t room = kMaxErrorOutput - std::min(kMaxErrorOutput, text.size());
        text.append(buffer, std::min<std::size_t>(n, room));
    }
    return true;
}

// A job that takes every process the program starts down with it.
HANDLE makeJob()
{
    const HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
    if (!job)
        return nullptr;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    ::SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

} // namespace

ProcessResult SystemProcessRunner::run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                                       std::chrono::milliseconds bound)
{
    ProcessResult result;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    Handle readEnd;
    Handle writeEnd;
    if (!::CreatePipe(readEnd.out(), writeEnd.out(), &inherit, 0) ||
        !::SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0)) {
        result.startError = errorText(platform::lastErrno());
        return result;
    }
    Handle nul(::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr));

    std::vector<std::wstring> words{program.wstring()};
    for (const std::string& a : arguments)
        words.push_back(platform::pathFromText(a).wstring());
    std::wstring line = platform::windowsCommandLine(words);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nul.get();
    startup.hStdOutput = nul.get();
    startup.hStdError = writeEnd.get();
    PROCESS_INFORMATION info{};
    Handle job(makeJob());
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr,
                          nullptr, &startup, &info)) {
        result.startError = errorText(platform::lastErrno());
        return result;
    }
    Handle process(info.hProcess);
    Handle thread(info.hThread);
    writeEnd.reset();
    const bool inJob = job.get() && ::AssignProcessToJobObject(job.get(), process.get());
    ::ResumeThread(thread.get());
    result.started = true;

    bool pipeOpen = true;
    const auto deadline = Clock::now() + bound;
    for (;;) {
        if (pipeOpen)
            pipeOpen = readAvailable(readEnd.get(), result.errorOutput);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            if (!inJob || !::TerminateJobObject(job.get(), 1))
                ::TerminateProcess(process.get(), 1);
            ::WaitForSingleObject(process.get(), kEndAfterStopMs);
            result.stoppedAtBound = true;
            break;
        }
        const DWORD wait = DWORD(std::min<long long>(left.count(), kSliceMs));
        if (::WaitForSingleObject(process.get(), wait) == WAIT_OBJECT_0)
            break;
    }
    // What is left in the pipe, without waiting: something the program started may
    // still hold it open and go on writing.
    for (int reads = 0; pipeOpen && !result.stoppedAtBound && reads < kDrainReads; ++reads)
        pipeOpen = readAvailable(readEnd.get(), result.errorOutput);
    DWORD code = 0;
    if (!result.stoppedAtBound && ::GetExitCodeProcess(process.get(), &code))
        result.exitCode = int(code);
    return result;
}

} // namespace kvr
