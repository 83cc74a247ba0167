#include "game/block_table.h"

#include "core/game_file.h"
#include "core/settings_record.h"
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

#include <array>

namespace kvr {

const std::vector<PatchRecord>& BlockIo::patchList() const
{
    if (!m_patchList)
        m_patchList = readPatchList(m_patchListFile);
    return *m_patchList;
}

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

void writeEnginePowerRow(GameFile& exe, const SettingsRecord& r, const BlockIo& io)
{
    if (!writeEnginePower(exe, r, io.version(), savedRandomPowerSite(exe.path(), io.version())))
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
    readTrackData(exe, io.gameDir(), r, io.version());
}

using enum BlockFile;

const BlockRow kRows[] = {
    {"names", Editor::Names, Executable, byVersion<readNamesFromExe>, byVersion<writeNamesToExe>},
    {"names (source file)", Editor::Names, NamesSource, byVersion<readNamesFromExe>, byVersion<writeNamesToExe>,
     fixed<readNamesFromSave>, fixed<writeNamesToSave>},
    {"engine power", Editor::Power, Executable, byVersion<readEnginePower>, writeEnginePowerRow},
    {"human engine power", Editor::Power, Executable, byVersion<readHumanPower>, byVersion<writeHumanPower>},
    {"grip", Editor::Grip, Executable, byVersion<readGrip>, byVersion<writeGrip>},
    {"random grip range", Editor::Grip, Executable, byVersion<readGripRange>, byVersion<writeGripRange>},
    {"pit order", Editor::PitLine, Executable, byVersion<readPitOrder>, byVersion<writePitOrder>},
    {"pit speed check", Editor::PitLine, Executable, byVersion<readPitCheck>, byVersion<writePitCheck>},
    {"pit speed limit", Editor::PitLine, Executable, byVersion<readPitSpeed>, byVersion<writePitSpeed>},
    // "Export all data" always puts the cockpit colours into KVR.EXE, then into the
    // chosen file as well.
    {"cockpit colours (KVR.EXE)", Editor::Cockpit, Executable, nullptr, byVersion<writeCockpitColoursToExe>,
     nullptr, nullptr, kEveryVersion, kEveryVersion, kEveryVersion, false, true},
    {"cockpit colours", Editor::Cockpit, CockpitSource, byVersion<readCockpitColoursFromExe>,
     byVersion<writeCockpitColoursToExe>, fixed<readCockpitColoursFromSave>, fixed<writeCockpitColoursToSave>},
    {"pit crew colours", Editor::PitCrew, Executable, byVersion<readPitCrewColours>, byVersion<writePitCrewColours>},
    {"cameras", Editor::Cameras, Executable, byVersion<readCameras>, byVersion<writeCameras>},
    {"failures", Editor::Failures, Executable, byVersion<readFailures>, byVersion<writeFailures>},
    {"nose cones", Editor::Noses, Executable, byVersion<readNoses>, byVersion<writeNoses>},
    {"LED colours", Editor::Tuning, Executable, byVersion<readLedColours>, byVersion<writeLedColours>},
    {"LED thresholds", Editor::Tuning, Executable, byVersion<readLedThresholds>, byVersion<writeLedThresholds>},
    {"fuel loads", Editor::Tuning, Executable, byVersion<readFuelLoads>, byVersion<writeFuelLoads>},
    {"human car weight", Editor::Tuning, Executable, byVersion<readHumanWeight>, byVersion<writeHumanWeight>},
    {"computer car weight", Editor::Tuning, Executable, byVersion<readComputerWeight>,
     byVersion<writeComputerWeight>},
    {"opponents fuel shown switch", Editor::Tuning, Executable, byVersion<readOpponentFuelSwitch>,
     byVersion<writeOpponentFuelSwitch>},
    {"team-dependent performance switch", Editor::Tuning, Executable, byVersion<readTeamPerformanceSwitch>,
     byVersion<writeTeamPerformanceSwitch>},
    {"split comparison switch", Editor::Tuning, Executable, readSplitSwitchRow, writeSplitSwitchRow, nullptr,
     nullptr, kEveryVersion, kPatchListVersion, kPatchListVersion, false},
    // Written with its track files as one set by the sequences themselves.
    {"track data", Editor::Tracks, TrackFiles, readTrackDataRow, nullptr, nullptr, nullptr,
     kEveryVersion, kEveryVersion, kEveryVersion, false},
};

} // namespace

std::span<const Editor> allEditors() { return kEditors; }

std::string_view editorName(Editor editor) { return kEditorNames[std::size_t(editor)]; }

std::optional<Editor> editorNamed(std::string_view name)
{
    for (std::size_t i = 0; i < kEditorNames.size(); ++i)
        if (kEditorNames[i] == name)
            return kEditors[i];
    return std::nullopt;
}

std::span<const BlockRow> blockTable() { return kRows; }

} // namespace kvr
