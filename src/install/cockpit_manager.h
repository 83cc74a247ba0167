// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tr_marker.h"
#include "install/install_files.h"
#include "install/install_outcome.h"

#include <array>
#include <filesystem>
#include <string_view>

namespace kvr {

struct EditorHome;
struct GameContext;
class UserPrompt;

// One add-on cockpit: its file stem in the editor's data and the team and car it
// comes from.
struct CockpitSet {
    const char* stem;
    const char* caption;
};

namespace cockpitmanager {
inline constexpr kvr::Marked kCaption = KVR_TR_NOOP("Installers", "Cockpit manager");
inline constexpr kvr::Marked kSetsTitle = KVR_TR_NOOP("Installers", "'97 cockpits");
inline constexpr kvr::Marked kInstall = KVR_TR_NOOP("Installers", "Install it!");
inline constexpr kvr::Marked kInstalled = KVR_TR_NOOP("Installers", "New cockpit installed!");
inline constexpr kvr::Marked kCannotCopy = KVR_TR_NOOP("Installers", "Cannot copy cockpit file!");
inline constexpr const char* kHighTarget = "BITMAPS/CPITHI.PCX";
inline constexpr const char* kLowTarget = "BITMAPS/CPITLOW.PCX";
} // namespace cockpitmanager

// The eleven sets in the order the dialog lists them; the first is chosen at first.
extern const std::array<CockpitSet, 11> kCockpitSets;

// The set with this stem, without regard to case; nullptr when there is none.
const CockpitSet* findCockpitSet(std::string_view stem);

// The editor's files of a set for a language version: "A18HI.PCX", "A18LO.PCX", the
// version's definition file ("A18.DAT", "A18.DAg", ...) and the XY tables.
struct CockpitSources {
    std::filesystem::path highPicture;
    std::filesystem::path lowPicture;
    std::filesystem::path definition;
    std::filesystem::path xyTables;
};
CockpitSources cockpitSources(const EditorHome& home, std::string_view stem, int languageVersion);

// "Install it!": checks the free space on the game's drive, reads the definition file
// and the XY tables whole and checks them, reads both pictures and checks them (PCX
// pictures of 640 x 480 and 320 x 200), checks every position in KVR.EXE (a table
// position past its end is a fault of the XY table file), then replaces both cockpit
// pictures and KVR.EXE (each keeping ".orig").
// Every message goes through `prompt`; a bad or missing source, or a picture that
// cannot be written, leaves the game as it was. Throws FileAccessError when KVR.EXE
// cannot be read, is too short, or cannot be written (the pictures are then put back).
InstallOutcome installCockpit(const GameContext& context, std::string_view stem, UserPrompt& prompt,
                              const FreeSpaceProbe& freeSpace = {});

} // namespace kvr
