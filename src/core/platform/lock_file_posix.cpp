#include "core/platform/lock_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvr::platform {

LockFile::~LockFile() { close(); }

int LockFile::open(const std::filesystem::path& file)
{
    close();
    m_native = ::open(file.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    return isOpen() ? 0 : errno;
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
