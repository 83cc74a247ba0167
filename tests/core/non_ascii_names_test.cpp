// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/configuration.h"
#include "core/folder_lock.h"
#include "core/game_file.h"
#include "core/input_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using kvrtest::readFile;

// A game in a folder named beyond ASCII: located, locked, written with its backup,
// read back and kept in kvrdesk.set, every step reaching the same files.
TEST(NonAsciiNames, AGameInSuchAFolderIsFoundWrittenAndRemembered)
{
    kvrtest::TempDir dir;
    const fs::path game = dir.path() / fs::path(u8"Spiele Müller 日本");
    kvrtest::writeFile(game / "KVR.EXE", {1, 2, 3});

    const kvr::Configuration config = kvr::Configuration::forExecutable(game / "KVR.EXE");
    EXPECT_EQ(config.executable(), game / "KVR.EXE");
    EXPECT_EQ(config.gameDir() / "KVR.EXE", game / "KVR.EXE");
    {
        const kvr::GameFolderLock lock(config.gameDir());
        EXPECT_TRUE(lock.held());
        kvr::GameFile exe = kvr::GameFile::open(config.executable());
        exe.writeByte(9);
        exe.commit();
    }
    EXPECT_EQ(readFile(game / "KVR.EXE"), (Bytes{9, 2, 3}));
    EXPECT_EQ(readFile(game / "KVR.EXE.orig"), (Bytes{1, 2, 3}));
    EXPECT_EQ(kvr::readInputFile(game / "KVR.EXE", 10), (Bytes{9, 2, 3}));

    ASSERT_TRUE(kvr::writeConfiguration(game / "kvrdesk.set", config));
    const auto back = kvr::readConfiguration(game / "kvrdesk.set");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->executable(), game / "KVR.EXE");

    std::vector<fs::path> names;
    for (const auto& e : fs::directory_iterator(game))
        names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<fs::path>{"KVR.EXE", "KVR.EXE.orig", "kvrdesk.set"})) << "no lock or temp file left";
}

} // namespace
