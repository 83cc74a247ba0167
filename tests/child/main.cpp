// SPDX-License-Identifier: GPL-3.0-or-later
// A program for the process runner's tests, doing the one thing its first argument
// names; copied under a converter's stand-in name, it plays that stand-in.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include "core/platform/command_line.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <spawn.h>
extern char** environ;
#endif

namespace {

using namespace std::chrono_literals;

// Starts `arguments` as a child that stays in our process group or job.
bool startChild(std::vector<std::string> arguments)
{
#ifdef _WIN32
    std::vector<std::wstring> words;
    for (const std::string& a : arguments)
        words.push_back(std::filesystem::path(a).wstring());
    std::wstring line = kvr::platform::windowsCommandLine(words);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return true;
#else
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    return ::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0;
#endif
}

// A stand-in converter, chosen by the name the program was copied to.
int standIn(const std::string& name, const std::vector<std::string>& args)
{
    if (name == "fails") {
        std::fputs("kvrjam: texture damaged\n", stderr);
        return 4;
    }
    if (name == "hangs")
        std::this_thread::sleep_for(30s);
    if (name == "junk")
        for (const std::string& a : args)
            if (a.starts_with("-b"))
                std::ofstream(a.substr(2)) << "junk\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
#ifdef _WIN32
    // The bytes as written, as on POSIX: no CR before each LF.
    ::_setmode(::_fileno(stderr), _O_BINARY);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::string name = std::filesystem::path(argv[0]).stem().string();
    if (name == "fails" || name == "idle" || name == "hangs" || name == "junk")
        return standIn(name, args);
    if (args.empty())
        return 2;
    if (args[0] == "echo") {
        for (std::size_t i = 1; i < args.size(); ++i)
            std::fprintf(stderr, "%s|", args[i].c_str());
        return 0;
    }
    if (args[0] == "exit" && args.size() == 2)
        return std::atoi(args[1].c_str());
    // Leaves a mark a second later, unless it is stopped first.
    if (args[0] == "mark" && args.size() == 2) {
        std::this_thread::sleep_for(1s);
        std::ofstream(args[1]) << "outlived\n";
        return 0;
    }
    // Never ends by itself, and starts a child that would leave a mark.
    if (args[0] == "linger" && args.size() == 2) {
        if (!startChild({argv[0], "mark", args[1]}))
            return 3;
        std::fputs("started", stderr);
        std::fflush(stderr);
        std::this_thread::sleep_for(600s);
        return 0;
    }
    return 2;
}
