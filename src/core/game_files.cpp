// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_files.h"

#include "core/errors.h"
#include "core/game_dir.h"
#include "core/platform/path_text.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <vector>

namespace kvr {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBackup = ".orig";
constexpr std::string_view kOwnPrefix = ".kvrdesk";

// The folders of a game that hold its files; "" is the game folder itself, and the
// hidden one the editor's mod list of the game.
constexpr std::array<const char*, 5> kFolders = {"", "CIRCUITS", "BITMAPS", "GAMEJAMS", ".kvrdesk-mods"};

bool endsWithNoCase(std::string_view s, std::string_view end)
{
    return s.size() >= end.size() && asciiEqualNoCase(s.substr(s.size() - end.size()), end);
}

bool isTrackFileName(std::string_view name)
{
    for (int t = 1; t <= 16; ++t) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "F1CT%02d.DAT", t);
        if (asciiEqualNoCase(name, expected))
            return true;
    }
    return false;
}

bool isGameFileName(std::string_view folder, std::string_view name)
{
    if ((folder.empty() && name.substr(0, kOwnPrefix.size()) == kOwnPrefix) || folder == ".kvrdesk-mods")
        return true;
    if (endsWithNoCase(name, kBackup))
        name.remove_suffix(kBackup.size());
    if (folder.empty())
        return asciiEqualNoCase(name, "KVR.EXE") || asciiEqualNoCase(name, "F1GSTATE.SAV");
    if (folder == "CIRCUITS")
        return isTrackFileName(name);
    if (folder == "BITMAPS")
        return asciiEqualNoCase(name, "CPITHI.PCX") || asciiEqualNoCase(name, "CPITLOW.PCX");
    return name.size() > 4 && endsWithNoCase(name, ".JAM");
}

// Where writing `file` ends up: a symlink is replaced through its target.
fs::path followLinks(const fs::path& file)
{
    std::error_code ec;
    fs::path p = fs::absolute(file, ec);
    if (ec)
        p = file;
    for (int hops = 0; hops < 40; ++hops) {
        if (!fs::is_symlink(fs::symlink_status(p, ec)))
            break;
        const fs::path target = fs::read_symlink(p, ec);
        if (ec)
            break;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return p;
}

bool sameFile(const fs::path& a, const fs::path& b)
{
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

std::string relativeName(std::string_view folder, const fs::path& name)
{
    return folder.empty() ? name.filename().string() : std::string(folder) + "/" + name.filename().string();
}

} // namespace

std::optional<std::string> gameFileAt(const fs::path& gameDir, const fs::path& file)
{
    const fs::path target = followLinks(file);
    for (const char* folder : kFolders) {
        const fs::path dir = *folder ? findInDir(gameDir, folder) : gameDir;
        std::error_code ec;
        if (!fs::is_directory(dir, ec))
            continue;
        // The same file under another name, case or link.
        for (fs::directory_iterator it(dir, ec), last; !ec && it != last; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (isGameFileName(folder, name) && sameFile(it->path(), target))
                return relativeName(folder, name);
        }
        // A file not there yet that the editor would take for one of the game's.
        if (sameFile(target.parent_path(), dir) && isGameFileName(folder, target.filename().string()))
            return relativeName(folder, target.filename());
    }
    return std::nullopt;
}

bool isGameTexture(std::string_view gameFile)
{
    constexpr std::string_view kTextures = "GAMEJAMS/";
    return gameFile.substr(0, kTextures.size()) == kTextures && !endsWithNoCase(gameFile, kBackup);
}

std::optional<fs::path> gameFolderAround(const fs::path& file)
{
    const fs::path target = followLinks(file);
    for (const fs::path& dir : {target.parent_path(), target.parent_path().parent_path()}) {
        std::error_code ec;
        if (!dir.empty() && fs::is_regular_file(findInDir(dir, "KVR.EXE"), ec))
            return dir;
    }
    return std::nullopt;
}

void guardOutputPath(const fs::path& output, std::span<const fs::path> inputs, const std::optional<fs::path>& game)
{
    const std::string name = platform::pathText(output);
    std::vector<fs::path> games;
    if (game)
        games.push_back(*game);
    if (const auto around = gameFolderAround(output))
        games.push_back(*around);
    // A link elsewhere to one of a game's files is known by the game its input came from.
    for (const fs::path& input : inputs)
        if (const auto around = gameFolderAround(input))
            games.push_back(*around);
    for (const auto& dir : games)
        if (const auto file = gameFileAt(dir, output))
            throw GeneralError("Refusing to write " + name + ": it is the game's " + *file + " (in " +
                               platform::pathText(dir) + "). Choose another output.");
    for (const fs::path& input : inputs)
        if (sameFile(output, input))
            throw GeneralError("Refusing to write " + name + ": it is " +
                               (input == output ? std::string("the input")
                                                : "the same file as the input " + platform::pathText(input)) +
                               " of this command. Choose another output.");
}

} // namespace kvr
