#include "install/import_export.h"

#include "core/errors.h"
#include "core/game_file.h"
#include "core/settings_record.h"
#include "core/user_prompt.h"
#include "editors/cameras/camera_blocks.h"
#include "editors/cockpit/cockpit_colour_blocks.h"
#include "editors/failures/failure_blocks.h"
#include "editors/grip/grip_blocks.h"
#include "editors/names/names_blocks.h"
#include "editors/noses/nose_blocks.h"
#include "editors/pitcrew/pit_crew_colour_blocks.h"
#include "editors/pitline/pit_line_blocks.h"
#include "editors/power/power_blocks.h"
#include "editors/track/track_data.h"
#include "editors/tuning/patch_list.h"
#include "editors/tuning/tuning_blocks.h"
#include "install/track_manager.h"

#include <optional>

namespace kvr {

const char* const kRandomPowerNotRestored =
    "Random engine power could not be switched on: the game's code at that place has been changed. "
    "Put back KVR.EXE from KVR.EXE.orig and export again.";

namespace {

void step(const std::function<void()>& progress)
{
    if (progress)
        progress();
}

} // namespace

void readAllBlocks(const GameContext& context, GameFile& exe, GameFile* state, SettingsRecord& record,
                   const std::function<void()>& progress)
{
    const int v = context.version;
    readNamesFromExe(exe, record, v);
    step(progress);
    if (state) {
        if (context.config.namesInStateFile)
            readNamesFromSave(*state, record);
        else
            readNamesFromExe(exe, record, v);
    }
    step(progress);
    readEnginePower(exe, record, v);
    step(progress);
    readHumanPower(exe, record, v);
    step(progress);
    readGrip(exe, record, v);
    step(progress);
    readGripRange(exe, record, v);
    step(progress);
    readPitOrder(exe, record, v);
    step(progress);
    readPitCheck(exe, record, v);
    step(progress);
    readPitSpeed(exe, record, v);
    step(progress);
    if (state && context.config.cockpitColoursInStateFile)
        readCockpitColoursFromSave(*state, record);
    else
        readCockpitColoursFromExe(exe, record, v);
    step(progress);
    readPitCrewColours(exe, record, v);
    step(progress);
    readCameras(exe, record, v);
    step(progress);
    readFailures(exe, record, v);
    step(progress);
    readNoses(exe, record, v);
    step(progress);
    readLedColours(exe, record, v);
    step(progress);
    readLedThresholds(exe, record, v);
    step(progress);
    readFuelLoads(exe, record, v);
    step(progress);
    readHumanWeight(exe, record, v);
    step(progress);
    readComputerWeight(exe, record, v);
    step(progress);
    readOpponentFuelSwitch(exe, record, v);
    step(progress);
    readTeamPerformanceSwitch(exe, record, v);
    step(progress);
    // The split switch is read in every version.
    readSplitSwitch(exe, record, context.patchList());
}

SequenceEnd importAllData(const GameContext& context, SettingsRecord& record, UserPrompt& prompt)
{
    // Work on a copy: a failing block leaves the record as it was.
    SettingsRecord loaded = record;
    {
        GameFile exe = GameFile::open(context.executable());
        std::optional<GameFile> state;
        if (context.stateFileExists())
            state = GameFile::open(context.stateFile());
        readAllBlocks(context, exe, state ? &*state : nullptr, loaded);
    }
    record = loaded;
    if (!ensureTrackFiles(context.gameDir(), prompt))
        return SequenceEnd::TrackFilesDeclined;
    {
        GameFile exe = GameFile::open(context.executable());
        readTrackData(exe, context.gameDir(), loaded, context.version);
    }
    record = loaded;
    prompt.inform("All data has been imported!");
    return SequenceEnd::Completed;
}

SequenceEnd exportAllData(const GameContext& context, const SettingsRecord& record, UserPrompt& prompt)
{
    const int v = context.version;
    // The patch list is the editor's own file: a damaged one stops the export before
    // anything is written.
    std::vector<PatchRecord> patches;
    if (splitSwitchWritable(v))
        patches = readPatchList(context.patchList());

    std::optional<GameFile> state;
    if (context.stateFileExists())
        state = GameFile::open(context.stateFile());
    GameFile exe = GameFile::open(context.executable());

    writeNamesToExe(exe, record, v);
    if (state) {
        if (context.config.namesInStateFile)
            writeNamesToSave(*state, record);
        else
            writeNamesToExe(exe, record, v);
    }
    const bool randomPowerSet = writeEnginePower(exe, record, v, savedRandomPowerSite(context.executable(), v));
    writeHumanPower(exe, record, v);
    writeGrip(exe, record, v);
    writeGripRange(exe, record, v);
    writePitOrder(exe, record, v);
    writePitCheck(exe, record, v);
    writePitSpeed(exe, record, v);
    writeCockpitColoursToExe(exe, record, v);
    if (state) {
        if (context.config.cockpitColoursInStateFile)
            writeCockpitColoursToSave(*state, record);
        else
            writeCockpitColoursToExe(exe, record, v);
    }
    writePitCrewColours(exe, record, v);
    writeCameras(exe, record, v);
    writeFailures(exe, record, v);
    writeNoses(exe, record, v);
    writeLedColours(exe, record, v);
    writeLedThresholds(exe, record, v);
    writeFuelLoads(exe, record, v);
    writeHumanWeight(exe, record, v);
    writeComputerWeight(exe, record, v);
    writeOpponentFuelSwitch(exe, record, v);
    writeTeamPerformanceSwitch(exe, record, v);
    if (splitSwitchWritable(v))
        writeSplitSwitch(exe, record, patches);
    trackPatch(exe);

    // Every block is in place in memory; now each file is replaced whole.
    exe.commit();
    if (state) {
        state->updateChecksum();
        state->commit();
    }
    if (!randomPowerSet)
        prompt.warn(kRandomPowerNotRestored);

    if (!ensureTrackFiles(context.gameDir(), prompt))
        return SequenceEnd::TrackFilesDeclined;
    {
        GameFile exe2 = GameFile::open(context.executable());
        writeTrackData(exe2, context.gameDir(), record, v);
    }
    prompt.inform("All data has been imported!");
    return SequenceEnd::Completed;
}

} // namespace kvr
