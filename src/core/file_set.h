// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/safe_write.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kvr {

class GameFile;
class GameFolderLock;

// Game files that an action replaces together, so that the game never holds some of
// them new and others old: every new file is written and flushed beside its target
// first, then all are renamed into place in one short run under a journal beside the
// folder's lock. Should the program be killed during the renames, the next holder of
// the lock renames the rest before it does anything else (finishInterruptedSet).
class FileSet {
public:
    // `bytes` become `target`'s content; an existing target keeps a ".orig" copy once,
    // unless it is a file of the editor's own that has none (`keepOriginal` false).
    void replace(const std::filesystem::path& target, std::vector<std::uint8_t> bytes, bool keepOriginal = true);
    // The file's bytes, when it was changed.
    void add(const GameFile& file);

    bool empty() const { return m_items.empty(); }
    std::size_t size() const { return m_items.size(); }

    // Puts every file in place; read-only targets are replaced too. Throws
    // SetWriteFailure: when it comes before the renames (nearly always: nothing but a
    // rename is left to fail by then), every file is as it was and the backups this
    // commit made are gone again; when a later rename fails, the journal stays and the
    // next holder of the lock finishes the set.
    void commit(const GameFolderLock& lock);

private:
    struct Item {
        std::filesystem::path target;
        std::vector<std::uint8_t> bytes;
        bool keepOriginal = true;
    };
    std::vector<Item> m_items;
};

// A file of a set could not be written: `target()` is the file as it was added. Nearly
// always the game is as it was; when the set is left unfinished (a rename failed after
// others), note() says so, for the end of the message.
class SetWriteFailure : public WriteFailure {
public:
    SetWriteFailure(const WriteFailure& failure, std::filesystem::path target, bool unfinished)
        : WriteFailure(failure), m_target(std::move(target)), m_unfinished(unfinished) {}
    const std::filesystem::path& target() const { return m_target; }
    bool unfinished() const { return m_unfinished; }
    Message note() const;

private:
    std::filesystem::path m_target;
    bool m_unfinished;
};

// Renames into place the rest of a set that a killed writer left in `folder`'s
// journal, then removes the journal. The lock's holder calls it before anything else.
// Finishing is always right where undoing is not: when the journal exists every new
// file is whole on disk, but the old bytes of those already renamed are gone. Throws
// GeneralError when the journal is damaged or a file cannot be put in place.
void finishInterruptedSet(const std::filesystem::path& folder);

} // namespace kvr
