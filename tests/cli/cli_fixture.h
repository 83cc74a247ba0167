// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/tuning/patch_list.h"
#include "support/install_game.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kvrtest {
namespace fs = std::filesystem;

class Cli : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(home() / "DATA");
        kvr::writePatchList(home() / "DATA" / "PLT.DAT", kvr::defaultPatchList());
    }
    fs::path home() const { return m_dir / "home"; }
    fs::path game() const { return m_dir / "game"; }
    fs::path file(const std::string& name) const { return m_dir / name; }
    fs::path textFile(const std::string& name, const std::string& text) const
    {
        writeFile(file(name), std::vector<std::uint8_t>(text.begin(), text.end()));
        return file(name);
    }
    kvrtest::RunResult cli(std::vector<std::string> args, const RunOptions& options = {})
    {
        args.insert(args.begin(), KVR_CLI);
        return run(args, options);
    }
    void makeGame(const std::string& language = "0")
    {
        const auto r = cli({"demo-game", game().string(), "--language", language, "--home", home().string()});
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }

    TempDir m_dir;
};

} // namespace kvrtest
