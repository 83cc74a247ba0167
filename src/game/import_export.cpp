// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/import_export.h"

#include "core/checksum.h"
#include "core/errors.h"
#include "core/file_set.h"
#include "core/game_file.h"
#include "core/locked_action.h"
#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "core/user_prompt.h"
#include "editors/cockpit/cockpit_colour_blocks.h"
#include "game/track_files.h"

#include <optional>

namespace kvr {

namespace {

// The rows in the track files wait until those are there; all data moves them last.
enum class Files {
    Any,
    Always,     // the rows in files every game has
    TrackFiles, // the rows in the track files
};

// Which rows a transfer moves.
struct Scope {
    std::optional<Editor> editor = std::nullopt; // none: every editor's ("all data")
    Files files = Files::Any;
    bool codePatches = true;

    bool allData() const { return !editor; }
    bool has(const BlockRow& row) const
    {
        const bool inTrackFiles = row.file == BlockFile::TrackFiles;
        if ((files == Files::Always && inTrackFiles) || (files == Files::TrackFiles && !inTrackFiles))
            return false;
        if (row.codePatch && !codePatches)
            return false;
        if (editor)
            return row.editor == *editor && !row.allDataOnly;
        return true;
    }
};

// The file a row moves through, or none when it has none this time.
GameFile* fileFor(const BlockRow& row, const GameContext& context, GameFile& exe, GameFile* state, bool& stateSide)
{
    stateSide = false;
    switch (row.file) {
    case BlockFile::Executable:
    case BlockFile::TrackFiles:
        return &exe;
    case BlockFile::NamesSource:
        if (!state)
            return nullptr;
        stateSide = context.config.namesInStateFile;
        return stateSide ? state : &exe;
    case BlockFile::CockpitSource:
        stateSide = cockpitColoursUseStateFile(state != nullptr, context.config.cockpitColoursInStateFile);
        return stateSide ? state : &exe;
    }
    return nullptr;
}

void readRows(const GameContext& context, const BlockIo& io, GameFile& exe, GameFile* state, SettingsRecord& record,
              Scope scope, const std::function<void()>& progress = {})
{
    for (const BlockRow& row : blockTable()) {
        if (!scope.has(row) || !row.readExe)
            continue;
        if ((scope.allData() ? row.readIn : row.ownReadIn).has(context.version)) {
            bool stateSide = false;
            if (GameFile* file = fileFor(row, context, exe, state, stateSide))
                (stateSide ? row.readState : row.readExe)(*file, record, io);
        }
        if (row.advancesProgress && progress)
            progress();
    }
}

void writeRows(const GameContext& context, const BlockIo& io, GameFile& exe, GameFile* state,
               const SettingsRecord& record, Scope scope)
{
    for (const BlockRow& row : blockTable()) {
        if (!scope.has(row) || !row.writeIn.has(context.version))
            continue;
        bool stateSide = false;
        if (GameFile* file = fileFor(row, context, exe, state, stateSide))
            (stateSide ? row.writeState : row.writeExe)(*file, record, io);
    }
}

// Whether some row of the scope is there.
bool anyRow(Scope scope, bool (*test)(const BlockRow&))
{
    for (const BlockRow& row : blockTable())
        if (scope.has(row) && test(row))
            return true;
    return false;
}

// Whether the editor's blocks touch F1GSTATE.SAV at all.
bool usesStateFile(Scope scope)
{
    return anyRow(scope, [](const BlockRow& row) {
        return row.file == BlockFile::NamesSource || row.file == BlockFile::CockpitSource;
    });
}

// Whether reading the scope reads blocks a record may lack (see BlockRow::heldBy).
bool readsUnheldRows(Scope scope)
{
    return anyRow(scope, [](const BlockRow& row) { return row.heldBy && row.readExe; });
}

std::optional<GameFile> openStateFile(const GameContext& context)
{
    if (!context.stateFileExists())
        return std::nullopt;
    return GameFile::open(context.stateFile());
}

void showWarnings(const BlockIo& io, UserPrompt& prompt)
{
    for (const Message& w : io.warnings())
        prompt.warn(w);
}

// How a sequence ends when the track files it came to cannot be used.
std::optional<SequenceEnd> endWithout(TrackFiles state, UserPrompt& prompt)
{
    if (tellTrackFiles(state, prompt))
        return std::nullopt;
    return state == TrackFiles::Missing ? SequenceEnd::TrackFilesMissing : SequenceEnd::TrackFilesDeclined;
}

// One set: a file is only in it when its bytes changed.
void commitTogether(const GameFolderLock& lock, GameFile* state, const GameFile& exe, const BlockIo& io)
{
    FileSet set;
    if (state)
        set.add(*state);
    set.add(exe);
    for (const GameFile& file : io.openedTrackFiles())
        set.add(file);
    commitGameFiles(set, lock);
}

} // namespace

void readAllBlocks(const GameContext& context, GameFile& exe, GameFile* state, SettingsRecord& record,
                   const std::function<void()>& progress)
{
    readRows(context, BlockIo(context), exe, state, record, Scope{.files = Files::Always}, progress);
}

bool readTrackFileBlocks(const GameContext& context, GameFile& exe, SettingsRecord& record)
{
    if (!trackFilesPresent(context.gameDir()))
        return false;
    SettingsRecord read = record;
    readRows(context, BlockIo(context), exe, nullptr, read, Scope{.files = Files::TrackFiles});
    record = read;
    return true;
}

WrittenBlocks writeAllBlocks(const GameContext& context, GameFile& exe, GameFile* state, const SettingsRecord& record)
{
    BlockIo io(context);
    writeRows(context, io, exe, state, record, Scope{.codePatches = false});
    return {io.takeTrackFiles(), io.warnings()};
}

std::vector<GameFile> filesChangedBy(const GameContext& context, const SettingsRecord& was, const SettingsRecord& now)
{
    const bool tracks = trackFilesPresent(context.gameDir());
    struct Written {
        std::vector<GameFile> files; // KVR.EXE, F1GSTATE.SAV when there, the track files
        bool hasState = false;
    };
    auto write = [&](const SettingsRecord& r) {
        BlockIo io(context);
        std::optional<GameFile> state = openStateFile(context);
        GameFile exe = GameFile::open(context.executable());
        writeRows(context, io, exe, state ? &*state : nullptr, r, Scope{.files = Files::Always, .codePatches = false});
        if (tracks)
            writeRows(context, io, exe, nullptr, r, Scope{.files = Files::TrackFiles, .codePatches = false});
        Written w;
        w.files.push_back(std::move(exe));
        w.hasState = state.has_value();
        if (state)
            w.files.push_back(std::move(*state));
        for (GameFile& t : io.takeTrackFiles())
            w.files.push_back(std::move(t));
        return w;
    };
    const Written before = write(was);
    const Written after = write(now);
    std::vector<GameFile> changed;
    for (std::size_t i = 0; i < before.files.size() && i < after.files.size(); ++i) {
        const auto a = before.files[i].bytes();
        const auto b = after.files[i].bytes();
        // KVR.EXE carries no checksum; the others end in one, made anew when they change.
        const std::size_t trailer = i == 0 ? 0 : kChecksumSize;
        GameFile file = GameFile::open(before.files[i].path());
        const auto bytes = file.mutableBytes();
        bool differs = false;
        for (std::size_t at = 0; at + trailer < a.size() && at < b.size() && at < bytes.size(); ++at)
            if (a[at] != b[at]) {
                bytes[at] = b[at];
                differs = true;
            }
        if (!differs)
            continue;
        if (trailer)
            file.updateChecksum();
        changed.push_back(std::move(file));
    }
    return changed;
}

bool lacksTrackFiles(const GameContext& context, std::optional<Editor> editor)
{
    const Scope scope{.editor = editor, .files = Files::TrackFiles};
    return anyRow(scope, [](const BlockRow&) { return true; }) && !trackFilesPresent(context.gameDir());
}

SequenceEnd importAllData(const GameContext& context, SettingsRecord& record, UserPrompt& prompt, bool& trackDataKnown)
{
    finishBeforeReading(context.gameDir());
    SettingsRecord loaded = record;
    {
        GameFile exe = GameFile::open(context.executable());
        std::optional<GameFile> state = openStateFile(context);
        readAllBlocks(context, exe, state ? &*state : nullptr, loaded);
    }
    record = loaded;
    // It may copy the track files from the CD, locking the game for that only.
    if (const auto end = endWithout(ensureTrackFiles(context.gameDir(), prompt), prompt))
        return *end;
    {
        GameFile exe = GameFile::open(context.executable());
        readRows(context, BlockIo(context), exe, nullptr, loaded, Scope{.files = Files::TrackFiles});
    }
    record = loaded;
    trackDataKnown = true;
    prompt.inform(KVR_TR_NOOP("Import and export", "All data has been imported!"));
    return SequenceEnd::Completed;
}

SequenceEnd exportAllData(const GameContext& context, SettingsRecord& record, UserPrompt& prompt, bool& trackDataKnown)
{
    // The track question comes first, while the game is free; the answer is checked again
    // once the game is locked.
    const TrackFilesPlan plan = askForTrackFiles(context.gameDir(), prompt);
    SettingsRecord written = record;
    bool known = trackDataKnown;
    const auto end = whileLocked(context.gameDir(), prompt, [&](const GameFolderLock& lock, UserPrompt& later) {
        // Every file is read now that the game is ours. All blocks go into memory first, so
        // a damaged patch list (the editor's own file) stops it with nothing written; then
        // KVR.EXE, F1GSTATE.SAV and the track files are replaced as one set.
        BlockIo io(context);
        std::optional<GameFile> state = openStateFile(context);
        GameFile exe = GameFile::open(context.executable());
        writeRows(context, io, exe, state ? &*state : nullptr, written, Scope{.files = Files::Always});
        if (state)
            state->updateChecksum();

        SettledTrackFiles settled = settleTrackFiles(context.gameDir(), plan, later);
        if (settled.state == TrackFiles::Present) {
            io.useTrackFiles(takeCdTrackFiles(context.gameDir(), settled));
            const Scope inTrackFiles{.files = Files::TrackFiles};
            // Values nobody read or typed never reach the game: the game's own go back.
            if (!known) {
                readRows(context, io, exe, nullptr, written, inTrackFiles);
                known = true;
            }
            writeRows(context, io, exe, nullptr, written, inTrackFiles);
        }
        commitTogether(lock, state ? &*state : nullptr, exe, io);
        showWarnings(io, later);
        return endWithout(settled.state, later);
    });
    record = written;
    trackDataKnown = known;
    if (end)
        return *end;
    prompt.inform(KVR_TR_NOOP("Import and export", "All data has been exported!"));
    return SequenceEnd::Completed;
}

void readGameValues(const GameContext& context, SettingsRecord& record, std::optional<Editor> editor)
{
    finishBeforeReading(context.gameDir());
    const Scope scope{.editor = editor};
    GameFile exe = GameFile::open(context.executable());
    std::optional<GameFile> state;
    if (!editor || usesStateFile(scope))
        state = openStateFile(context);
    readRows(context, BlockIo(context), exe, state ? &*state : nullptr, record,
             Scope{.editor = editor, .files = Files::Always});
    if (trackFilesPresent(context.gameDir()))
        readRows(context, BlockIo(context), exe, nullptr, record, Scope{.editor = editor, .files = Files::TrackFiles});
}

void importEditor(const GameContext& context, SettingsRecord& record, UserPrompt& prompt, Editor editor,
                  bool& trackDataKnown)
{
    finishBeforeReading(context.gameDir());
    const Scope scope{.editor = editor};
    SettingsRecord loaded = record;
    {
        GameFile exe = GameFile::open(context.executable());
        std::optional<GameFile> state;
        if (usesStateFile(scope))
            state = openStateFile(context);
        readRows(context, BlockIo(context), exe, state ? &*state : nullptr, loaded, scope);
    }
    record = loaded;
    if (readsUnheldRows(scope))
        trackDataKnown = true;
    prompt.inform(importedText(editor));
}

void exportEditor(const GameContext& context, const SettingsRecord& record, UserPrompt& prompt, Editor editor)
{
    exportEditors(context, record, prompt, std::span(&editor, 1));
}

void exportEditors(const GameContext& context, const SettingsRecord& record, UserPrompt& prompt,
                   std::span<const Editor> editors)
{
    whileLocked(context.gameDir(), prompt, [&](const GameFolderLock& lock, UserPrompt& later) {
        const BlockIo io(context);
        GameFile exe = GameFile::open(context.executable());
        std::optional<GameFile> state;
        for (const Editor editor : editors) {
            const Scope scope{.editor = editor};
            if (!state && usesStateFile(scope))
                state = openStateFile(context);
            writeRows(context, io, exe, state ? &*state : nullptr, record, scope);
        }
        // The state file gets a fresh checksum whichever file received the block.
        if (state)
            state->updateChecksum();
        commitTogether(lock, state ? &*state : nullptr, exe, io);
        showWarnings(io, later);
    });
    for (const Editor editor : editors)
        prompt.inform(exportedText(editor));
}

} // namespace kvr
