// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/car_set.h"

#include "core/file_set.h"
#include "core/game_dir.h"
#include "core/locked_action.h"
#include "core/tr_marker.h"
#include "core/user_prompt.h"
#include "game/game_context.h"
#include "install/source_checks.h"

#include <string>
#include <vector>

namespace kvr {
namespace fs = std::filesystem;
using namespace carset;

const std::array<const char*, 14> kCarSetFiles = {
    "BENETTON.JAM", "FERRARI.JAM", "FOOTWORK.JAM", "JORDAN.JAM", "LARROUS.JAM", "LIGIER.JAM",  "LOTUS.JAM",
    "MCLAREN.JAM",  "MINARDI.JAM", "PACIFIC.JAM",  "SAUBER.JAM", "SIMTEK.JAM",  "TYRRELL.JAM", "WILLIAMS.JAM",
};

namespace {

Message listed(const Message& heading, const std::vector<std::string>& names)
{
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += (i == 0 ? " " : ", ") + names[i];
    return Message(kCannotCopy) + "\n" + heading + list;
}

// Holding the game's lock; `prompt` tells the user once it is released.
InstallOutcome installLocked(const GameContext& context, const GameFolderLock& lock, UserPrompt& prompt,
                             const FreeSpaceProbe& freeSpace)
{
    if (!enoughSpaceToInstall(context.gameDir(), freeSpace)) {
        prompt.warn(kNotEnoughSpace);
        return InstallOutcome::NotEnoughSpace;
    }
    std::vector<Bytes> sources;
    std::vector<std::string> missing;
    Message unreadable;
    for (const char* name : kCarSetFiles) {
        SourceFile read = readSourceFile(context.home.data(name));
        if (read.bytes)
            sources.push_back(std::move(*read.bytes));
        else if (read.missing)
            missing.push_back(name);
        else if (unreadable.empty())
            unreadable = read.problem;
    }
    if (!missing.empty()) {
        prompt.inform(
            listed(fillIn(KVR_TR_NOOP("Installers", "Missing from %1:"), {context.home.dataDir.string()}), missing));
        return InstallOutcome::BadSource;
    }
    // There, but not a file we can copy: a FIFO, a folder, an empty file.
    if (!unreadable.empty()) {
        prompt.inform(Message(kCannotCopy) + "\n" + unreadable);
        return InstallOutcome::BadSource;
    }
    const fs::path folder = findInDir(context.gameDir(), kFolder);
    for (std::size_t i = 0; i < kCarSetFiles.size(); ++i)
        if (const auto problem = carTextureProblem(sources[i], findInDir(folder, kCarSetFiles[i]))) {
            prompt.warn(badSourceText(kCannotCopy, context.home.data(kCarSetFiles[i]), *problem));
            return InstallOutcome::BadSource;
        }

    // All fourteen or none: a set of paintings half old, half new is no car set.
    FileSet paintings;
    for (std::size_t i = 0; i < kCarSetFiles.size(); ++i)
        paintings.replace(findInDir(folder, kCarSetFiles[i]), std::move(sources[i]));
    try {
        paintings.commit(lock);
    } catch (const SetWriteFailure& e) {
        prompt.inform(listed(fillIn(KVR_TR_NOOP("Installers", "Not copied into %1:"), {folder.string()}),
                             {e.target().filename().string()}) +
                      "\n" + e.message() + e.note());
        return InstallOutcome::CopyFailed;
    }
    prompt.inform(kInstalled);
    return InstallOutcome::Installed;
}

} // namespace

InstallOutcome installCarSet(const GameContext& context, UserPrompt& prompt, const FreeSpaceProbe& freeSpace)
{
    return whileLocked(context.gameDir(), prompt, [&](const GameFolderLock& lock, UserPrompt& later) {
        return installLocked(context, lock, later, freeSpace);
    });
}

} // namespace kvr
