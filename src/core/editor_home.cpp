// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editor_home.h"

#include "core/game_dir.h"
#include "core/platform/program_place.h"

namespace kvr {
namespace fs = std::filesystem;

fs::path EditorHome::data(std::string_view name) const { return findInDir(dataDir, name); }

EditorHome EditorHome::inFolder(const fs::path& root)
{
    return EditorHome{findInDir(root, "DATA"), root};
}

EditorHome EditorHome::forProgram(const fs::path& programPath)
{
    EditorHome home;
    const fs::path bin = programPath.parent_path();
    home.dataDir = (bin / ".." / "share" / "kvrdesk" / "DATA").lexically_normal();
    if (const fs::path settings = platform::userSettingsFolder(); !settings.empty())
        home.stateDir = settings / "kvrdesk";
    if (home.stateDir.empty())
        home.stateDir = bin;
    return home;
}

fs::path runningProgram(const char* argv0)
{
    if (fs::path self = platform::runningProgramFile(); !self.empty())
        return self;
    std::error_code ec;
    return fs::absolute(argv0 ? fs::path(argv0) : fs::path(), ec);
}

} // namespace kvr
