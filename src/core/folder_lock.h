// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errors.h"
#include "core/platform/lock_file.h"

#include <chrono>
#include <filesystem>

namespace kvr {

// The game folder cannot be locked: another writer holds it, or the lock file cannot be
// made or used. Nothing has been written.
class FolderLockError : public GeneralError {
public:
    using GeneralError::GeneralError;
};

// An advisory, exclusive lock on a game folder, held by every action that writes game
// files, so that two editors never mix their results. It is a hidden lock file beside
// KVR.EXE, removed again on release; one left by a killed program is taken over. No
// game file is written without it: a folder where it cannot be made cannot be changed.
//
// Once it holds the lock it finishes a set of files a killed writer left half-done
// (finishInterruptedSet), then removes temp files that a killed write left in the
// folder and in its CIRCUITS, GAMEJAMS and BITMAPS folders: no other writer is at work.
// Game files to be written back are read only once the lock is held.
class GameFolderLock {
public:
    static constexpr const char* kFileName = ".kvrdesk.lock";
    static constexpr std::chrono::milliseconds kDefaultWait{3000};

    // Waits up to `wait` for another writer to finish. Throws FolderLockError, or
    // GeneralError when a half-done set cannot be finished.
    explicit GameFolderLock(const std::filesystem::path& gameDir, std::chrono::milliseconds wait = kDefaultWait);
    ~GameFolderLock();
    GameFolderLock(const GameFolderLock&) = delete;
    GameFolderLock& operator=(const GameFolderLock&) = delete;

    bool held() const { return m_held; }
    const std::filesystem::path& folder() const { return m_dir; }

private:
    std::filesystem::path m_dir;
    std::filesystem::path m_file;
    platform::LockFile m_lock;
    bool m_held = false;
};

// A set of files that a killed writer left half put in place cannot be finished now, so
// the game is not read: its files may be part old, part new.
class UnfinishedSetError : public GeneralError {
public:
    using GeneralError::GeneralError;
};

// For every reader of the game in `gameDir`, before it reads: a set of files a killed
// writer left half put in place is finished first, holding the lock, as the next writer
// would finish it, so that nothing reads a mix of old and new files (and writes it back
// for good). Without a journal it does nothing at all, so a game the user may only read
// can still be read. Throws UnfinishedSetError saying why when the set cannot be finished
// (the lock held by another writer or not to be had, a journal that cannot be trusted).
void finishBeforeReading(const std::filesystem::path& gameDir);

// The folder whose lock guards `file`: the one holding KVR.EXE, the file's own folder
// or the one above it (for a track file in CIRCUITS); else the file's own folder.
std::filesystem::path gameFolderOf(const std::filesystem::path& file);

} // namespace kvr
