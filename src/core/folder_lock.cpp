// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/folder_lock.h"

#include "core/file_set.h"
#include "core/game_dir.h"
#include "core/safe_write.h"
#include "core/set_journal.h"
#include "core/tr_marker.h"

#include <cerrno>
#include <cstring>
#include <thread>

namespace kvr {
namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds kPoll{50};

// Why the lock file cannot be used, in the words of a game folder.
Message cannotLock(const fs::path& dir, const fs::path& file, int error)
{
    const std::string folder = dir.string();
    const std::string lock = file.filename().string();
    std::error_code ec;
    const bool exists = fs::exists(fs::symlink_status(file, ec));
    if (error == EROFS)
        return fillIn(KVR_TR_NOOP("Game files", "Cannot write to the game in %1: it lies on a read-only disk."),
                      {folder});
    if ((error == EACCES || error == EPERM) && !exists)
        return fillIn(KVR_TR_NOOP("Game files", "Cannot write to the game in %1: you may not make files in that folder "
                                                "(%2), so neither its lock nor the game's new files can be written."),
                      {folder, std::strerror(error)});
    if (error == EACCES || error == EPERM)
        return fillIn(KVR_TR_NOOP("Game files", "Cannot write to the game in %1: its lock file %2 cannot be opened "
                                                "(%3); another user's editor may be writing to the game."),
                      {folder, lock, std::strerror(error)});
    return fillIn(KVR_TR_NOOP("Game files", "Cannot write to the game in %1: its lock file %2 cannot be made: %3"),
                  {folder, lock, std::strerror(error)});
}

// "/games/kvr/" as the configuration keeps it names the folder "/games/kvr".
fs::path lockedFolder(const fs::path& gameDir)
{
    fs::path dir = gameDir.empty() ? fs::path(".") : gameDir;
    if (!dir.has_filename() && dir.has_relative_path())
        dir = dir.parent_path();
    return dir;
}

} // namespace

GameFolderLock::GameFolderLock(const fs::path& gameDir, std::chrono::milliseconds wait)
{
    m_dir = lockedFolder(gameDir);
    m_file = m_dir / kFileName;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        // Read access is all a lock needs, so other users of a shared game can take it too.
        const int error = m_lock.open(m_file);
        if (error == platform::LockFile::kNotRegularFile)
            throw FolderLockError(fillIn(KVR_TR_NOOP("Game files", "Cannot write to the game in %1: its lock file %2 "
                                                                   "is %3, not a regular file; remove it, then try "
                                                                   "again."),
                                         {m_dir.string(), kFileName, m_lock.refusedKind()}));
        if (error == EBUSY && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(kPoll);
            continue;
        }
        if (error != 0 && error != EBUSY)
            throw FolderLockError(cannotLock(m_dir, m_file, error));
        bool locked = error == 0 && m_lock.tryLock();
        while (!locked && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(kPoll);
            locked = m_lock.tryLock();
        }
        if (!locked) {
            m_lock.close();
            throw FolderLockError(
                fillIn(KVR_TR_NOOP("Game files",
                                   "Another program is writing to the game in %1; try again when it has finished."),
                       {m_dir.string()}));
        }
        // The holder before us may have removed the file we opened: lock the one named.
        if (m_lock.isNamed(m_file)) {
            m_held = true;
            break;
        }
        m_lock.close();
    }
    try {
        finishInterruptedSet(m_dir);
    } catch (...) {
        m_lock.releaseAndRemove(m_file);
        throw;
    }
    for (const fs::path& folder :
         {m_dir, findInDir(m_dir, "CIRCUITS"), findInDir(m_dir, "GAMEJAMS"), findInDir(m_dir, "BITMAPS")})
        removeStaleTempFiles(folder);
    // The mod list's folder only as a folder of its own, never through a link.
    std::error_code ec;
    if (fs::symlink_status(m_dir / kGameModsFolder, ec).type() == fs::file_type::directory)
        removeStaleTempFiles(m_dir / kGameModsFolder);
}

GameFolderLock::~GameFolderLock()
{
    if (m_held)
        m_lock.releaseAndRemove(m_file);
}

void finishBeforeReading(const fs::path& gameDir)
{
    const fs::path dir = lockedFolder(gameDir);
    std::error_code ec;
    if (fs::symlink_status(journalPath(dir), ec).type() == fs::file_type::not_found)
        return;
    try {
        const GameFolderLock lock(dir);
    } catch (const FolderLockError& e) {
        throw UnfinishedSetError(fillIn(KVR_TR_NOOP("Game files", "The game in %1 is not read: the last change of its "
                                                                  "files was cut short (%2 is there), and it cannot "
                                                                  "be finished now, so the files may be part old, "
                                                                  "part new. %3"),
                                        {dir.string(), kJournalFileName, kvr::messageOf(e)}));
    } catch (const GeneralError& e) {
        throw UnfinishedSetError(
            fillIn(KVR_TR_NOOP("Game files", "The game in %1 is not read, as its files may be part old, part new. %2"),
                   {dir.string(), kvr::messageOf(e)}));
    }
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
