#include "core/editor_home.h"

#include "core/game_dir.h"

#include <cstdlib>

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
#ifdef _WIN32
    if (const char* appData = std::getenv("APPDATA"))
        home.stateDir = fs::path(appData) / "kvrdesk";
#else
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        home.stateDir = fs::path(xdg) / "kvrdesk";
    else if (const char* h = std::getenv("HOME"); h && *h)
        home.stateDir = fs::path(h) / ".config" / "kvrdesk";
#endif
    if (home.stateDir.empty())
        home.stateDir = bin;
    return home;
}

fs::path runningProgram(const char* argv0)
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return self;
    return fs::absolute(argv0 ? fs::path(argv0) : fs::path(), ec);
}

} // namespace kvr
