// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>

namespace kvr {

// Before each step of writing a file the test seam is called (see setWriteStepHook).
enum class WriteStep { Create, Write, Flush, Rename };

class WriteFailure : public std::runtime_error, public MessageCarrier {
public:
    explicit WriteFailure(Message what);
    // `file` could not be written at `step`; `error` is the system's errno.
    WriteFailure(WriteStep step, std::filesystem::path file, int error);

    WriteStep step() const { return m_step; }
    int error() const { return m_error; }
    const std::filesystem::path& file() const { return m_file; }
    // What failed without the file's name, e.g. "cannot write: No space left on device".
    Message reason() const;

private:
    WriteStep m_step = WriteStep::Write;
    std::filesystem::path m_file;
    int m_error = 0;
};

// Replaces `target` with `data` so that at any moment the file holds either its old
// bytes or the new ones: a sibling copy is written, flushed and renamed over it. A
// symlink has its target replaced; the old file's mode, and its owner where we may,
// are kept. A hard link to the old file keeps the old bytes. Throws WriteFailure and
// leaves `target` untouched.
void replaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> data);

// A new file written whole and flushed beside the file it is to replace, not yet in place.
struct StagedFile {
    std::filesystem::path target; // the file it replaces (a symlink's target)
    std::filesystem::path temp;
};

// The first half of replaceFile(): the new bytes in a temp file beside `target` (a
// symlink's target), with the old file's mode, flushed to disk. Throws WriteFailure and
// leaves nothing behind.
StagedFile stageFile(const std::filesystem::path& target, std::span<const std::uint8_t> data);
// The second half: renames the temp file over its target. Throws WriteFailure; the temp
// file then stays, for the caller to discard or to try again.
void placeStagedFile(const StagedFile& staged);
void discardStagedFile(const StagedFile& staged);

// Writes an output the user named: a regular file (or a new one) is replaced as above;
// a device or FIFO is written to directly, as it cannot be replaced.
void writeOutputFile(const std::filesystem::path& target, std::span<const std::uint8_t> data);

// Copies `target` to `target` + ".orig" unless that copy already exists, written like
// every other file (temp, flush, rename without replacing), so a copy that exists is
// whole. Throws WriteFailure.
void keepOriginalCopy(const std::filesystem::path& target);

std::filesystem::path originalCopyPath(const std::filesystem::path& target);

// Whether `name` is one of our temp files (".NAME.kvrtmp-XXXXXX").
bool isTempFileName(const std::string& name);

// Removes our temp files from `dir`, left by a write that was killed. Only safe while
// no other write of ours runs in `dir`: call it holding the folder's lock.
void removeStaleTempFiles(const std::filesystem::path& dir);

// Test seam: called before each step of every write. A hook that throws WriteFailure
// makes that step fail with its text; one that throws std::system_error makes the step
// fail as the system call would, with that error.
void setWriteStepHook(std::function<void(WriteStep)> hook);
// The same, told which file is being written (a backup is its ".orig" name).
void setWriteFileHook(std::function<void(WriteStep, const std::filesystem::path& file)> hook);

} // namespace kvr
