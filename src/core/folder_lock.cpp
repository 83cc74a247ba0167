#include "core/folder_lock.h"

#include "core/errors.h"
#include "core/game_dir.h"
#include "core/safe_write.h"

#include <cerrno>
#include <cstring>
#include <thread>

namespace kvr {
namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds kPoll{50};

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
        const int error = m_lock.open(m_file);
        if (error == EBUSY && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(kPoll);
            continue;
        }
        if (error != 0 && error != EBUSY) {
            if (error == EACCES || error == EPERM || error == EROFS)
                return;
            throw GeneralError("Cannot lock the game in " + dir.string() + ": " + std::strerror(error));
        }
        bool locked = error == 0 && m_lock.tryLock();
        while (!locked && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(kPoll);
            locked = m_lock.tryLock();
        }
        if (!locked) {
            m_lock.close();
            throw GeneralError("Another program is writing to the game in " + dir.string() +
                               "; try again when it has finished.");
        }
        // The holder before us may have removed the file we opened: lock the one named.
        if (m_lock.isNamed(m_file)) {
            m_held = true;
            break;
        }
        m_lock.close();
    }
    for (const fs::path& folder :
         {dir, findInDir(dir, "CIRCUITS"), findInDir(dir, "GAMEJAMS"), findInDir(dir, "BITMAPS")})
        removeStaleTempFiles(folder);
}

GameFolderLock::~GameFolderLock()
{
    if (m_held)
        m_lock.releaseAndRemove(m_file);
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
