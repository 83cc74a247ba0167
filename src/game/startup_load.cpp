// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/startup_load.h"

#include "core/errors.h"
#include "core/folder_lock.h"
#include "core/game_file.h"
#include "core/input_file.h"
#include "core/settings_record.h"
#include "core/version.h"
#include "game/import_export.h"

#include <optional>

namespace kvr {

bool startupLoad(GameContext& context, SettingsRecord& record, const std::function<void(int)>& progress,
                 Message* trackDataProblem)
{
    finishBeforeReading(context.gameDir());
    int bar = kProgressAtStart;
    auto advance = [&] {
        bar += kProgressStep;
        if (progress)
            progress(bar);
    };

    // Only its blocks are read, not the megabytes around them.
    GameFile exe = GameFile::openToRead(context.executable());
    // An unknown version byte keeps index 0, which the program starts with.
    detectGameVersion(context, exe);
    context.config.languageVersion = std::uint8_t(context.version);
    record.reset();
    std::optional<GameFile> state;
    if (context.stateFileExists())
        state = GameFile::open(context.stateFile());
    readAllBlocks(context, exe, state ? &*state : nullptr, record, advance);
    // Read now, so that nothing exports or saves track values nobody read. A damaged
    // track file leaves them unread rather than keeping every editor from starting.
    bool trackDataRead = false;
    try {
        trackDataRead = readTrackFileBlocks(context, exe, record);
    } catch (const FileAccessError& e) {
        if (trackDataProblem)
            *trackDataProblem = trackDataUnread(e);
    }
    bar = kProgressFilesClosed;
    if (progress)
        progress(bar);
    return trackDataRead;
}

Message trackDataUnread(const FileAccessError& error)
{
    return error.message() + "\n" + error.detail() + "\n\n" +
           KVR_TR_NOOP("Game files", "The track data was not read, so nothing writes track values into the game. The "
                                     "track editor opens once every track file can be read.");
}

std::optional<Message> executableProblem(const std::filesystem::path& exe)
{
    try {
        // Read, never opened for writing: it may be any file the user picked.
        GameFile file = GameFile::create(exe, readInputFile(exe, kMaxGameFileBytes));
        GameContext context;
        context.version = detectVersion(file, 0);
        SettingsRecord scratch;
        try {
            readAllBlocks(context, file, nullptr, scratch);
        } catch (const GeneralError&) {
            // The editor's own patch list, not the executable.
        }
    } catch (const FileAccessError& e) {
        return fillIn(KVR_TR_NOOP("Game files", "%1 is not the game's executable: %2"), {exe.string(), e.detail()});
    } catch (const GeneralError& e) {
        return e.message();
    }
    return std::nullopt;
}

} // namespace kvr
