// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/temp_dir.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kvrtest {
namespace fs = std::filesystem;

TempDir::TempDir(const fs::path& parent)
{
    std::string tmpl = (parent / "kvrtest-XXXXXX").string();
    if (!::mkdtemp(tmpl.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = tmpl;
}

void setEnvironment(const char* name, const char* value)
{
    if (value)
        ::setenv(name, value, 1);
    else
        ::unsetenv(name);
}

fs::path memoryBackedFolder(std::uint64_t needed)
{
    struct statvfs shm {};
    if (::statvfs("/dev/shm", &shm) == 0 && std::uint64_t(shm.f_bavail) * shm.f_frsize >= needed &&
        ::access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return fs::temp_directory_path();
}

namespace {
std::string slurp(int fd)
{
    std::string s;
    char buf[4096];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0)
        s.append(buf, std::size_t(n));
    return s;
}
} // namespace

RunResult run(const std::vector<std::string>& argv, const RunOptions& options)
{
    TempDir scratch;
    const fs::path outFile = options.stdoutTo.empty() ? scratch / "out" : options.stdoutTo;
    const fs::path errFile = scratch / "err";
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int o = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int e = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = ::open("/dev/null", O_RDONLY);
        ::dup2(o, 1);
        ::dup2(e, 2);
        ::dup2(in, 0);
        if (options.fileSizeLimit != 0) {
            // Writes beyond the limit then fail with EFBIG instead of ending the program.
            const struct rlimit limit = {rlim_t(options.fileSizeLimit), rlim_t(options.fileSizeLimit)};
            ::signal(SIGXFSZ, SIG_IGN);
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                ::_exit(126);
        }
        if (options.asNobody && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(126);
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    // Polled so that a hanging child is killed after the bound.
    for (int waited = 0; ::waitpid(pid, &status, WNOHANG) == 0; ++waited) {
        if (waited >= options.killAfterSeconds * 100) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            break;
        }
        ::usleep(10000);
    }
    RunResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (options.stdoutTo.empty()) {
        const int o = ::open(outFile.c_str(), O_RDONLY);
        r.out = slurp(o);
        ::close(o);
    }
    const int e = ::open(errFile.c_str(), O_RDONLY);
    r.err = slurp(e);
    ::close(e);
    return r;
}

} // namespace kvrtest
