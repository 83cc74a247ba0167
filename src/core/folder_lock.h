#pragma once

#include "core/platform/lock_file.h"

#include <chrono>
#include <filesystem>

namespace kvr {

// An advisory, exclusive lock on a game folder, held by every action that writes game
// files, so that two editors never mix their results. It is a hidden lock file beside
// KVR.EXE, removed again on release; one left by a killed program is taken over.
//
// Once it holds the lock it removes temp files that a killed write left in the folder
// and in its CIRCUITS, GAMEJAMS and BITMAPS folders: no other writer can be at work.
//
// A folder in which no file can be created cannot be written by us either; the lock
// then holds nothing and the write itself reports why.
class GameFolderLock {
public:
    static constexpr const char* kFileName = ".kvrdesk.lock";
    static constexpr std::chrono::milliseconds kDefaultWait{3000};

    // Waits up to `wait` for another writer to finish, then throws GeneralError.
    explicit GameFolderLock(const std::filesystem::path& gameDir, std::chrono::milliseconds wait = kDefaultWait);
    ~GameFolderLock();
    GameFolderLock(const GameFolderLock&) = delete;
    GameFolderLock& operator=(const GameFolderLock&) = delete;

    bool held() const { return m_held; }

private:
    std::filesystem::path m_file;
    platform::LockFile m_lock;
    bool m_held = false;
};

// The folder whose lock guards `file`: the one holding KVR.EXE, the file's own folder
// or the one above it (for a track file in CIRCUITS); else the file's own folder.
std::filesystem::path gameFolderOf(const std::filesystem::path& file);

} // namespace kvr
