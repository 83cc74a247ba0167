#include "game/import_export.h"

#include "core/errors.h"
#include "core/folder_lock.h"
#include "core/game_file.h"
#include "core/settings_record.h"
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

// Writes the track data and the tyre table, then KVR.EXE with the track patch.
void writeTrackBlock(const GameContext& context, const SettingsRecord& record)
{
    GameFile exe = GameFile::open(context.executable());
    writeTrackData(exe, context.gameDir(), record, context.version);
    trackPatch(exe);
    exe.commit();
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
    // It may copy the track files from the CD.
    const GameFolderLock lock(context.gameDir());
    SettingsRecord loaded = record;
    {
        GameFile exe = GameFile::open(context.executable());
        std::optional<GameFile> state = openStateFile(context);
        readAllBlocks(context, exe, state ? &*state : nullptr, loaded);
    }
    record = loaded;
    if (const auto end = trackFilesMissing(context, prompt))
        return *end;
    readTrackBlock(context, loaded);
    record = loaded;
    trackDataKnown = true;
    prompt.inform("All data has been imported!");
    return SequenceEnd::Completed;
}

SequenceEnd exportAllData(const GameContext& context, SettingsRecord& record, UserPrompt& prompt, bool& trackDataKnown)
{
    const GameFolderLock lock(context.gameDir());
    // The blocks are written in memory and the files replaced only once all are in
    // place, so a damaged patch list (the editor's own file) stops it with nothing written.
    const BlockIo io = ioFor(context);
    std::optional<GameFile> state = openStateFile(context);
    GameFile exe = GameFile::open(context.executable());
    writeRows(context, io, exe, state ? &*state : nullptr, record, Scope{});
    trackPatch(exe);

    // Every block is in place in memory; now each file is replaced whole.
    exe.commit();
    if (state) {
        state->updateChecksum();
        state->commit();
    }
    showWarnings(io, prompt);

    if (const auto end = trackFilesMissing(context, prompt))
        return *end;
    if (!trackDataKnown) {
        SettingsRecord read = record;
        readTrackBlock(context, read);
        record = read;
        trackDataKnown = true;
    }
    writeTrackBlock(context, record);
    prompt.inform("All data has been exported!");
    return SequenceEnd::Completed;
}

void readGameValues(const GameContext& context, SettingsRecord& record, std::optional<Editor> editor)
{
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
    SettingsRecord loaded = record;
    if (editor == Editor::Tracks) {
        readTrackBlock(context, loaded);
        record = loaded;
        trackDataKnown = true;
        prompt.inform("Tracks data has been imported!");
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
    prompt.inform("Data has been imported!");
}

void exportEditor(const GameContext& context, const SettingsRecord& record, UserPrompt& prompt, Editor editor)
{
    const GameFolderLock lock(context.gameDir());
    if (editor == Editor::Tracks) {
        writeTrackBlock(context, record);
        prompt.inform("Tracks data has been exported!");
        return;
    }
    const Scope scope{editor};
    const BlockIo io = ioFor(context);
    std::optional<GameFile> state;
    if (usesStateFile(scope))
        state = openStateFile(context);
    GameFile exe = GameFile::open(context.executable());
    writeRows(context, io, exe, state ? &*state : nullptr, record, scope);
    exe.commit();
    // The state file gets a fresh checksum whichever file received the block.
    if (state) {
        state->updateChecksum();
        state->commit();
    }
    showWarnings(io, prompt);
    prompt.inform("Data has been exported!");
}

} // namespace kvr
