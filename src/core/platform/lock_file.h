// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>

namespace kvr::platform {

// An exclusive, advisory lock on a file that exists only while it is used.
class LockFile {
public:
    // open()'s answer when the name holds anything but a regular file.
    static constexpr int kNotRegularFile = -1;

    LockFile() = default;
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Opens `file`, made if missing, with read access only and without ever blocking.
    // 0 or the errno value; EBUSY while a removed lock file is still held open by
    // others; kNotRegularFile (nothing opened, refusedKind() says what is there) for a
    // folder, FIFO, device or link.
    int open(const std::filesystem::path& file);
    bool isOpen() const { return m_native != -1; }
    const char* refusedKind() const { return m_refusedKind; }
    // Without waiting.
    bool tryLock();
    // Whether the open file is still the one named `file`: the holder before us may
    // have removed the one we opened.
    bool isNamed(const std::filesystem::path& file) const;
    // Removes the file while the lock is still held, so that a waiting writer sees it
    // gone and makes a new one, then lets go.
    void releaseAndRemove(const std::filesystem::path& file);
    void close();

private:
    std::intptr_t m_native = -1;
    const char* m_refusedKind = "";
};

} // namespace kvr::platform
