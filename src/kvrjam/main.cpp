// SPDX-License-Identifier: GPL-3.0-or-later
// kvrjam: converts between the game's texture files and 8-bit bitmaps for the editor.
#include "core/platform/native_file.h"
#include "core/platform/program_arguments.h"
#include "textures/jam_convert.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

constexpr int kConversionFailed = 1;
constexpr int kWrongUsage = 2;

int fail(const char* what, int code)
{
    std::fprintf(stderr, "kvrjam: %s\n", what);
    return code;
}

} // namespace

int main(int argc, char** argv)
{
    kvr::platform::useUntranslatedStandardStreams();
    kvr::JamCommand command;
    try {
        const std::vector<std::string> arguments = kvr::platform::programArguments(argc, argv);
        command = kvr::parseJamCommand(std::span(arguments).subspan(arguments.empty() ? 0 : 1));
    } catch (const std::exception& e) {
        return fail(e.what(), kWrongUsage);
    }
    try {
        switch (command.kind) {
        case kvr::JamCommand::Kind::Help:
            std::fputs(kvr::jamUsage().c_str(), stdout);
            break;
        case kvr::JamCommand::Kind::Version:
            std::fputs("kvrjam " KVR_VERSION "\n", stdout);
            break;
        case kvr::JamCommand::Kind::JamToBitmap:
            kvr::convertJamToBitmap(command.jam, command.bitmap);
            break;
        case kvr::JamCommand::Kind::BitmapToJam:
            kvr::convertBitmapToJam(command.bitmap, command.jam);
            break;
        }
        return 0;
    } catch (const std::exception& e) {
        return fail(e.what(), kConversionFailed);
    }
}
