// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kvr {

// The game's files are those the editor reads or writes in a game folder: KVR.EXE,
// F1GSTATE.SAV, the track files in CIRCUITS, the cockpit pictures in BITMAPS, the
// textures in GAMEJAMS, a backup (".orig") of any of them, and the editor's own hidden
// files there (".kvrdesk..."). Names are matched without regard to case.

// Which of the game's files `file` is, as "KVR.EXE" or "CIRCUITS/F1CT03.DAT": the same
// file (device and inode, so also through a symlink or a hard link), or a file not there
// yet whose name and folder are those of one. Nothing when it is none of them.
std::optional<std::string> gameFileAt(const std::filesystem::path& gameDir, const std::filesystem::path& file);

// Whether a name gameFileAt gives is one of the game's textures, not its backup.
bool isGameTexture(std::string_view gameFile);

// The game folder `file` lies in: its own folder or the one above (CIRCUITS, GAMEJAMS,
// BITMAPS), when that holds KVR.EXE. A symlink is followed to where it points.
std::optional<std::filesystem::path> gameFolderAround(const std::filesystem::path& file);

// Refuses, before anything is read or written, an output that is one of the game's files
// (of `game`, or of a game folder the output or one of the `inputs` lies in) or one of
// the `inputs`, by identity, so also through links. Every program that writes a file the
// user named asks this first. Throws GeneralError "Refusing to write NAME: ...".
void guardOutputPath(const std::filesystem::path& output, std::span<const std::filesystem::path> inputs,
                     const std::optional<std::filesystem::path>& game = std::nullopt);

} // namespace kvr
