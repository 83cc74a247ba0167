#include "install/cockpit_manager.h"

#include "core/editor_home.h"
#include "core/errors.h"
#include "core/folder_lock.h"
#include "core/game_dir.h"
#include "core/game_file.h"
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

std::optional<std::string> pictureProblem(const CockpitSources& sources, const Bytes& high, const Bytes& low)
{
    if (const auto problem = cockpitPictureProblem(high, kCockpitHighWidth, kCockpitHighHeight))
        return badSourceText(kCannotCopy, sources.highPicture, *problem);
    if (const auto problem = cockpitPictureProblem(low, kCockpitLowWidth, kCockpitLowHeight))
        return badSourceText(kCannotCopy, sources.lowPicture, *problem);
    return std::nullopt;
}

} // namespace

InstallOutcome installCockpit(const GameContext& context, std::string_view stem, UserPrompt& prompt,
                              const FreeSpaceProbe& freeSpace)
{
    const CockpitSet* set = findCockpitSet(stem);
    if (!set)
        throw GeneralError("There is no cockpit set \"" + std::string(stem) + "\".");
    const GameFolderLock lock(context.gameDir());
    if (!enoughSpaceToInstall(context.gameDir(), freeSpace)) {
        prompt.warn(kNotEnoughSpace);
        return InstallOutcome::NotEnoughSpace;
    }

    // Everything is read and checked before the first byte is written.
    const CockpitSources sources = cockpitSources(context.home, set->stem, context.version);
    CockpitDefinition definition;
    XyTables tables;
    try {
        definition = readCockpitDefinition(sources.definition);
        tables = readXyTables(sources.xyTables);
    } catch (const GeneralError& e) {
        prompt.warn(e.what());
        return InstallOutcome::BadSource;
    }
    const std::optional<Bytes> high = readSourceFile(sources.highPicture);
    const std::optional<Bytes> low = readSourceFile(sources.lowPicture);
    if (!high || !low) {
        prompt.inform(withFile(kCannotCopy, high ? sources.lowPicture : sources.highPicture));
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
        prompt.warn(sources.xyTables.string() + ": " + *problem);
        return InstallOutcome::BadSource;
    }
    cockPatcher(exe, definition, table);

    ReplaceBatch pictures;
    pictures.add(findInDir(context.gameDir(), kHighTarget), *high);
    pictures.add(findInDir(context.gameDir(), kLowTarget), *low);
    if (const auto failure = pictures.commit()) {
        prompt.inform(withFile(kCannotCopy, failure->file));
        return InstallOutcome::CopyFailed;
    }
    try {
        exe.commit();
    } catch (const FileAccessError&) {
        pictures.rollback();
        throw;
    }
    prompt.inform(kInstalled);
    return InstallOutcome::Installed;
}

} // namespace kvr
