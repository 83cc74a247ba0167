#include "game/startup_load.h"

#include "core/game_file.h"
#include "core/settings_record.h"
#include "core/version.h"
#include "editors/track/track_data.h"
#include "game/import_export.h"
#include "game/track_files.h"

#include <optional>

namespace kvr {

bool startupLoad(GameContext& context, SettingsRecord& record, const std::function<void(int)>& progress)
{
    int bar = kProgressAtStart;
    auto advance = [&] {
        bar += kProgressStep;
        if (progress)
            progress(bar);
    };

    GameFile exe = GameFile::open(context.executable());
    // An unknown version byte keeps index 0, which the program starts with.
    context.version = detectVersion(exe, 0);
    context.config.languageVersion = std::uint8_t(context.version);
    record.reset();
    std::optional<GameFile> state;
    if (context.stateFileExists())
        state = GameFile::open(context.stateFile());
    readAllBlocks(context, exe, state ? &*state : nullptr, record, advance);
    // Read now, so that nothing exports or saves track values nobody read.
    const bool trackDataRead = trackFilesPresent(context.gameDir());
    if (trackDataRead)
        readTrackData(exe, context.gameDir(), record, context.version);
    bar = kProgressFilesClosed;
    if (progress)
        progress(bar);
    return trackDataRead;
}

} // namespace kvr
