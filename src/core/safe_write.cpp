#include "core/safe_write.h"

#include "core/input_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace kvr {
namespace fs = std::filesystem;

namespace {

constexpr const char* kTempMark = ".kvrtmp-";
constexpr std::size_t kTempRandomChars = 6;
constexpr int kMaxLinks = 40;

std::function<void(WriteStep, const fs::path&)>& hook()
{
    static std::function<void(WriteStep, const fs::path&)> h;
    return h;
}

// False, with errno set, when the test seam fails this step of writing `file`.
bool stepAllowed(WriteStep s, const fs::path& file)
{
    if (!hook())
        return true;
    try {
        hook()(s, file);
    } catch (const std::system_error& e) {
        errno = e.code().value();
        return false;
    }
    return true;
}

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

void syncDirectory(const fs::path& dir)
{
    Fd d(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d.get() >= 0)
        ::fsync(d.get());
}

// The file a symlink chain ends at (which may not exist yet); other paths as given.
fs::path resolveLinks(const fs::path& target)
{
    fs::path p = target;
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return p;
        std::error_code ec;
        const fs::path next = fs::read_symlink(p, ec);
        if (ec)
            throw WriteFailure(WriteStep::Create, p, ec.value());
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    throw WriteFailure(WriteStep::Create, target, ELOOP);
}

bool writeAll(int fd, std::span<const std::uint8_t> data)
{
    const std::uint8_t* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= std::size_t(n);
    }
    return true;
}

// The file's permissions and owner, to give to its replacement.
struct Keep {
    mode_t mode = 0644;
    uid_t uid = uid_t(-1);
    gid_t gid = gid_t(-1);
};

Keep keepOf(const fs::path& file)
{
    Keep k;
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0) {
        k.mode = st.st_mode & 07777;
        k.uid = st.st_uid;
        k.gid = st.st_gid;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        k.mode = 0666 & ~mask;
    }
    return k;
}

// Moves `tmp` to `final` unless something is there already (false, errno EEXIST). A
// hard link never replaces; where the file system has none, the holder of the folder's
// lock is the only writer, so looking first is enough.
bool placeWithoutReplacing(const fs::path& tmp, const fs::path& final)
{
    if (::link(tmp.c_str(), final.c_str()) == 0)
        return true;
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
        return false;
    struct stat st {};
    if (::lstat(final.c_str(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(tmp.c_str(), final.c_str()) == 0;
}

enum class Finish { Replace, KeepExisting };

// Writes `data` into a new temp file beside `final` and moves it into place: over the
// old file, or only if nothing is there yet. Returns false when `final` already existed
// (KeepExisting). Every error leaves no temp file behind.
bool writeBeside(const fs::path& final, std::span<const std::uint8_t> data, const Keep& keep, Finish finish)
{
    const fs::path dir = final.parent_path();
    std::string tmpl = ((dir.empty() ? fs::path(".") : dir) /
                        ("." + final.filename().string() + kTempMark + std::string(kTempRandomChars, 'X')))
                           .string();

    Fd fd(stepAllowed(WriteStep::Create, final) ? ::mkstemp(tmpl.data()) : -1);
    if (fd.get() < 0)
        throw WriteFailure(WriteStep::Create, final, errno);
    const fs::path tmp = tmpl;
    bool placed = false;
    try {
        auto fail = [&](WriteStep s) { throw WriteFailure(s, final, errno); };
        if (!stepAllowed(WriteStep::Write, final) || !writeAll(fd.get(), data))
            fail(WriteStep::Write);
        // The owner first: changing it may clear set-id bits that the mode then restores.
        if (keep.uid != uid_t(-1) && ::fchown(fd.get(), keep.uid, keep.gid) != 0)
            (void)!::fchown(fd.get(), uid_t(-1), keep.gid);
        ::fchmod(fd.get(), keep.mode);
        if (!stepAllowed(WriteStep::Flush, final) || ::fsync(fd.get()) != 0)
            fail(WriteStep::Flush);
        if (::close(fd.release()) != 0)
            fail(WriteStep::Flush);
        if (!stepAllowed(WriteStep::Rename, final))
            fail(WriteStep::Rename);
        if (finish == Finish::Replace) {
            if (::rename(tmp.c_str(), final.c_str()) != 0)
                fail(WriteStep::Rename);
            placed = true;
        } else {
            placed = placeWithoutReplacing(tmp, final);
            if (!placed && errno != EEXIST)
                fail(WriteStep::Rename);
        }
    } catch (...) {
        ::unlink(tmp.c_str());
        throw;
    }
    if (finish == Finish::KeepExisting)
        ::unlink(tmp.c_str());
    syncDirectory(dir);
    return placed;
}

std::string stepReason(WriteStep step, int error)
{
    const char* action = "cannot write";
    switch (step) {
    case WriteStep::Create: action = "cannot create a file in its folder"; break;
    case WriteStep::Write: action = "cannot write"; break;
    case WriteStep::Flush: action = "cannot flush to disk"; break;
    case WriteStep::Rename: action = "cannot put the new file in place"; break;
    }
    return std::string(action) + ": " + std::strerror(error);
}

bool isRegularOrMissing(const fs::path& file)
{
    struct stat st {};
    return ::stat(file.c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

} // namespace

WriteFailure::WriteFailure(WriteStep step, fs::path file, int error)
    : std::runtime_error(file.string() + ": " + stepReason(step, error)), m_step(step), m_file(std::move(file)),
      m_error(error)
{
}

std::string WriteFailure::reason() const { return m_file.empty() ? what() : stepReason(m_step, m_error); }

void setWriteStepHook(std::function<void(WriteStep)> h)
{
    if (!h) {
        hook() = nullptr;
        return;
    }
    hook() = [h = std::move(h)](WriteStep s, const fs::path&) { h(s); };
}

void setWriteFileHook(std::function<void(WriteStep, const fs::path&)> h) { hook() = std::move(h); }

fs::path originalCopyPath(const fs::path& target)
{
    fs::path p = target;
    p += ".orig";
    return p;
}

bool isTempFileName(const std::string& name)
{
    const std::string mark = kTempMark;
    if (name.size() < 1 + mark.size() + kTempRandomChars || name[0] != '.')
        return false;
    const std::size_t at = name.size() - kTempRandomChars - mark.size();
    return at >= 1 && name.compare(at, mark.size(), mark) == 0;
}

void removeStaleTempFiles(const fs::path& dir)
{
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kindError;
        if (isTempFileName(it->path().filename().string()) && it->is_regular_file(kindError) &&
            !it->is_symlink(kindError))
            ::unlink(it->path().c_str());
    }
}

void replaceFile(const fs::path& target, std::span<const std::uint8_t> data)
{
    const fs::path real = resolveLinks(target);
    writeBeside(real, data, keepOf(real), Finish::Replace);
}

void writeOutputFile(const fs::path& target, std::span<const std::uint8_t> data)
{
    if (isRegularOrMissing(target)) {
        replaceFile(target, data);
        return;
    }
    Fd fd(stepAllowed(WriteStep::Create, target) ? ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC) : -1);
    if (fd.get() < 0)
        throw WriteFailure(WriteStep::Create, target, errno);
    if (!stepAllowed(WriteStep::Write, target) || !writeAll(fd.get(), data))
        throw WriteFailure(WriteStep::Write, target, errno);
    if (::close(fd.release()) != 0)
        throw WriteFailure(WriteStep::Write, target, errno);
}

void keepOriginalCopy(const fs::path& target)
{
    const fs::path copy = originalCopyPath(target);
    struct stat st {};
    if (::lstat(copy.c_str(), &st) == 0)
        return;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readInputFile(target, kMaxGameFileBytes);
    } catch (const InputFileError& e) {
        throw WriteFailure("cannot keep a copy of " + target.string() + ": " + e.what());
    }
    writeBeside(copy, bytes, keepOf(target), Finish::KeepExisting);
}

} // namespace kvr
