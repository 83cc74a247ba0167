// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace kvr {

// The note a set of files leaves beside the folder's lock while its files are put in
// place: each target and the temp file beside it that holds its new bytes, all flushed
// to disk before the note is written. Whoever finds the note finishes the set.
struct JournalEntry {
    std::filesystem::path target;
    std::filesystem::path temp;
    bool operator==(const JournalEntry&) const = default;
};

inline constexpr const char* kJournalFileName = ".kvrdesk.journal";

// The editor's own file that changes together with the game's: the list of the mods put
// on the game, in a hidden folder beside the lock.
inline constexpr const char* kGameModsFolder = ".kvrdesk-mods";
inline constexpr const char* kGameModListFile = "list.json";

std::filesystem::path journalPath(const std::filesystem::path& folder);

// Writes the note into `folder` as every file is written: temp, flush, rename, and the
// folder flushed. Targets are kept relative to `folder`. Throws WriteFailure, also
// before writing anything when a target is one readJournal() would refuse.
void writeJournal(const std::filesystem::path& folder, const std::vector<JournalEntry>& entries);

// The note in `folder`, nothing when there is none. It may name only files a set writes,
// by their names: KVR.EXE and F1GSTATE.SAV in `folder`, the track files in CIRCUITS, the
// cockpit pictures in BITMAPS, textures in GAMEJAMS, the mod list; none through a link out of `folder`,
// none a link itself, never a backup, the lock or the note. Throws GeneralError naming
// the note when it is damaged, names any other file, or a temp file not ours beside it.
std::optional<std::vector<JournalEntry>> readJournal(const std::filesystem::path& folder);

void removeJournal(const std::filesystem::path& folder);

} // namespace kvr
