// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "game/launch_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {
namespace fs = std::filesystem;
using Kind = kvr::LaunchFile::Kind;

TEST(LaunchFiles, TheCommandLineNamesOneGameThenSettingsFilesAndPatchesInOrder)
{
    kvrtest::TempDir dir;
    for (const char* name : {"game/KVR.EXE", "other/kvr.exe", "mods/a.KVS", "notes.txt"})
        kvrtest::writeFile(dir / name, {1});
    fs::create_directories(dir / "folder.kvs");
    const fs::path game = dir / "game";

    const struct {
        const char* what;
        std::vector<fs::path> args;
        std::optional<fs::path> gameDir;
        std::vector<kvr::LaunchFile> files;
    } cases[] = {
        {"nothing: the configured game", {}, std::nullopt, {}},
        {"a game folder", {game}, game, {}},
        {"its KVR.EXE names the folder", {game / "KVR.EXE"}, game, {}},
        {"kvr.exe in lower case too", {dir / "other/kvr.exe"}, dir / "other", {}},
        {"a bare KVR.EXE is the working folder's", {"KVR.EXE"}, fs::path("."), {}},
        {"settings files in any case, kept in order, missing ones too (their load says so)",
         {dir / "mods/a.KVS", "b.kvs", "C.Kvs"},
         std::nullopt,
         {{Kind::SettingsFile, dir / "mods/a.KVS"}, {Kind::SettingsFile, "b.kvs"}, {Kind::SettingsFile, "C.Kvs"}}},
        {"patches among them, the game anywhere",
         {"x.kvpatch", game, "a.KVS", "Y.KVPATCH"},
         game,
         {{Kind::Patch, "x.kvpatch"}, {Kind::SettingsFile, "a.KVS"}, {Kind::Patch, "Y.KVPATCH"}}},
        {"a folder named like a settings file is a folder", {dir / "folder.kvs"}, dir / "folder.kvs", {}},
    };
    for (const auto& c : cases) {
        const kvr::LaunchRequest r = kvr::sortLaunchArguments(c.args);
        EXPECT_EQ(r.gameDir, c.gameDir) << c.what;
        EXPECT_EQ(r.files, c.files) << c.what;
    }
}

TEST(LaunchFiles, ASecondGameOrAFileOfNoKnownKindIsRefusedByName)
{
    kvrtest::TempDir dir;
    kvrtest::writeFile(dir / "game/KVR.EXE", {1});
    kvrtest::writeFile(dir / "notes.txt", {1});
    fs::create_directories(dir / "other");
    const struct {
        std::vector<fs::path> args;
        std::string message;
    } cases[] = {
        {{dir / "game", dir / "other"},
         "kvrdesk opens one game at a time, not both " + (dir / "game").string() + " and " + (dir / "other").string() +
             "."},
        {{dir / "game/KVR.EXE", dir / "game"}, "kvrdesk opens one game at a time"},
        {{"a.kvpatch", dir / "notes.txt"},
         "settings files (*.KVS) and patches (*.kvpatch), not " + (dir / "notes.txt").string() + "."},
        {{dir / "missing"}, "There is no file or folder " + (dir / "missing").string() + "."},
        {{"x.kvpatch.txt"}, "There is no file or folder x.kvpatch.txt."},
    };
    for (const auto& c : cases) {
        try {
            kvr::sortLaunchArguments(c.args);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const kvr::GeneralError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

} // namespace
