// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/temp_dir.h"

#include "core/platform/command_line.h"

#include <random>
#include <stdexcept>
#include <string>
#include <windows.h>

namespace kvrtest {
namespace fs = std::filesystem;

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE openInherited(const fs::path& file, DWORD access, DWORD disposition)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const HANDLE h = ::CreateFileW(file.c_str(), access, kShareAll, &inherit, disposition, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot open " + file.string());
    return h;
}

std::string slurp(const fs::path& file)
{
    const auto bytes = readFile(file);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

TempDir::TempDir(const fs::path& parent)
{
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = parent / ("kvrtest-" + std::to_string(random() % 1000000000u));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

void setEnvironment(const char* name, const char* value) { ::_putenv_s(name, value ? value : ""); }

fs::path memoryBackedFolder(std::uint64_t) { return fs::temp_directory_path(); }

RunResult run(const std::vector<std::string>& argv, const RunOptions& options)
{
    if (options.asNobody)
        throw std::runtime_error("running as another user is POSIX only");
    TempDir scratch;
    const fs::path outFile = options.stdoutTo.empty() ? scratch / "out" : options.stdoutTo;
    const fs::path errFile = scratch / "err";
    const HANDLE out = openInherited(outFile, GENERIC_WRITE, CREATE_ALWAYS);
    const HANDLE err = openInherited(errFile, GENERIC_WRITE, CREATE_ALWAYS);
    const HANDLE in = openInherited("NUL", GENERIC_READ, OPEN_EXISTING);

    std::vector<std::wstring> words;
    for (const std::string& a : argv)
        words.push_back(fs::path(a).wstring());
    std::wstring line = kvr::platform::windowsCommandLine(words);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION info{};
    // Wine now and then fails to start a program that starts on the next try; a program
    // that truly cannot start fails every time.
    BOOL started = FALSE;
    DWORD why = 0;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        if (attempt > 0)
            ::Sleep(500);
        started = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info);
        if (!started)
            why = ::GetLastError();
    }
    ::CloseHandle(out);
    ::CloseHandle(err);
    ::CloseHandle(in);
    if (!started)
        throw std::runtime_error("cannot start " + argv.front() + " (error " + std::to_string(why) + ")");
    RunResult r;
    // A hang fails the test instead of stalling it.
    if (::WaitForSingleObject(info.hProcess, DWORD(options.killAfterSeconds) * 1000) != WAIT_OBJECT_0) {
        ::TerminateProcess(info.hProcess, 137);
        ::WaitForSingleObject(info.hProcess, INFINITE);
    }
    DWORD code = 0;
    ::GetExitCodeProcess(info.hProcess, &code);
    r.exitCode = int(code);
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    if (options.stdoutTo.empty())
        r.out = slurp(outFile);
    r.err = slurp(errFile);
    return r;
}

} // namespace kvrtest
