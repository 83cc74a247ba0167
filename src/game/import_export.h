// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/game_file.h"
#include "game/block_table.h"
#include "game/game_context.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvr {

class SettingsRecord;
class UserPrompt;

enum class SequenceEnd {
    Completed,          // every step ran and the final message was shown
    TrackFilesDeclined, // the user declined the track files or cancelled the CD dialog
                        // (which says they were not installed): the blocks before stay moved
    TrackFilesMissing,  // the user agreed, but the track files are still not there
                        // ("2) File access error! " has been shown); the blocks before stay moved
};

// Reads the blocks the start-up load reads, in their order, from the open KVR.EXE and,
// when given, F1GSTATE.SAV. `progress` is called after each step that advances the
// splash bar. The rows in the track files are not among them (see below).
void readAllBlocks(const GameContext& context, GameFile& exe, GameFile* state, SettingsRecord& record,
                   const std::function<void()>& progress = {});

// Reads the rows in the track files (BlockFile::TrackFiles) from the open KVR.EXE and the
// game's track files when all 16 are there, and returns whether it did. On a
// FileAccessError the record is as it was.
bool readTrackFileBlocks(const GameContext& context, GameFile& exe, SettingsRecord& record);

// Every row but the code patches (a delivered game lacks them) written into the open
// files and the game's track files, all in memory: the track files for the caller to
// commit, and the warnings raised on the way.
struct WrittenBlocks {
    std::vector<GameFile> trackFiles;
    std::vector<Message> warnings;
};
WrittenBlocks writeAllBlocks(const GameContext& context, GameFile& exe, GameFile* state,
                             const SettingsRecord& record);

// The game's files as writing `now` in place of `was` (the game's values, just read)
// changes them: a byte changes only where the two writes differ, so one the writers
// would write otherwise than the game has it (names the game keeps twice, the code
// patches) stays as it is. Each file that changes, read whole and checked, with a fresh
// checksum where it carries one; the track files only when they are there.
std::vector<GameFile> filesChangedBy(const GameContext& context, const SettingsRecord& was, const SettingsRecord& now);

// Whether the rows of every editor (none given) or of one need the track files and the
// game lacks some of them now.
bool lacksTrackFiles(const GameContext& context, std::optional<Editor> editor);

// "Import all data": every block, then the track data once the track files are there.
// Works on a copy: a failure leaves the record as it was. Sets `trackDataKnown` once the
// track data has been read. Throws FileAccessError (a game file failed) or GeneralError
// (the editor's own files).
SequenceEnd importAllData(const GameContext& context, SettingsRecord& record, UserPrompt& prompt,
                          bool& trackDataKnown);

// "Export all data": every block, the track patch, the state file's checksum and the
// track data, KVR.EXE, F1GSTATE.SAV and the track files replaced once each, as one set
// (with the CD's track files when they are installed on the way). The track question is
// asked before the game is locked, the final message once it is free again. Every file
// is checked whole before the first byte is written, so a failure leaves the game as it
// was. When the track data was never read nor loaded (`trackDataKnown` false) it is read
// from the track files first, so values nobody read or typed never reach the game.
SequenceEnd exportAllData(const GameContext& context, SettingsRecord& record, UserPrompt& prompt,
                          bool& trackDataKnown);

// The game's values as an import would read them, into `record`, without asking or telling
// anything and without writing: all editors' (none given) or one editor's. The track data
// is read only when the track files are there. For a look at what an export would change.
void readGameValues(const GameContext& context, SettingsRecord& record, std::optional<Editor> editor);

// One editor's "Import data from game" and "Export data into game": its blocks from or
// into the files they live in, the state file's checksum after names or cockpit colours,
// the track patch after the track data, and the editor's message. `trackDataKnown` is set
// when the track data is read.
void importEditor(const GameContext& context, SettingsRecord& record, UserPrompt& prompt, Editor editor,
                  bool& trackDataKnown);
void exportEditor(const GameContext& context, const SettingsRecord& record, UserPrompt& prompt, Editor editor);
// Several editors' exports as one: every file they touch replaced as one set, then each
// editor's message.
void exportEditors(const GameContext& context, const SettingsRecord& record, UserPrompt& prompt,
                   std::span<const Editor> editors);

} // namespace kvr
