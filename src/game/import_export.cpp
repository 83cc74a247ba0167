#include "game/import_export.h"

#include "core/errors.h"
#include "core/file_set.h"
#include "core/game_file.h"
#include "core/locked_action.h"
#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "core/user_prompt.h"
#include "editors/track/track_data.h"
#include "game/track_files.h"

#include <optional>

namespace kvr {

namespace {

// Which rows a transfer moves.
struct Scope {
    std::optional<Editor> editor; // none: every editor's ("all data")
    bool allData() const { return !editor; }
    bool has(const BlockRow& row) const
    {
        if (row.file == BlockFile::TrackFiles)
            return false; // moved on its own, once the track files are there
        if (editor)
            return row.editor == *editor && !row.allDataOnly;
        return true;
    }
};

BlockIo ioFor(const GameContext& context)
{
    return BlockIo(context.version, context.gameDir(), context.patchList());
}

// The file a row moves through, or none when it has none this time.
GameFile* fileFor(const BlockRow& row, const GameContext& context, GameFile& exe, GameFile* state, bool& stateSide)
{
    stateSide = false;
    switch (row.file) {
    case BlockFile::Executable:
        return &exe;
    case BlockFile::NamesSource:
        if (!state)
            return nullptr;
        stateSide = context.config.namesInStateFile;
        return stateSide ? state : &exe;
    case BlockFile::CockpitSource:
        stateSide = state && context.config.cockpitColoursInStateFile;
        return stateSide ? state : &exe;
    case BlockFile::TrackFiles:
        return &exe;
    }
    return nullptr;
}

void readRows(const GameContext& context, const BlockIo& io, GameFile& exe, GameFile* state, SettingsRecord& record,
              Scope scope, const std::function<void()>& progress)
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

// Whether the editor's blocks touch F1GSTATE.SAV at all.
bool usesStateFile(Scope scope)
{
    for (const BlockRow& row : blockTable())
        if (scope.has(row) && (row.file == BlockFile::NamesSource || row.file == BlockFile::CockpitSource))
            return true;
    return false;
}

std::optional<GameFile> openStateFile(const GameContext& context)
{
    if (!context.stateFileExists())
        return std::nullopt;
    return GameFile::open(context.stateFile());
}

void showWarnings(const BlockIo& io, UserPrompt& prompt)
{
    for (const std::string& w : io.warnings())
        prompt.warn(w);
}

// The track step of both sequences: the track files must be there first.
std::optional<SequenceEnd> trackFilesMissing(const GameContext& context, UserPrompt& prompt)
{
    switch (ensureTrackFiles(context.gameDir(), prompt)) {
    case TrackFiles::Present:
        return std::nullopt;
    case TrackFiles::Declined:
        return SequenceEnd::TrackFilesDeclined;
    case TrackFiles::Cancelled:
        prompt.inform(trackfiles::kNotInstalled);
        return SequenceEnd::TrackFilesDeclined;
    case TrackFiles::Missing:
        break;
    }
    prompt.warn(track::errorText(track::kTrackOpenStep));
    return SequenceEnd::TrackFilesMissing;
}

void readTrackBlock(const GameContext& context, SettingsRecord& record)
{
    GameFile exe = GameFile::open(context.executable());
    readTrackData(exe, context.gameDir(), record, context.version);
}

// The track files the track data goes into: the CD's when this action copies them,
// else the game's own.
std::vector<GameFile> trackFilesFor(const GameContext& context, SettledTrackFiles& settled)
{
    if (settled.fromCd.empty())
        return openTrackFiles(context.gameDir());
    std::vector<GameFile> files;
    for (int t = 0; t < rec::kTracks; ++t)
        files.push_back(
            GameFile::create(trackFilePath(context.gameDir(), t), std::move(settled.fromCd[std::size_t(t)])));
    return files;
}

// One set: a file is only in it when its bytes changed.
void commitTogether(const GameFolderLock& lock, GameFile* state, const GameFile& exe,
                    const std::vector<GameFile>& tracks)
{
    FileSet set;
    if (state)
        set.add(*state);
    set.add(exe);
    for (const GameFile& t : tracks)
        set.add(t);
    commitGameFiles(set, lock);
}

} // namespace

void readAllBlocks(const GameContext& context, GameFile& exe, GameFile* state, SettingsRecord& record,
                   const std::function<void()>& progress)
{
    readRows(context, ioFor(context), exe, state, record, Scope{}, progress);
}

std::vector<std::string> writeAllBlocks(const GameContext& context, GameFile& exe, GameFile* state,
                                        const SettingsRecord& record)
{
    const BlockIo io = ioFor(context);
    writeRows(context, io, exe, state, record, Scope{});
    return io.warnings();
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
    if (const auto end = trackFilesMissing(context, prompt))
        return *end;
    readTrackBlock(context, loaded);
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
    const SequenceEnd end = whileLocked(context.gameDir(), prompt, [&](const GameFolderLock& lock, UserPrompt& later) {
        // Every file is read now that the game is ours. All blocks go into memory first, so
        // a damaged patch list (the editor's own file) stops it with nothing written; then
        // KVR.EXE, F1GSTATE.SAV and the track files are replaced as one set.
        const BlockIo io = ioFor(context);
        std::optional<GameFile> state = openStateFile(context);
        GameFile exe = GameFile::open(context.executable());
        writeRows(context, io, exe, state ? &*state : nullptr, written, Scope{});
        trackPatch(exe);
        if (state)
            state->updateChecksum();

        SettledTrackFiles settled = settleTrackFiles(context.gameDir(), plan, later);
        std::vector<GameFile> tracks;
        if (settled.state == TrackFiles::Present) {
            tracks = trackFilesFor(context, settled);
            if (!known) {
                readTrackData(exe, tracks, written, context.version);
                known = true;
            }
            writeTrackData(exe, tracks, written, context.version);
        }
        commitTogether(lock, state ? &*state : nullptr, exe, tracks);
        showWarnings(io, later);
        switch (settled.state) {
        case TrackFiles::Present:
            return SequenceEnd::Completed;
        case TrackFiles::Declined:
            return SequenceEnd::TrackFilesDeclined;
        case TrackFiles::Cancelled:
            later.inform(trackfiles::kNotInstalled);
            return SequenceEnd::TrackFilesDeclined;
        case TrackFiles::Missing:
            break;
        }
        later.warn(track::errorText(track::kTrackOpenStep));
        return SequenceEnd::TrackFilesMissing;
    });
    record = written;
    trackDataKnown = known;
    if (end == SequenceEnd::Completed)
        prompt.inform(KVR_TR_NOOP("Import and export", "All data has been exported!"));
    return end;
}

void readGameValues(const GameContext& context, SettingsRecord& record, std::optional<Editor> editor)
{
    finishBeforeReading(context.gameDir());
    const Scope scope{editor};
    const BlockIo io = ioFor(context);
    GameFile exe = GameFile::open(context.executable());
    std::optional<GameFile> state;
    if (!editor || usesStateFile(scope))
        state = openStateFile(context);
    readRows(context, io, exe, state ? &*state : nullptr, record, scope, {});
    if ((!editor || *editor == Editor::Tracks) && trackFilesPresent(context.gameDir()))
        readTrackData(exe, context.gameDir(), record, context.version);
}

void importEditor(const GameContext& context, SettingsRecord& record, UserPrompt& prompt, Editor editor,
                  bool& trackDataKnown)
{
    finishBeforeReading(context.gameDir());
    SettingsRecord loaded = record;
    if (editor == Editor::Tracks) {
        readTrackBlock(context, loaded);
        record = loaded;
        trackDataKnown = true;
        prompt.inform(KVR_TR_NOOP("Import and export", "Tracks data has been imported!"));
        return;
    }
    const Scope scope{editor};
    const BlockIo io = ioFor(context);
    {
        GameFile exe = GameFile::open(context.executable());
        std::optional<GameFile> state;
        if (usesStateFile(scope))
            state = openStateFile(context);
        readRows(context, io, exe, state ? &*state : nullptr, loaded, scope, {});
    }
    record = loaded;
    prompt.inform(KVR_TR_NOOP("Import and export", "Data has been imported!"));
}

void exportEditor(const GameContext& context, const SettingsRecord& record, UserPrompt& prompt, Editor editor)
{
    exportEditors(context, record, prompt, std::span(&editor, 1));
}

void exportEditors(const GameContext& context, const SettingsRecord& record, UserPrompt& prompt,
                   std::span<const Editor> editors)
{
    whileLocked(context.gameDir(), prompt, [&](const GameFolderLock& lock, UserPrompt& later) {
        const BlockIo io = ioFor(context);
        GameFile exe = GameFile::open(context.executable());
        std::optional<GameFile> state;
        std::vector<GameFile> tracks;
        for (const Editor editor : editors) {
            if (editor == Editor::Tracks) {
                tracks = openTrackFiles(context.gameDir());
                writeTrackData(exe, tracks, record, context.version);
                trackPatch(exe);
                continue;
            }
            const Scope scope{editor};
            if (!state && usesStateFile(scope))
                state = openStateFile(context);
            writeRows(context, io, exe, state ? &*state : nullptr, record, scope);
        }
        // The state file gets a fresh checksum whichever file received the block.
        if (state)
            state->updateChecksum();
        commitTogether(lock, state ? &*state : nullptr, exe, tracks);
        showWarnings(io, later);
    });
    for (const Editor editor : editors)
        prompt.inform(editor == Editor::Tracks ? KVR_TR_NOOP("Import and export", "Tracks data has been exported!")
                                               : KVR_TR_NOOP("Import and export", "Data has been exported!"));
}

} // namespace kvr
