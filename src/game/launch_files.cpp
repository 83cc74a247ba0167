// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/launch_files.h"

#include "core/errors.h"
#include "core/game_dir.h"
#include "core/platform/path_text.h"
#include "core/tr_marker.h"

namespace kvr {
namespace fs = std::filesystem;

namespace {

bool endsWithNoCase(const std::string& name, std::string_view ending)
{
    return name.size() >= ending.size() &&
           asciiEqualNoCase(std::string_view(name).substr(name.size() - ending.size()), ending);
}

} // namespace

LaunchRequest sortLaunchArguments(const std::vector<fs::path>& arguments)
{
    LaunchRequest request;
    for (const fs::path& argument : arguments) {
        const std::string name = platform::pathText(argument.filename());
        std::error_code ec;
        std::optional<fs::path> game;
        if (fs::is_directory(argument, ec))
            game = argument;
        else if (asciiEqualNoCase(name, "KVR.EXE"))
            game = argument.has_parent_path() ? argument.parent_path() : fs::path(".");
        else if (endsWithNoCase(name, ".kvs"))
            request.files.push_back({LaunchFile::Kind::SettingsFile, argument});
        else if (endsWithNoCase(name, ".kvpatch"))
            request.files.push_back({LaunchFile::Kind::Patch, argument});
        else if (!fs::exists(argument, ec))
            throw GeneralError(
                fillIn(KVR_TR_NOOP("Messages", "There is no file or folder %1."), {platform::pathText(argument)}));
        else
            throw GeneralError(fillIn(KVR_TR_NOOP("Messages", "kvrdesk opens a game folder or its KVR.EXE, "
                                                              "settings files (*.KVS) and patches (*.kvpatch), "
                                                              "not %1."),
                                      {platform::pathText(argument)}));
        if (!game)
            continue;
        if (request.gameDir)
            throw GeneralError(fillIn(KVR_TR_NOOP("Messages", "kvrdesk opens one game at a time, not both %1 and %2."),
                                      {platform::pathText(*request.gameDir), platform::pathText(*game)}));
        request.gameDir = *game;
    }
    return request;
}

} // namespace kvr
