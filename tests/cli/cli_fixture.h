#pragma once

#include "editors/tuning/patch_list.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kvrtest {
namespace fs = std::filesystem;

// Every regular file below `dir` with its bytes.
inline std::map<std::string, std::vector<std::uint8_t>> snapshot(const fs::path& dir)
{
    std::map<std::string, std::vector<std::uint8_t>> s;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            s[fs::relative(e.path(), dir).string()] = readFile(e.path());
    return s;
}

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
