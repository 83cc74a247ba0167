// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game_mods.h"

#include "core/errors.h"
#include "core/file_set.h"
#include "core/folder_lock.h"
#include "core/game_file.h"
#include "core/input_file.h"
#include "core/locked_action.h"
#include "core/set_journal.h"
#include "core/tr_marker.h"
#include "game/export_preview.h"
#include "game/import_export.h"

namespace kvr {
namespace fs = std::filesystem;

namespace {

struct GameValues {
    SettingsRecord record;
    std::vector<bool> held;
};

// The game's values, and which bytes of the record it holds at all: read over two
// records unlike in every byte, a byte the game holds comes out the same in both.
GameValues readHeldValues(const GameContext& context)
{
    SettingsRecord zeros;
    SettingsRecord ones;
    for (std::size_t i = 0; i < rec::kSize; ++i)
        ones.setByte(i, 0xFF);
    readGameValues(context, zeros, std::nullopt);
    readGameValues(context, ones, std::nullopt);
    GameValues v{zeros, std::vector<bool>(rec::kSize)};
    for (std::size_t i = 0; i < rec::kSize; ++i)
        v.held[i] = zeros.byte(i) == ones.byte(i);
    return v;
}

// The list as the file holds it, read by the lock's holder or a reader after it.
ModList readListFile(const fs::path& gameDir)
{
    const fs::path file = modListPath(gameDir);
    std::error_code ec;
    if (fs::symlink_status(file, ec).type() == fs::file_type::not_found)
        return {};
    try {
        const std::vector<std::uint8_t> bytes = readInputFile(file, kMaxModListBytes);
        return parseModList(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const GeneralError& e) {
        throw GeneralError(fillIn(KVR_TR_NOOP("Mods", "The mod list %1 cannot be read; nothing was changed. %2"),
                                  {file.string(), messageOf(e)}));
    }
}

// The list's folder, made when it is not there; never through a link.
void makeListFolder(const fs::path& gameDir)
{
    const fs::path folder = gameDir / kGameModsFolder;
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(folder, ec);
    if (status.type() == fs::file_type::directory)
        return;
    if (status.type() != fs::file_type::not_found || !fs::create_directory(folder, ec) || ec)
        throw GeneralError(fillIn(KVR_TR_NOOP("Mods", "Cannot keep the mod list in %1: it is not a folder of its own "
                                                      "(remove it, then try again)."),
                                  {folder.string()}));
}

} // namespace

fs::path modListPath(const fs::path& gameDir)
{
    return gameDir / kGameModsFolder / kGameModListFile;
}

ModList readGameMods(const fs::path& gameDir)
{
    finishBeforeReading(gameDir);
    return readListFile(gameDir);
}

ModPreview previewMods(const GameContext& context, const ModChange& change)
{
    const ModList list = readGameMods(context.gameDir());
    const GameValues game = readHeldValues(context);
    ModPreview preview{change(list, game.record, game.held), {}};
    preview.changes = exportChanges(context, preview.plan.record);
    return preview;
}

ModPlan changeMods(const GameContext& context, UserPrompt& prompt, const ModChange& change)
{
    return whileLocked(context.gameDir(), prompt, [&](const GameFolderLock& lock, UserPrompt&) {
        const ModList list = readListFile(context.gameDir());
        const GameValues game = readHeldValues(context);
        ModPlan plan = change(list, game.record, game.held);
        FileSet set;
        for (const GameFile& file : filesChangedBy(context, game.record, plan.record))
            set.replace(file.path(), std::vector<std::uint8_t>(file.bytes().begin(), file.bytes().end()));
        if (!(plan.list == list)) {
            makeListFolder(context.gameDir());
            const std::string text = modListText(plan.list);
            set.replace(modListPath(context.gameDir()), std::vector<std::uint8_t>(text.begin(), text.end()), false);
        }
        commitGameFiles(set, lock);
        return plan;
    });
}

} // namespace kvr
