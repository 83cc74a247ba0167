// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tr_marker.h"
#include "install/install_files.h"
#include "install/install_outcome.h"

#include <array>

namespace kvr {

struct GameContext;
class UserPrompt;

namespace carset {
inline constexpr kvr::Marked kCaption = KVR_TR_NOOP("Installers", "Car set manager");
inline constexpr kvr::Marked kInstall = KVR_TR_NOOP("Installers", "Install '97 car set (only paintings now)");
inline constexpr kvr::Marked kInstalled = KVR_TR_NOOP("Installers", "New carset installed!");
inline constexpr kvr::Marked kCannotCopy = KVR_TR_NOOP("Installers", "Cannot copy carset files!");
inline constexpr const char* kFolder = "GAMEJAMS";
} // namespace carset

// The car set's texture files, in the order they are copied from the editor's data into
// the game's GAMEJAMS folder under the same names.
extern const std::array<const char*, 14> kCarSetFiles;

// "Install '97 car set": with enough free space on the game's drive, reads all 14 files
// (any that is missing is named and nothing is copied) and checks them (the first that is
// not a texture of the converter's format, or not of the size of the texture it
// replaces, is named and nothing is copied), then replaces the 14 targets as one set
// (read-only ones too, each keeping ".orig"): all or, when one cannot be written, none.
// Ends with "New carset installed!", or with "Cannot copy carset files!" and the file
// that could not be copied. The messages come once the game is free.
InstallOutcome installCarSet(const GameContext& context, UserPrompt& prompt, const FreeSpaceProbe& freeSpace = {});

} // namespace kvr
