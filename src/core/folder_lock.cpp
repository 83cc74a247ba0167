#include "core/folder_lock.h"

#include "core/errors.h"
#include "core/game_dir.h"
#include "core/safe_write.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace kvr {
namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds kPoll{50};

// The one place that asks the system for the lock.
bool tryLock(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; }

bool namesSameFile(int fd, const fs::path& file)
{
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(file.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

} // namespace

GameFolderLock::GameFolderLock(const fs::path& gameDir, std::chrono::milliseconds wait)
{
    // "/games/kvr/" as the configuration keeps it names the folder "/games/kvr".
    fs::path dir = gameDir.empty() ? fs::path(".") : gameDir;
    if (!dir.has_filename() && dir.has_relative_path())
        dir = dir.parent_path();
    m_file = dir / kFileName;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        // Read access is all a lock needs, so other users of a shared game can take it too.
        const int fd = ::open(m_file.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0) {
            if (errno == EACCES || errno == EPERM || errno == EROFS)
                return;
            throw GeneralError("Cannot lock the game in " + dir.string() + ": " + std::strerror(errno));
        }
        bool locked = tryLock(fd);
        while (!locked && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(kPoll);
            locked = tryLock(fd);
        }
        if (!locked) {
            ::close(fd);
            throw GeneralError("Another program is writing to the game in " + dir.string() +
                               "; try again when it has finished.");
        }
        // The holder before us may have removed the file we opened: lock the one named.
        if (namesSameFile(fd, m_file)) {
            m_fd = fd;
            break;
        }
        ::close(fd);
    }
    for (const fs::path& folder :
         {dir, findInDir(dir, "CIRCUITS"), findInDir(dir, "GAMEJAMS"), findInDir(dir, "BITMAPS")})
        removeStaleTempFiles(folder);
}

GameFolderLock::~GameFolderLock()
{
    if (m_fd < 0)
        return;
    // Removed while still locked, so a waiting writer sees it gone and makes a new one.
    ::unlink(m_file.c_str());
    ::close(m_fd);
}

fs::path gameFolderOf(const fs::path& file)
{
    std::error_code ec;
    const fs::path dir = fs::absolute(file, ec).parent_path();
    for (const fs::path& candidate : {dir, dir.parent_path()}) {
        if (!candidate.empty() && fs::is_regular_file(findInDir(candidate, "KVR.EXE"), ec))
            return candidate;
    }
    return dir;
}

} // namespace kvr
