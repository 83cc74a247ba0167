#pragma once

#include "editors/tuning/patch_list.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// Which game file a block moves through.
enum class BlockFile {
    Executable,    // KVR.EXE
    NamesSource,   // only while F1GSTATE.SAV exists: it when names live there, else KVR.EXE
    CockpitSource, // F1GSTATE.SAV when it exists and cockpit colours live there, else KVR.EXE
    TrackFiles,    // the tyre table of KVR.EXE and the 16 track files
};

// What a block reader or writer may need besides its file and the record.
class BlockIo {
public:
    BlockIo(int version, std::filesystem::path gameDir, std::filesystem::path patchList)
        : m_version(version), m_gameDir(std::move(gameDir)), m_patchListFile(std::move(patchList))
    {
    }

    int version() const { return m_version; }
    const std::filesystem::path& gameDir() const { return m_gameDir; }
    // DATA/PLT.DAT, read on first use (GeneralError when it is missing or damaged).
    const std::vector<PatchRecord>& patchList() const;
    // Warnings a writer raises that do not stop the action (shown once it is done).
    void warn(std::string text) const { m_warnings.push_back(std::move(text)); }
    const std::vector<std::string>& warnings() const { return m_warnings; }

private:
    int m_version;
    std::filesystem::path m_gameDir;
    std::filesystem::path m_patchListFile;
    mutable std::optional<std::vector<PatchRecord>> m_patchList;
    mutable std::vector<std::string> m_warnings;
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
// the order of the game's start-up load and of import and export of all data.
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
};

std::span<const BlockRow> blockTable();

} // namespace kvr
