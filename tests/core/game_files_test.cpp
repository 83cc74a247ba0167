// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_dir.h"
#include "core/game_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {
namespace fs = std::filesystem;
using kvrtest::writeFile;

struct Named {
    const char* how;
    fs::path file;
    std::optional<std::string> gameFile;
};

TEST(GameFiles, AnOutputIsKnownAsAGameFileByIdentityOrByPlace)
{
    kvrtest::TempDir dir;
    const fs::path g = dir / "game";
    const fs::path o = dir / "elsewhere";
    for (const char* name : {"KVR.EXE", "F1GSTATE.SAV", "CIRCUITS/F1CT03.DAT", "BITMAPS/CPITHI.PCX",
                             "GAMEJAMS/HELMETS1.JAM", "mine.KVS", "README.TXT"})
        writeFile(g / name, {1, 2, 3});
    writeFile(o / "KVR.EXE", {1, 2, 3});

    std::vector<Named> cases = {
        {"the file itself", g / "KVR.EXE", "KVR.EXE"},
        {"through another folder", g / "CIRCUITS" / ".." / "F1GSTATE.SAV", "F1GSTATE.SAV"},
        {"a track file", g / "CIRCUITS" / "F1CT03.DAT", "CIRCUITS/F1CT03.DAT"},
        {"a cockpit picture", g / "BITMAPS" / "CPITHI.PCX", "BITMAPS/CPITHI.PCX"},
        {"a texture", g / "GAMEJAMS" / "HELMETS1.JAM", "GAMEJAMS/HELMETS1.JAM"},
        // Not there yet, but the editor would take it for the game's.
        {"the state file in other case", g / "f1gstate.sav", "F1GSTATE.SAV"},
        {"a backup", g / "KVR.EXE.orig", "KVR.EXE.orig"},
        {"a track file of another number", g / "CIRCUITS" / "f1ct16.dat", "CIRCUITS/F1CT16.DAT"},
        {"a new texture", g / "GAMEJAMS" / "NEW.JAM", "GAMEJAMS/NEW.JAM"},
        {"the lock", g / ".kvrdesk.lock", ".kvrdesk.lock"},
        // The user's own files, in the game or beside it.
        {"a settings file in the game", g / "mine.KVS", std::nullopt},
        {"a file the editor never touches", g / "README.TXT", std::nullopt},
        {"no such track", g / "CIRCUITS" / "F1CT17.DAT", std::nullopt},
        {"a copy elsewhere", o / "KVR.EXE", std::nullopt},
        {"a new file elsewhere", o / "F1GSTATE.SAV", std::nullopt},
    };
#ifndef _WIN32
    fs::create_symlink(g / "F1GSTATE.SAV", o / "symlink");
    fs::create_hard_link(g / "CIRCUITS" / "F1CT03.DAT", o / "hardlink");
    fs::create_symlink(g / "KVR.EXE.orig", o / "dangling");
    fs::create_directory_symlink(g, o / "gamelink");
    cases.push_back({"a symlink", o / "symlink", "F1GSTATE.SAV"});
    cases.push_back({"a hard link", o / "hardlink", "CIRCUITS/F1CT03.DAT"});
    cases.push_back({"a link to a file not there yet", o / "dangling", "KVR.EXE.orig"});
    cases.push_back({"through a linked game folder", o / "gamelink" / "BITMAPS" / "CPITHI.PCX", "BITMAPS/CPITHI.PCX"});
#endif
    for (const Named& c : cases) {
        const std::optional<std::string> found = kvr::gameFileAt(g, c.file);
        ASSERT_EQ(found.has_value(), c.gameFile.has_value()) << c.how << ": " << found.value_or("none");
        if (found) {
            EXPECT_TRUE(kvr::asciiEqualNoCase(*found, *c.gameFile)) << c.how << ": " << *found;
        }
    }

    EXPECT_EQ(kvr::gameFolderAround(g / "CIRCUITS" / "F1CT03.DAT"), g);
    EXPECT_EQ(kvr::gameFolderAround(g / "new.KVS"), g);
    EXPECT_EQ(kvr::gameFolderAround(dir / "new.KVS"), std::nullopt);
#ifndef _WIN32
    EXPECT_EQ(kvr::gameFolderAround(o / "symlink"), g) << "a link is followed";
#endif
}

} // namespace
