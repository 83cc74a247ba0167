// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/install_game.h"

#include "game/demo_game.h"

namespace kvrtest {
namespace fs = std::filesystem;

Snapshot snapshot(const fs::path& dir)
{
    Snapshot s;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            s[fs::relative(e.path(), dir).generic_string()] = readFile(e.path());
    return s;
}

InstallGame::InstallGame(int version, bool copyData)
{
    const fs::path shippedData = KVR_DATA_DIR;
    kvr::makeDemoGame(game(), version, shippedData / "PLT.DAT");
    kvr::makeDemoCd(cd(), version, shippedData / "PLT.DAT");
    context.config = kvr::Configuration::forExecutable(game() / "KVR.EXE");
    context.version = version;
    context.home.stateDir = m_dir / "home";
    context.home.dataDir = shippedData;
    if (copyData) {
        context.home.dataDir = m_dir / "home" / "DATA";
        fs::create_directories(context.home.dataDir);
        fs::copy(shippedData, context.home.dataDir, fs::copy_options::recursive);
    }
}

fs::path InstallGame::shipped(const std::string& name) const { return fs::path(KVR_DATA_DIR) / name; }

} // namespace kvrtest
