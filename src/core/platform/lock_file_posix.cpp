// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/lock_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvr::platform {

namespace {

const char* kindOf(mode_t mode)
{
    if (S_ISLNK(mode))
        return "a symbolic link";
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a regular file";
}

} // namespace

LockFile::~LockFile() { close(); }

int LockFile::open(const std::filesystem::path& file)
{
    close();
    // Looked at before it is opened: opening a device may do something, and a FIFO
    // opened without O_NONBLOCK waits for a writer forever.
    struct stat st {};
    if (::lstat(file.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        m_refusedKind = kindOf(st.st_mode);
        return kNotRegularFile;
    }
    m_native = ::open(file.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (!isOpen()) {
        const int error = errno;
        if (error != ELOOP)
            return error;
        m_refusedKind = kindOf(S_IFLNK);
        return kNotRegularFile;
    }
    // Something else may have taken the name between the look and the open.
    if (::fstat(int(m_native), &st) != 0 || !S_ISREG(st.st_mode)) {
        m_refusedKind = kindOf(st.st_mode);
        close();
        return kNotRegularFile;
    }
    return 0;
}

bool LockFile::tryLock() { return ::flock(int(m_native), LOCK_EX | LOCK_NB) == 0; }

bool LockFile::isNamed(const std::filesystem::path& file) const
{
    struct stat held {};
    struct stat named {};
    return ::fstat(int(m_native), &held) == 0 && ::lstat(file.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

void LockFile::releaseAndRemove(const std::filesystem::path& file)
{
    ::unlink(file.c_str());
    close();
}

void LockFile::close()
{
    if (isOpen())
        ::close(int(m_native));
    m_native = -1;
}

} // namespace kvr::platform
