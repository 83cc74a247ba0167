#include "core/safe_write.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace kvr {
namespace fs = std::filesystem;

namespace {

std::function<void(WriteStep)>& hook()
{
    static std::function<void(WriteStep)> h;
    return h;
}

void step(WriteStep s)
{
    if (hook())
        hook()(s);
}

[[noreturn]] void fail(const std::string& what, const fs::path& p)
{
    throw WriteFailure(what + " " + p.string() + ": " + std::strerror(errno));
}

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() { if (m_fd >= 0) ::close(m_fd); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    int release() { int fd = m_fd; m_fd = -1; return fd; }

private:
    int m_fd;
};

void syncDirectory(const fs::path& dir)
{
    Fd d(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY));
    if (d.get() >= 0)
        ::fsync(d.get());
}

} // namespace

void setWriteStepHook(std::function<void(WriteStep)> h) { hook() = std::move(h); }

fs::path originalCopyPath(const fs::path& target)
{
    fs::path p = target;
    p += ".orig";
    return p;
}

void replaceFile(const fs::path& target, std::span<const std::uint8_t> data)
{
    const fs::path dir = target.parent_path();
    std::string tmpl = (dir.empty() ? fs::path(".") : dir) / ("." + target.filename().string() + ".kvrtmp-XXXXXX");

    mode_t mode = 0644;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0)
        mode = st.st_mode & 07777;

    step(WriteStep::Create);
    Fd fd(::mkstemp(tmpl.data()));
    if (fd.get() < 0)
        fail("cannot create a file beside", target);
    const fs::path tmp = tmpl;
    auto discard = [&] { ::unlink(tmp.c_str()); };

    try {
        step(WriteStep::Write);
        const std::uint8_t* p = data.data();
        std::size_t left = data.size();
        while (left > 0) {
            const ssize_t n = ::write(fd.get(), p, left);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                fail("cannot write", tmp);
            }
            p += n;
            left -= std::size_t(n);
        }
        ::fchmod(fd.get(), mode);
        step(WriteStep::Flush);
        if (::fsync(fd.get()) != 0)
            fail("cannot flush", tmp);
        if (::close(fd.release()) != 0)
            fail("cannot close", tmp);
        step(WriteStep::Rename);
        if (::rename(tmp.c_str(), target.c_str()) != 0)
            fail("cannot replace", target);
    } catch (...) {
        discard();
        throw;
    }
    syncDirectory(dir);
}

void keepOriginalCopy(const fs::path& target)
{
    const fs::path copy = originalCopyPath(target);
    std::error_code ec;
    if (fs::exists(copy, ec))
        return;
    fs::copy_file(target, copy, fs::copy_options::skip_existing, ec);
    if (ec)
        throw WriteFailure("cannot keep a copy of " + target.string() + ": " + ec.message());
}

} // namespace kvr
