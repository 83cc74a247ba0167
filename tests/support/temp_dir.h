// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kvrtest {

// A fresh folder for one test, removed afterwards.
class TempDir {
public:
    TempDir();
    explicit TempDir(const std::filesystem::path& parent);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// A folder in memory (/dev/shm) when it has `needed` bytes free, else the temp folder:
// for tests that write game files many times and care for kills, not for power cuts.
std::filesystem::path memoryBackedFolder(std::uint64_t needed);

std::vector<std::uint8_t> readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// Runs a program with arguments (no shell); returns its exit code and output.
struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};
struct RunOptions {
    std::filesystem::path stdoutTo; // instead of capturing it, e.g. /dev/full
    bool asNobody = false;          // drop root's rights first (user and group 65534)
    int killAfterSeconds = 60;      // a hang fails the test instead of stalling it
    std::uint64_t fileSizeLimit = 0; // POSIX: no file may grow beyond it, as on a full disk
};
RunResult run(const std::vector<std::string>& argv, const RunOptions& options = {});

// Sets the environment variable `name`, or removes it when `value` is null.
void setEnvironment(const char* name, const char* value);

// The user a root test run hands files to so that permissions apply.
inline constexpr unsigned kNobody = 65534;

} // namespace kvrtest
