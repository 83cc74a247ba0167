// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/block_io.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kvr {

class GameFile;
class SettingsRecord;

// The editors that own blocks of the settings record, in the order the command line
// lists them.
enum class Editor { Names, Grip, Power, Tuning, Noses, PitLine, Failures, Cameras, Cockpit, PitCrew, Tracks };

std::span<const Editor> allEditors();
// "names", "grip", "power", "tuning", "noses", "pitline", "failures", "cameras",
// "cockpit", "pitcrew", "tracks".
std::string_view editorName(Editor editor);
std::optional<Editor> editorNamed(std::string_view name);
// The messages of the editor's own "Import data from game" and "Export data into game".
const char* importedText(Editor editor);
const char* exportedText(Editor editor);

// Which game file a block moves through.
enum class BlockFile {
    Executable,    // KVR.EXE
    NamesSource,   // only while F1GSTATE.SAV exists: it when names live there, else KVR.EXE
    CockpitSource, // F1GSTATE.SAV when it exists and cockpit colours live there, else KVR.EXE
    TrackFiles,    // KVR.EXE and the 16 track files (BlockIo::trackFiles()), which a game
                   // may lack: such a row waits until they are there
};

using BlockReader = void (*)(GameFile& file, SettingsRecord& record, const BlockIo& io);
using BlockWriter = void (*)(GameFile& file, const SettingsRecord& record, const BlockIo& io);

// Language versions as a bit set (bit v for version v).
struct Versions {
    std::uint8_t bits = 0x7F;
    constexpr bool has(int version) const { return version >= 0 && version < 8 && (bits >> version & 1) != 0; }
};
inline constexpr Versions kEveryVersion{0x7F};

// One block of the game: who owns it, where it lives, how it moves. The rows stand in
// the order of the game's start-up load and of import and export of all data; those in
// the track files come after the others there, once the track files are there. Rows are
// filled by name: a field left out keeps the default below.
struct BlockRow {
    const char* name;
    Editor editor;
    BlockFile file;
    BlockReader readExe;   // none: the block is only written
    BlockWriter writeExe;
    BlockReader readState = nullptr; // the F1GSTATE.SAV side of the two source rows
    BlockWriter writeState = nullptr;
    Versions readIn = kEveryVersion;    // by the start-up load and "Import all data"
    Versions ownReadIn = kEveryVersion; // by the editor's own "Import data from game"
    Versions writeIn = kEveryVersion;
    bool advancesProgress = true;       // the splash bar moves after it at start-up
    bool allDataOnly = false;           // moved by "Export all data" only
    bool codePatch = false;             // changes the game's code, none of the record's values:
                                        // a game as delivered lacks it
    // Whether a record holds this block's values; none: every record does. A settings
    // file saved while the block was unread holds none of them.
    bool (*heldBy)(const SettingsRecord& record) = nullptr;
};

std::span<const BlockRow> blockTable();

// The first row of `editor` (of every editor when none is given) whose values `record`
// does not hold, or none.
const BlockRow* firstUnheldRow(const SettingsRecord& record, std::optional<Editor> editor = std::nullopt);

} // namespace kvr
