// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_set.h"

#include "core/errors.h"
#include "core/folder_lock.h"
#include "core/game_file.h"
#include "core/platform/native_file.h"
#include "core/set_journal.h"

#include <set>

namespace kvr {
namespace fs = std::filesystem;

namespace {

void flushFolders(const std::vector<StagedFile>& files)
{
    std::set<fs::path> folders;
    for (const StagedFile& f : files)
        folders.insert(f.target.parent_path());
    for (const fs::path& folder : folders)
        platform::flushFolder(folder);
}

} // namespace

Message SetWriteFailure::note() const
{
    return m_unfinished ? Message("\n") + KVR_TR_NOOP("Game files", "The other files of this change are in place "
                                                                        "already; the next change of the game puts in "
                                                                        "the rest.")
                        : Message();
}

void FileSet::replace(const fs::path& target, std::vector<std::uint8_t> bytes, bool keepOriginal)
{
    m_items.push_back({target, std::move(bytes), keepOriginal});
}

void FileSet::add(const GameFile& file)
{
    if (file.modified())
        replace(file.path(), std::vector<std::uint8_t>(file.bytes().begin(), file.bytes().end()));
}

void FileSet::commit(const GameFolderLock& lock)
{
    if (m_items.empty())
        return;
    std::vector<fs::path> backups; // made by this commit
    std::vector<StagedFile> staged;
    const auto undo = [&] {
        for (const StagedFile& s : staged)
            discardStagedFile(s);
        for (const fs::path& b : backups)
            platform::removeFile(b);
    };
    std::size_t at = 0;
    try {
        for (; at < m_items.size(); ++at) {
            const Item& item = m_items[at];
            std::error_code ec;
            if (item.keepOriginal && fs::exists(item.target, ec)) {
                makeWritable(item.target);
                const fs::path backup = originalCopyPath(item.target);
                const bool hadBackup = fs::exists(fs::symlink_status(backup, ec));
                keepOriginalCopy(item.target);
                if (!hadBackup)
                    backups.push_back(backup);
            }
            staged.push_back(stageFile(item.target, item.bytes));
        }
        if (staged.size() == 1) {
            at = 0;
            placeStagedFile(staged[0]);
            flushFolders(staged);
            return;
        }
        std::vector<JournalEntry> entries;
        for (const StagedFile& s : staged)
            entries.push_back({s.target, s.temp});
        writeJournal(lock.folder(), entries);
    } catch (const WriteFailure& e) {
        undo();
        throw SetWriteFailure(e, m_items[std::min(at, m_items.size() - 1)].target, false);
    }

    // From here the set goes in whole, now or by the next holder of the lock.
    for (at = 0; at < staged.size(); ++at) {
        try {
            placeStagedFile(staged[at]);
        } catch (const WriteFailure& e) {
            if (at == 0) {
                removeJournal(lock.folder());
                undo();
            }
            throw SetWriteFailure(e, m_items[at].target, at > 0);
        }
    }
    flushFolders(staged);
    removeJournal(lock.folder());
}

void finishInterruptedSet(const fs::path& folder)
{
    const std::optional<std::vector<JournalEntry>> entries = readJournal(folder);
    if (!entries)
        return;
    std::vector<StagedFile> placed;
    for (const JournalEntry& e : *entries) {
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(e.temp, ec);
        if (status.type() == fs::file_type::not_found)
            continue; // renamed before the kill
        const StagedFile staged{e.target, e.temp};
        try {
            if (ec || status.type() != fs::file_type::regular)
                throw WriteFailure(fillIn(KVR_TR_NOOP("Game files", "%1 is not a file"), {e.temp.string()}));
            placeStagedFile(staged);
        } catch (const WriteFailure& failure) {
            throw GeneralError(fillIn(KVR_TR_NOOP("Game files", "Cannot finish the last change of the game (%1): %2"),
                                      {journalPath(folder).string(), messageOf(failure)}));
        }
        placed.push_back(staged);
    }
    flushFolders(placed);
    removeJournal(folder);
}

} // namespace kvr
