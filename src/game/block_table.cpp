// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/block_table.h"

#include "core/game_file.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "core/tr_marker.h"
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
#include "game/track_files.h"

#include <array>

namespace kvr {

namespace {

constexpr std::array<Editor, 11> kEditors = {Editor::Names,    Editor::Grip,    Editor::Power,   Editor::Tuning,
                                             Editor::Noses,    Editor::PitLine, Editor::Failures, Editor::Cameras,
                                             Editor::Cockpit,  Editor::PitCrew, Editor::Tracks};
constexpr std::array<std::string_view, 11> kEditorNames = {"names",    "grip",    "power",    "tuning",
                                                           "noses",    "pitline", "failures", "cameras",
                                                           "cockpit",  "pitcrew", "tracks"};

// The split comparison switch is written only into the version its patch list was
// made for; the editor's own import reads it only there too.
constexpr Versions kPatchListVersion{0x01};

// Adapters from the block functions, which take the version, to the table's shape.
template <void (*F)(GameFile&, SettingsRecord&, int)>
void byVersion(GameFile& f, SettingsRecord& r, const BlockIo& io)
{
    F(f, r, io.version());
}

template <void (*F)(GameFile&, const SettingsRecord&, int)>
void byVersion(GameFile& f, const SettingsRecord& r, const BlockIo& io)
{
    F(f, r, io.version());
}

template <void (*F)(GameFile&, SettingsRecord&)>
void fixed(GameFile& f, SettingsRecord& r, const BlockIo&)
{
    F(f, r);
}

template <void (*F)(GameFile&, const SettingsRecord&)>
void fixed(GameFile& f, const SettingsRecord& r, const BlockIo&)
{
    F(f, r);
}

// Switching random engine power on again puts back the call the untouched game has.
void writeEnginePowerRow(GameFile& exe, const SettingsRecord& r, const BlockIo& io)
{
    const auto saved = io.savedExecutableBytes(positionOf(Row::RandomEnginePower, io.version()), power::kSiteSize);
    if (!writeEnginePower(exe, r, io.version(), saved ? siteCall(*saved) : std::nullopt))
        io.warn(kRandomPowerNotRestored);
}

void readSplitSwitchRow(GameFile& exe, SettingsRecord& r, const BlockIo& io)
{
    readSplitSwitch(exe, r, io.patchList());
}

void writeSplitSwitchRow(GameFile& exe, const SettingsRecord& r, const BlockIo& io)
{
    writeSplitSwitch(exe, r, io.patchList());
}

void readTrackDataRow(GameFile& exe, SettingsRecord& r, const BlockIo& io)
{
    readTrackData(exe, io.trackFiles(), r, io.version());
}

// The tyre table into KVR.EXE, the setups into the track files, each with a fresh
// checksum; the action commits them all as one set.
void writeTrackDataRow(GameFile& exe, const SettingsRecord& r, const BlockIo& io)
{
    writeTrackData(exe, io.trackFiles(), r, io.version());
}

void trackPatchRow(GameFile& exe, const SettingsRecord&, const BlockIo&) { trackPatch(exe); }

using enum BlockFile;

// Every row names what it sets; the rest keep BlockRow's defaults.
const BlockRow kRows[] = {
    {.name = "names",
     .editor = Editor::Names,
     .file = Executable,
     .readExe = byVersion<readNamesFromExe>,
     .writeExe = byVersion<writeNamesToExe>},
    {.name = "names (source file)",
     .editor = Editor::Names,
     .file = NamesSource,
     .readExe = byVersion<readNamesFromExe>,
     .writeExe = byVersion<writeNamesToExe>,
     .readState = fixed<readNamesFromSave>,
     .writeState = fixed<writeNamesToSave>},
    {.name = "engine power",
     .editor = Editor::Power,
     .file = Executable,
     .readExe = byVersion<readEnginePower>,
     .writeExe = writeEnginePowerRow},
    {.name = "human engine power",
     .editor = Editor::Power,
     .file = Executable,
     .readExe = byVersion<readHumanPower>,
     .writeExe = byVersion<writeHumanPower>},
    {.name = "grip",
     .editor = Editor::Grip,
     .file = Executable,
     .readExe = byVersion<readGrip>,
     .writeExe = byVersion<writeGrip>},
    {.name = "random grip range",
     .editor = Editor::Grip,
     .file = Executable,
     .readExe = byVersion<readGripRange>,
     .writeExe = byVersion<writeGripRange>},
    {.name = "pit order",
     .editor = Editor::PitLine,
     .file = Executable,
     .readExe = byVersion<readPitOrder>,
     .writeExe = byVersion<writePitOrder>},
    {.name = "pit speed check",
     .editor = Editor::PitLine,
     .file = Executable,
     .readExe = byVersion<readPitCheck>,
     .writeExe = byVersion<writePitCheck>},
    {.name = "pit speed limit",
     .editor = Editor::PitLine,
     .file = Executable,
     .readExe = byVersion<readPitSpeed>,
     .writeExe = byVersion<writePitSpeed>},
    // "Export all data" always puts the cockpit colours into KVR.EXE, then into the
    // chosen file as well.
    {.name = "cockpit colours (KVR.EXE)",
     .editor = Editor::Cockpit,
     .file = Executable,
     .readExe = nullptr,
     .writeExe = byVersion<writeCockpitColoursToExe>,
     .advancesProgress = false,
     .allDataOnly = true},
    {.name = "cockpit colours",
     .editor = Editor::Cockpit,
     .file = CockpitSource,
     .readExe = byVersion<readCockpitColoursFromExe>,
     .writeExe = byVersion<writeCockpitColoursToExe>,
     .readState = fixed<readCockpitColoursFromSave>,
     .writeState = fixed<writeCockpitColoursToSave>},
    {.name = "pit crew colours",
     .editor = Editor::PitCrew,
     .file = Executable,
     .readExe = byVersion<readPitCrewColours>,
     .writeExe = byVersion<writePitCrewColours>},
    {.name = "cameras",
     .editor = Editor::Cameras,
     .file = Executable,
     .readExe = byVersion<readCameras>,
     .writeExe = byVersion<writeCameras>},
    {.name = "failures",
     .editor = Editor::Failures,
     .file = Executable,
     .readExe = byVersion<readFailures>,
     .writeExe = byVersion<writeFailures>},
    {.name = "nose cones",
     .editor = Editor::Noses,
     .file = Executable,
     .readExe = byVersion<readNoses>,
     .writeExe = byVersion<writeNoses>},
    {.name = "LED colours",
     .editor = Editor::Tuning,
     .file = Executable,
     .readExe = byVersion<readLedColours>,
     .writeExe = byVersion<writeLedColours>},
    {.name = "LED thresholds",
     .editor = Editor::Tuning,
     .file = Executable,
     .readExe = byVersion<readLedThresholds>,
     .writeExe = byVersion<writeLedThresholds>},
    {.name = "fuel loads",
     .editor = Editor::Tuning,
     .file = Executable,
     .readExe = byVersion<readFuelLoads>,
     .writeExe = byVersion<writeFuelLoads>},
    {.name = "human car weight",
     .editor = Editor::Tuning,
     .file = Executable,
     .readExe = byVersion<readHumanWeight>,
     .writeExe = byVersion<writeHumanWeight>},
    {.name = "computer car weight",
     .editor = Editor::Tuning,
     .file = Executable,
     .readExe = byVersion<readComputerWeight>,
     .writeExe = byVersion<writeComputerWeight>},
    {.name = "opponents fuel shown switch",
     .editor = Editor::Tuning,
     .file = Executable,
     .readExe = byVersion<readOpponentFuelSwitch>,
     .writeExe = byVersion<writeOpponentFuelSwitch>},
    {.name = "team-dependent performance switch",
     .editor = Editor::Tuning,
     .file = Executable,
     .readExe = byVersion<readTeamPerformanceSwitch>,
     .writeExe = byVersion<writeTeamPerformanceSwitch>},
    {.name = "split comparison switch",
     .editor = Editor::Tuning,
     .file = Executable,
     .readExe = readSplitSwitchRow,
     .writeExe = writeSplitSwitchRow,
     .ownReadIn = kPatchListVersion,
     .writeIn = kPatchListVersion,
     .advancesProgress = false},
    {.name = "track data",
     .editor = Editor::Tracks,
     .file = TrackFiles,
     .readExe = readTrackDataRow,
     .writeExe = writeTrackDataRow,
     .advancesProgress = false,
     .heldBy = holdsTrackData},
    // Goes with every write of track data, and with "Export all data" even when the
    // track files are not there.
    {.name = "track patch",
     .editor = Editor::Tracks,
     .file = Executable,
     .readExe = nullptr,
     .writeExe = trackPatchRow,
     .advancesProgress = false,
     .codePatch = true},
};

} // namespace

std::span<const Editor> allEditors()
{
    return kEditors;
}

std::string_view editorName(Editor editor)
{
    return kEditorNames[std::size_t(editor)];
}

std::optional<Editor> editorNamed(std::string_view name)
{
    for (std::size_t i = 0; i < kEditorNames.size(); ++i)
        if (kEditorNames[i] == name)
            return kEditors[i];
    return std::nullopt;
}

const char* importedText(Editor editor)
{
    return editor == Editor::Tracks ? KVR_TR_NOOP("Import and export", "Tracks data has been imported!")
                                    : KVR_TR_NOOP("Import and export", "Data has been imported!");
}

const char* exportedText(Editor editor)
{
    return editor == Editor::Tracks ? KVR_TR_NOOP("Import and export", "Tracks data has been exported!")
                                    : KVR_TR_NOOP("Import and export", "Data has been exported!");
}

std::span<const BlockRow> blockTable() { return kRows; }

const BlockRow* firstUnheldRow(const SettingsRecord& record, std::optional<Editor> editor)
{
    for (const BlockRow& row : kRows)
        if ((!editor || row.editor == *editor) && row.heldBy && !row.heldBy(record))
            return &row;
    return nullptr;
}

} // namespace kvr
