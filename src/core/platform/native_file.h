// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// The system calls behind reading and safely writing files. Every error is an errno
// value on both sides, so messages and tests read the same everywhere.
namespace kvr::platform {

// The old file's permissions and owner, given to the file that replaces it.
struct Permissions {
    std::uint32_t mode = 0644;
    std::int64_t owner = -1;
    std::int64_t group = -1;
};

// What an open file is: a regular file with its size, or the kind it is instead.
struct FileKind {
    bool regular = false;
    std::uint64_t size = 0;
    const char* otherKind = "not a regular file";
};

class NativeFile {
public:
    NativeFile() = default;
    ~NativeFile();
    NativeFile(NativeFile&& other) noexcept;
    NativeFile& operator=(NativeFile&& other) noexcept;
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    // Never blocks on a FIFO without a writer. 0 or the error.
    int openToRead(const std::filesystem::path& file);
    // An existing file, device or FIFO, not truncated.
    int openToWrite(const std::filesystem::path& file);
    // A new file named after `pattern`, whose last six characters ("XXXXXX") are
    // replaced; the name made is left in `pattern`.
    int createUnique(std::filesystem::path& pattern);

    bool isOpen() const;
    int kind(FileKind& kind) const;
    // `got` is 0 at the end of the file.
    int readSome(std::span<std::uint8_t> buffer, std::size_t& got);
    int writeAll(std::span<const std::uint8_t> data);
    // Best effort: where the system cannot give the owner, the group is still tried.
    void give(const Permissions& permissions);
    int flushToDisk();
    int close();

private:
    std::intptr_t m_native = -1;
};

// Which file a name stands for and when it was last written, as finely as the system
// tells: a file replaced or rewritten since has another version.
struct FileVersion {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t index = 0;
    std::int64_t modified = 0;
    bool operator==(const FileVersion&) const = default;
};
FileVersion versionOf(const std::filesystem::path& file);

Permissions permissionsOf(const std::filesystem::path& file);
bool isRegularOrMissing(const std::filesystem::path& file);

// Puts `from` in place of `to`, replacing what is there, as one step that is on disk
// when it returns.
int replaceWith(const std::filesystem::path& from, const std::filesystem::path& to);
// The same, but EEXIST when `to` exists already.
int moveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);
void removeFile(const std::filesystem::path& file);
// Makes the folder's latest renames durable, where the system needs asking.
void flushFolder(const std::filesystem::path& dir);

// Asks for large pages under the buffer's reserved room, where the system offers them.
void adviseLargePages(std::vector<std::uint8_t>& buffer);

// Standard output and error carry the bytes written, with no CR put before each LF,
// so that every platform prints the same; a console shows them as the UTF-8 they are.
void useUntranslatedStandardStreams();

// Writes raw bytes to standard output, untranslated. 0 or the error.
int writeStandardOutput(const char* bytes, std::size_t size);

} // namespace kvr::platform
