// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errors.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace kvr {

// Checked byte access to one game file (KVR.EXE, F1GSTATE.SAV, a track file).
//
// The file is read whole when opened and written back whole by commit(): a seek, read
// or write outside the file throws FileAccessError before anything reaches the disk,
// so an action that fails half-way leaves the file exactly as it was.
class GameFile {
public:
    // Reads an existing regular file of at most 64 MiB whole and makes it writable.
    // Throws FileAccessError with `errorText` when it cannot be read, and with a detail
    // naming the file and the reason.
    static GameFile open(const std::filesystem::path& path, Message errorText = FileAccessError::kDefaultText);

    // The same for reading a few blocks of a large file (the executable at start-up):
    // each part is read when first asked for. bytes(), a write or commit() read the rest
    // first, so such a file behaves as one read whole.
    static GameFile openToRead(const std::filesystem::path& path, Message errorText = FileAccessError::kDefaultText);

    // A file held in memory only; commit() writes it to `path`. For making files.
    static GameFile create(const std::filesystem::path& path, std::vector<std::uint8_t> bytes);

    const std::filesystem::path& path() const { return m_path; }
    std::uint32_t size() const;
    std::uint32_t position() const { return m_pos; }

    // The text the next failure carries (track files number theirs).
    void setErrorText(Message text) { m_errorText = std::move(text); }
    const Message& errorText() const { return m_errorText; }

    void seek(std::uint32_t position);
    void skip(std::uint32_t count);
    std::uint8_t readByte();
    std::uint16_t readWord();           // little-endian
    void writeByte(std::uint8_t value); // only inside the file: it never grows
    void writeWord(std::uint16_t value);

    // Throws unless [position, position + count) lies inside the file.
    void require(std::uint32_t position, std::uint32_t count) const;

    bool modified() const { return m_modified; }
    std::span<const std::uint8_t> bytes() const
    {
        readWhole();
        return m_bytes;
    }
    std::span<std::uint8_t> mutableBytes()
    {
        readWhole();
        m_modified = true;
        return m_bytes;
    }

    // Recomputes the 4-byte checksum trailer in memory.
    void updateChecksum();

    // Writes the file back if it was changed: once keeps a pristine ".orig" copy, then
    // replaces the file whole (a symlink's target; a hard link is separated). Throws
    // FileWriteError whose detail names the file and the system's reason; the file is
    // then unchanged. The caller holds the game folder's lock; files that change
    // together go through commitGameFiles().
    void commit();

private:
    struct Unread;

    GameFile() = default;
    [[noreturn]] void fail(const Message& why) const;
    void readWhole() const;

    std::filesystem::path m_path;
    // Both filled on first need for a file opened by openToRead().
    mutable std::vector<std::uint8_t> m_bytes;
    mutable std::shared_ptr<Unread> m_unread;
    std::uint32_t m_pos = 0;
    bool m_modified = false;
    bool m_existed = true;
    Message m_errorText;
};

class FileSet;
class FileWriteError;
class GameFolderLock;
class WriteFailure;

// A game file that could not be written, told as a failed game file: the detail names
// the file and the system's reason.
FileWriteError asFileWriteError(const WriteFailure& failure);

// Commits a set of game files (FileSet::commit), a failure thrown as FileWriteError
// whose detail names the file and the system's reason.
void commitGameFiles(FileSet& set, const GameFolderLock& lock);

// Clears a read-only state the way the game's installer leaves files from CD.
void makeWritable(const std::filesystem::path& path);

} // namespace kvr
