// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/cockpit_manager.h"

#include "core/editor_home.h"
#include "core/errors.h"
#include "core/file_set.h"
#include "core/game_dir.h"
#include "core/game_file.h"
#include "core/locked_action.h"
#include "core/positions.h"
#include "core/user_prompt.h"
#include "game/game_context.h"
#include "graphics/cockpit_artwork.h"
#include "install/cockpit_definition.h"
#include "install/cockpit_patcher.h"
#include "install/source_checks.h"
#include "install/xy_tables.h"

namespace kvr {
namespace fs = std::filesystem;
using namespace cockpitmanager;

const std::array<CockpitSet, 11> kCockpitSets = {{
    {"A18", "Corvane CV-9"},
    {"FW19", "Halvex HX-4"},
    {"F310B", "Sablewing SW-7"},
    {"B197", "Tessarine T97"},
    {"MP412", "Brightmoor BR-8"},
    {"J197", "Kestrova K7"},
    {"JS45", "Vantoria VT-3"},
    {"C16", "Orrindale OR-2"},
    {"SF1", "Lumivar L1"},
    {"M197", "Quillon Q97"},
    {"025", "Ashgrove AG-5"},
}};

const CockpitSet* findCockpitSet(std::string_view stem)
{
    for (const CockpitSet& set : kCockpitSets)
        if (asciiEqualNoCase(set.stem, stem))
            return &set;
    return nullptr;
}

CockpitSources cockpitSources(const EditorHome& home, std::string_view stem, int languageVersion)
{
    const std::string s(stem);
    return {home.data(s + "HI.PCX"), home.data(s + "LO.PCX"),
            home.data(versionedDefinitionName(s + ".DAT", languageVersion)), home.data(xytables::kFileName)};
}

namespace {

std::optional<Message> pictureProblem(const CockpitSources& sources, const Bytes& high, const Bytes& low)
{
    if (const auto problem = cockpitPictureProblem(high, kCockpitHighWidth, kCockpitHighHeight))
        return badSourceText(kCannotCopy, sources.highPicture, *problem);
    if (const auto problem = cockpitPictureProblem(low, kCockpitLowWidth, kCockpitLowHeight))
        return badSourceText(kCannotCopy, sources.lowPicture, *problem);
    return std::nullopt;
}

// Holding the game's lock; `prompt` tells the user once it is released.
InstallOutcome installLocked(const GameContext& context, const CockpitSet& set, const GameFolderLock& lock,
                             UserPrompt& prompt, const FreeSpaceProbe& freeSpace)
{
    if (!enoughSpaceToInstall(context.gameDir(), freeSpace)) {
        prompt.warn(kNotEnoughSpace);
        return InstallOutcome::NotEnoughSpace;
    }

    // Everything is read and checked before the first byte is written.
    const CockpitSources sources = cockpitSources(context.home, set.stem, context.version);
    CockpitDefinition definition;
    XyTables tables;
    try {
        definition = readCockpitDefinition(sources.definition);
        tables = readXyTables(sources.xyTables);
    } catch (const GeneralError& e) {
        prompt.warn(kvr::messageOf(e));
        return InstallOutcome::BadSource;
    }
    const SourceFile highRead = readSourceFile(sources.highPicture);
    const SourceFile lowRead = readSourceFile(sources.lowPicture);
    const std::optional<Bytes>& high = highRead.bytes;
    const std::optional<Bytes>& low = lowRead.bytes;
    if (!high || !low) {
        prompt.inform(kCannotCopy + std::string("\n") + (high ? lowRead : highRead).problem);
        return InstallOutcome::BadSource;
    }
    if (const auto bad = pictureProblem(sources, *high, *low)) {
        prompt.warn(*bad);
        return InstallOutcome::BadSource;
    }

    GameFile exe = GameFile::open(context.executable());
    const XyTable& table = tables.forVersion(context.version);
    // Past the end of a KVR.EXE cut short, KVR.EXE is at fault (its patching says so);
    // past the end of a whole one, only the table can be.
    if (const auto problem = xyTableProblem(table, exe.size()); problem && exe.size() > kVersionBytePosition) {
        prompt.warn(fillIn(KVR_TR_NOOP("Installers", "%1: %2"), {sources.xyTables.string(), *problem}));
        return InstallOutcome::BadSource;
    }
    cockPatcher(exe, definition, table);

    // Both pictures and KVR.EXE as one set.
    FileSet files;
    files.replace(findInDir(context.gameDir(), kHighTarget), *high);
    files.replace(findInDir(context.gameDir(), kLowTarget), *low);
    files.add(exe);
    try {
        files.commit(lock);
    } catch (const SetWriteFailure& e) {
        if (e.target() == exe.path())
            throw asFileWriteError(e);
        prompt.inform(withFile(kCannotCopy, e.target()) + e.note());
        return InstallOutcome::CopyFailed;
    }
    prompt.inform(kInstalled);
    return InstallOutcome::Installed;
}

} // namespace

InstallOutcome installCockpit(const GameContext& context, std::string_view stem, UserPrompt& prompt,
                              const FreeSpaceProbe& freeSpace)
{
    const CockpitSet* set = findCockpitSet(stem);
    if (!set)
        throw GeneralError(fillIn(KVR_TR_NOOP("Installers", "There is no cockpit set \"%1\"."), {std::string(stem)}));
    return whileLocked(context.gameDir(), prompt, [&](const GameFolderLock& lock, UserPrompt& later) {
        return installLocked(context, *set, lock, later, freeSpace);
    });
}

} // namespace kvr
