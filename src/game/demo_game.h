// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace kvr {

class SettingsRecord;

// The values a demo installation holds: invented teams and drivers, every block filled.
SettingsRecord demoRecord();

// Throws GeneralError unless a demo can be made in `languageVersion`.
void checkDemoLanguage(int languageVersion);

// Throws GeneralError when `dir` holds any file a demo installation would write
// (KVR.EXE, F1GSTATE.SAV, a track file, or a backup of one), in any case of letters.
void requireNoGameFiles(const std::filesystem::path& dir);

// Size of a made-up KVR.EXE: past the last position any block or the version byte uses.
inline constexpr std::uint32_t kDemoExecutableSize = 0x570000;

// Makes a complete, self-consistent installation of the game in `dir` (created if
// needed): KVR.EXE with the version byte of `languageVersion` (0..6 but 5, which no
// executable carries) and every block at that version's place, F1GSTATE.SAV with names,
// numbers and cockpit colours and a valid checksum, CIRCUITS/F1CT01.DAT to F1CT16.DAT,
// the cockpit pictures BITMAPS/CPITHI.PCX and CPITLOW.PCX, and a GAMEJAMS folder. KVR.EXE holds
// the original track blocks that "Install original tracks" writes. `patchList` is the
// editor's DATA/PLT.DAT. With `textures` (the editor's DATA/DEMOJAMS) GAMEJAMS gets the
// helmet sheet HELMETS1.JAM and the fourteen team paintings from there; without, it stays
// empty. Throws GeneralError, writing nothing, when `dir` holds a file of a game already or
// a texture is missing.
void makeDemoGame(const std::filesystem::path& dir, int languageVersion, const std::filesystem::path& patchList,
                  const std::filesystem::path& textures = {});

// A game CD folder: its own KVR.EXE and CIRCUITS folder with the sixteen track files.
// Refuses a folder that holds a file of a game, as makeDemoGame does.
void makeDemoCd(const std::filesystem::path& dir, int languageVersion, const std::filesystem::path& patchList);

} // namespace kvr
