// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system_process_runner.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace kvr {
namespace {

using Clock = std::chrono::steady_clock;

// Without a process handle to wait on, the wait looks at the process this often.
constexpr std::chrono::milliseconds kSlice{50};
constexpr int kDrainReads = 16;

class Fd {
  public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    void reset()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

  private:
    int m_fd;
};

// A descriptor that becomes readable when the process ends (Linux), or none.
int processHandle(pid_t pid)
{
#ifdef SYS_pidfd_open
    const long fd = ::syscall(SYS_pidfd_open, pid, 0);
    return fd >= 0 ? int(fd) : -1;
#else
    (void)pid;
    return -1;
#endif
}

class ErrorOutput {
  public:
    enum class Read { Data, Nothing, Closed };
    explicit ErrorOutput(std::string& text) : m_text(text) {}
    Read readSome(int fd)
    {
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0)
            return errno == EINTR ? Read::Data : errno == EAGAIN ? Read::Nothing : Read::Closed;
        if (n == 0)
            return Read::Closed;
        const std::size_t room = kMaxErrorOutput - std::min(kMaxErrorOutput, m_text.size());
        m_text.append(buffer, std::min(std::size_t(n), room));
        return Read::Data;
    }

  private:
    std::string& m_text;
};

void reap(pid_t pid, int& status)
{
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

struct SpawnSetup {
    SpawnSetup()
    {
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawnattr_init(&attributes);
    }
    ~SpawnSetup()
    {
        ::posix_spawn_file_actions_destroy(&actions);
        ::posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

} // namespace

ProcessResult SystemProcessRunner::run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                                       std::chrono::milliseconds bound)
{
    ProcessResult result;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        result.startError = std::strerror(errno);
        return result;
    }
    Fd readEnd(ends[0]);
    Fd writeEnd(ends[1]);

    SpawnSetup setup;
    ::posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_addopen(&setup.actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_adddup2(&setup.actions, writeEnd.get(), STDERR_FILENO);
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    ::posix_spawnattr_setsigmask(&setup.attributes, &none);
    ::posix_spawnattr_setsigdefault(&setup.attributes, &defaults);
    ::posix_spawnattr_setpgroup(&setup.attributes, 0);
    ::posix_spawnattr_setflags(&setup.attributes,
                               POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<std::string> texts{program.string()};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& t : texts)
        argv.push_back(t.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned =
        ::posix_spawnp(&pid, texts.front().c_str(), &setup.actions, &setup.attributes, argv.data(), environ);
    writeEnd.reset();
    if (spawned != 0) {
        result.startError = std::strerror(spawned);
        return result;
    }
    result.started = true;

    Fd handle(processHandle(pid));
    ErrorOutput errorOutput(result.errorOutput);
    bool pipeOpen = true;
    const auto deadline = Clock::now() + bound;
    int status = 0;
    for (;;) {
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid)
            break;
        // Reaped by someone else (SIGCHLD ignored): it has ended, how is unknown.
        if (ended < 0 && errno == ECHILD) {
            status = -1;
            break;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            ::kill(-pid, SIGKILL);
            reap(pid, status);
            result.stoppedAtBound = true;
            break;
        }
        pollfd watched[2];
        nfds_t count = 0;
        if (pipeOpen)
            watched[count++] = pollfd{readEnd.get(), POLLIN, 0};
        if (handle.get() >= 0)
            watched[count++] = pollfd{handle.get(), POLLIN, 0};
        const auto wait = handle.get() >= 0 ? left : std::min(left, kSlice);
        const int ready = ::poll(watched, count, int(std::min<long long>(wait.count(), 60'000)));
        if (ready > 0 && pipeOpen && watched[0].revents != 0)
            pipeOpen = errorOutput.readSome(readEnd.get()) != ErrorOutput::Read::Closed;
    }
    // What is left in the pipe, without waiting: something the program started may
    // still hold it open and go on writing.
    ::fcntl(readEnd.get(), F_SETFL, O_NONBLOCK);
    for (int reads = 0; pipeOpen && !result.stoppedAtBound && reads < kDrainReads; ++reads)
        if (errorOutput.readSome(readEnd.get()) != ErrorOutput::Read::Data)
            break;
    if (!result.stoppedAtBound && status != -1) {
        if (WIFEXITED(status))
            result.exitCode = WEXITSTATUS(status);
        else if (WIFSIGNALED(status))
            result.signal = WTERMSIG(status);
    }
    return result;
}

} // namespace kvr
