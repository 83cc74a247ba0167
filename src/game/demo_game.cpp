// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/demo_game.h"

#include "core/checksum.h"
#include "core/errors.h"
#include "core/game_dir.h"
#include "core/game_file.h"
#include "core/positions.h"
#include "core/safe_write.h"
#include "core/settings_record.h"
#include "editors/jams/car_jam_files.h"
#include "editors/power/power_blocks.h"
#include "editors/track/track_data.h"
#include "editors/tuning/patch_list.h"
#include "editors/tuning/tuning_blocks.h"
#include "game/addon_tracks.h"
#include "game/demo_values.h"
#include "game/import_export.h"
#include "graphics/cockpit_artwork.h"
#include "graphics/pcx_writer.h"
#include "textures/converter.h"

#include <utility>

namespace kvr {
namespace fs = std::filesystem;

namespace {

constexpr char kVersionBytes[kLanguageVersions] = {'J', 'o', 'i', 'E', 'a', 0, 'e'};

} // namespace

void checkDemoLanguage(int languageVersion)
{
    if (languageVersion < 0 || languageVersion >= kLanguageVersions || kVersionBytes[languageVersion] == 0)
        throw GeneralError("Language version " + std::to_string(languageVersion) +
                           " cannot be made: choose 0, 1, 2, 3, 4 or 6.");
}

namespace {

// Everything a demo installation writes; a folder holding any of them, or a backup of
// one, is someone's game and is never written over.
std::vector<std::string> gameFileNames()
{
    std::vector<std::string> names = {"KVR.EXE", "F1GSTATE.SAV"};
    for (int t = 0; t < rec::kTracks; ++t)
        names.push_back("CIRCUITS/" + trackFileName(t));
    return names;
}

void makeFolder(const fs::path& dir)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec)
        throw GeneralError("Cannot make the folder " + dir.string() + ": " + ec.message());
}

// The game as "Export all data" sees it: names and cockpit colours kept in the state file
// when there is one.
GameContext demoContext(const fs::path& exePath, int v, const fs::path& patchList)
{
    GameContext c;
    c.config = Configuration::forExecutable(exePath);
    c.version = v;
    c.home.dataDir = patchList.parent_path();
    return c;
}

// KVR.EXE with every block of the record written at the version's places, the state
// file's blocks into `state` when given, and the track data into the track files.
GameFile makeExecutable(const fs::path& path, int v, const SettingsRecord& r, const fs::path& patchList,
                        GameFile* state = nullptr)
{
    std::vector<std::uint8_t> bytes(kDemoExecutableSize, 0);
    bytes[kVersionBytePosition] = std::uint8_t(kVersionBytes[v]);
    GameFile exe = GameFile::create(path, std::move(bytes));
    // The random engine power call the game is delivered with.
    const std::uint32_t site = positionOf(Row::RandomEnginePower, v);
    exe.seek(site);
    for (std::uint8_t b : {0xE8, 0x4E, 0x1F, 0x00, 0x00})
        exe.writeByte(b);
    // The four instructions the track patch blanks out, as a delivered game has them.
    const struct {
        std::uint32_t at;
        std::vector<std::uint8_t> code;
    } kUnpatched[] = {{0x10C032, {0xE8, 0x19, 0x3C, 0x00, 0x00}},
                      {0x10C073, {0xE8, 0xD8, 0x3B, 0x00, 0x00}},
                      {0x10C180, {0x74, 0x0E}},
                      {0x10EAEB, {0x75, 0x05}}};
    for (const auto& instruction : kUnpatched) {
        exe.seek(instruction.at);
        for (std::uint8_t b : instruction.code)
            exe.writeByte(b);
    }
    // The track files are there already; a new game is no set a kill could leave
    // half-done, so each file goes on its own.
    for (GameFile& track : writeAllBlocks(demoContext(path, v, patchList), exe, state, r).trackFiles)
        track.commit();
    // A delivered game carries the split switch's code in every version, not only the one
    // the editor writes it into.
    if (!splitSwitchWritable(v))
        writeSplitSwitch(exe, r, readPatchList(patchList));
    // The blocks "Install original tracks" puts back, as the editor ships them.
    for (const auto& [row, block] : {std::pair{Row::TrackManagerFirst, trackNameBlock(originalTrackNames())},
                                     std::pair{Row::TrackManagerSecond, trackOrderBlock()},
                                     std::pair{Row::TrackManagerThird, trackLengthBlock(false)}}) {
        exe.seek(positionOf(row, v));
        for (std::uint8_t b : block)
            exe.writeByte(b);
    }
    return exe;
}

void writeTrackFiles(const fs::path& circuits)
{
    makeFolder(circuits);
    for (int t = 0; t < rec::kTracks; ++t)
        replaceFile(circuits / trackFileName(t), makeDemoTrackFile(t));
}

void copyTextures(const fs::path& from, const fs::path& gameJams)
{
    std::vector<std::string_view> names{kHelmetJam};
    names.insert(names.end(), kCarJamFiles.begin(), kCarJamFiles.end());
    for (std::string_view name : names) {
        std::error_code ec;
        fs::copy_file(findInDir(from, name), gameJams / name, fs::copy_options::overwrite_existing, ec);
        if (ec)
            throw GeneralError("Cannot copy the texture " + std::string(name) + " from " + from.string() + ": " +
                               ec.message());
    }
}

} // namespace

void requireNoGameFiles(const fs::path& dir)
{
    for (const std::string& name : gameFileNames()) {
        for (const std::string& candidate : {name, name + ".orig"}) {
            const fs::path found = findInDir(dir, candidate);
            std::error_code ec;
            if (fs::exists(fs::symlink_status(found, ec)))
                throw GeneralError("There is a game in " + dir.string() + " already (" + found.string() +
                                   "); choose an empty folder.");
        }
    }
}

SettingsRecord demoRecord()
{
    SettingsRecord r;
    fillDemoNames(r);
    fillDemoPerformance(r);
    fillDemoAppearance(r);
    // Delivered games have random engine power on: the call at its site stays.
    r.setByte(rec::kRandomEnginePower, 1);
    r.setShortString(rec::kDescription, rec::kDescriptionChars, "no description");
    return r;
}

void makeDemoGame(const fs::path& dir, int v, const fs::path& patchList, const fs::path& textures)
{
    checkDemoLanguage(v);
    requireNoGameFiles(dir);
    makeFolder(dir);
    const SettingsRecord r = demoRecord();

    writeTrackFiles(dir / "CIRCUITS");
    GameFile state = GameFile::create(dir / "F1GSTATE.SAV", std::vector<std::uint8_t>(demoStateFileSize(), 0));
    GameFile exe = makeExecutable(dir / "KVR.EXE", v, r, patchList, &state);
    state.updateChecksum();
    exe.commit();
    state.commit();
    makeFolder(dir / "GAMEJAMS");
    if (!textures.empty())
        copyTextures(textures, dir / "GAMEJAMS");
    makeFolder(dir / "BITMAPS");
    const CockpitLivery cockpit = demoOriginalLivery();
    replaceFile(dir / "BITMAPS" / "CPITHI.PCX",
                encodePcx8(cockpitArtwork(kCockpitHighWidth, kCockpitHighHeight, cockpit)));
    replaceFile(dir / "BITMAPS" / "CPITLOW.PCX",
                encodePcx8(cockpitArtwork(kCockpitLowWidth, kCockpitLowHeight, cockpit)));
}

void makeDemoCd(const fs::path& dir, int v, const fs::path& patchList)
{
    checkDemoLanguage(v);
    requireNoGameFiles(dir);
    makeFolder(dir);
    const SettingsRecord r = demoRecord();
    writeTrackFiles(dir / "CIRCUITS");
    GameFile exe = makeExecutable(dir / "KVR.EXE", v, r, patchList);
    exe.commit();
}

} // namespace kvr
