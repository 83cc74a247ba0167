#include "support/temp_dir.h"

#include <cstdlib>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kvrtest {
namespace fs = std::filesystem;

TempDir::TempDir() : TempDir(fs::temp_directory_path()) {}

TempDir::TempDir(const fs::path& parent)
{
    std::string tmpl = (parent / "kvrtest-XXXXXX").string();
    if (!::mkdtemp(tmpl.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = tmpl;
}

TempDir::~TempDir()
{
    std::error_code ec;
    // Folders made read-only by a test must be removable.
    for (auto it = fs::recursive_directory_iterator(m_path, ec); !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

fs::path memoryBackedFolder(std::uint64_t needed)
{
    struct statvfs shm {};
    if (::statvfs("/dev/shm", &shm) == 0 && std::uint64_t(shm.f_bavail) * shm.f_frsize >= needed &&
        ::access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return fs::temp_directory_path();
}

std::vector<std::uint8_t> readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    // One read, not a byte at a time: game files are megabytes, and sanitizer builds slow.
    std::vector<std::uint8_t> bytes(std::size_t(in.tellg()));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size())))
        throw std::runtime_error("cannot read " + file.string());
    return bytes;
}

void writeFile(const fs::path& file, const std::vector<std::uint8_t>& bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
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
