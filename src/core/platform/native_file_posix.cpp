// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/native_file.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace kvr::platform {
namespace fs = std::filesystem;

namespace {

int fd(std::intptr_t native) { return int(native); }

int errorOr(int result) { return result == 0 ? 0 : errno; }

const char* kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a regular file";
}

} // namespace

int NativeFile::openToRead(const fs::path& file)
{
    m_native = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    return isOpen() ? 0 : errno;
}

int NativeFile::openToWrite(const fs::path& file)
{
    m_native = ::open(file.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    return isOpen() ? 0 : errno;
}

int NativeFile::createUnique(fs::path& pattern)
{
    std::string name = pattern.native();
    m_native = ::mkstemp(name.data());
    pattern = name;
    return isOpen() ? 0 : errno;
}

int NativeFile::kind(FileKind& kind) const
{
    struct stat st {};
    if (::fstat(fd(m_native), &st) != 0)
        return errno;
    kind.regular = S_ISREG(st.st_mode);
    kind.size = std::uint64_t(st.st_size);
    kind.otherKind = kindOf(st.st_mode);
    return 0;
}

int NativeFile::readSome(std::span<std::uint8_t> buffer, std::size_t& got)
{
    for (;;) {
        const ssize_t n = ::read(fd(m_native), buffer.data(), buffer.size());
        if (n >= 0) {
            got = std::size_t(n);
            return 0;
        }
        if (errno != EINTR)
            return errno;
    }
}

int NativeFile::writeAll(std::span<const std::uint8_t> data)
{
    const std::uint8_t* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd(m_native), p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        p += n;
        left -= std::size_t(n);
    }
    return 0;
}

void NativeFile::give(const Permissions& permissions)
{
    // The owner first: changing it may clear set-id bits that the mode then restores.
    if (permissions.owner >= 0 && ::fchown(fd(m_native), uid_t(permissions.owner), gid_t(permissions.group)) != 0)
        (void)!::fchown(fd(m_native), uid_t(-1), gid_t(permissions.group));
    ::fchmod(fd(m_native), mode_t(permissions.mode));
}

int NativeFile::flushToDisk() { return errorOr(::fsync(fd(m_native))); }

int NativeFile::close() { return errorOr(::close(fd(std::exchange(m_native, -1)))); }

FileVersion versionOf(const fs::path& file)
{
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        return {};
    return {true, std::uint64_t(st.st_dev), std::uint64_t(st.st_ino),
            std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

Permissions permissionsOf(const fs::path& file)
{
    Permissions p;
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0) {
        p.mode = st.st_mode & 07777;
        p.owner = st.st_uid;
        p.group = st.st_gid;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        p.mode = 0666 & ~mask;
    }
    return p;
}

bool isRegularOrMissing(const fs::path& file)
{
    struct stat st {};
    return ::stat(file.c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

int replaceWith(const fs::path& from, const fs::path& to) { return errorOr(::rename(from.c_str(), to.c_str())); }

// A hard link never replaces; where the file system has none, the holder of the
// folder's lock is the only writer, so looking first is enough.
int moveWithoutReplacing(const fs::path& from, const fs::path& to)
{
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0)
        return EEXIST;
    return errorOr(::rename(from.c_str(), to.c_str()));
}

void removeFile(const fs::path& file) { ::unlink(file.c_str()); }

void flushFolder(const fs::path& dir)
{
    const int d = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d < 0)
        return;
    ::fsync(d);
    ::close(d);
}

// The game's executable is megabytes long: touching its buffer page by page costs more
// at start-up than reading it, where the system offers large pages on request.
void adviseLargePages([[maybe_unused]] std::vector<std::uint8_t>& buffer)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kLarge = 2 * 1024 * 1024;
    const auto begin = reinterpret_cast<std::uintptr_t>(buffer.data());
    const std::uintptr_t first = (begin + kLarge - 1) & ~(kLarge - 1);
    const std::uintptr_t last = (begin + buffer.capacity()) & ~(kLarge - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

void useUntranslatedStandardStreams() {}

int writeStandardOutput(const char* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        bytes += n;
        size -= std::size_t(n);
    }
    return 0;
}

} // namespace kvr::platform
