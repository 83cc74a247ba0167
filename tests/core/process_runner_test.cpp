// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system_process_runner.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

kvr::ProcessResult child(std::vector<std::string> args, std::chrono::milliseconds bound = 10s)
{
    return kvr::SystemProcessRunner().run(KVR_TEST_CHILD, args, bound);
}

// Whatever quoting the system's program start needs, every argument arrives as given.
TEST(SystemProcessRunner, ArgumentsArriveWholeAndEndedProgramsTellTheirExitCode)
{
    const std::vector<std::string> args = {"echo",       "a b \"c\" 'd'; $(x) `y` | z & w", "",    "-y",
                                           "C:\\dir\\",  "\\\"",                            "a\\\\b", "tab\tand\nline",
                                           "\"\"",       "%PATH%"};
    const auto r = child(args);
    ASSERT_TRUE(r.succeeded()) << r.startError << r.errorOutput;
    std::string expected;
    for (std::size_t i = 1; i < args.size(); ++i)
        expected += args[i] + "|";
    EXPECT_EQ(r.errorOutput, expected);

    const auto failed = child({"exit", "7"});
    EXPECT_TRUE(failed.started);
    EXPECT_EQ(failed.exitCode, 7);
    EXPECT_FALSE(failed.succeeded());
}

TEST(SystemProcessRunner, AProgramInAFolderNamedBeyondAsciiStarts)
{
    kvrtest::TempDir dir;
    const fs::path folder = dir.path() / fs::path(u8"Programme Ü 日本");
    fs::create_directories(folder);
    const fs::path program = folder / fs::path(KVR_TEST_CHILD).filename();
    fs::copy_file(KVR_TEST_CHILD, program);
    const auto r = kvr::SystemProcessRunner().run(program, {"echo", "ok"}, 10s);
    ASSERT_TRUE(r.succeeded()) << r.startError << r.errorOutput;
    EXPECT_EQ(r.errorOutput, "ok|");
}

TEST(SystemProcessRunner, AMissingProgramDoesNotStart)
{
    kvrtest::TempDir dir;
    const auto r = kvr::SystemProcessRunner().run(dir / "missing", {}, 10s);
    EXPECT_FALSE(r.started);
    EXPECT_FALSE(r.startError.empty());
    EXPECT_FALSE(r.succeeded());
}

TEST(SystemProcessRunner, AProgramStoppedAtTheBoundTakesWhatItStartedWithIt)
{
    kvrtest::TempDir dir;
    const fs::path mark = dir / "still running";
    const auto r = child({"linger", mark.string()}, 500ms);
    EXPECT_TRUE(r.started);
    EXPECT_TRUE(r.stoppedAtBound);
    EXPECT_FALSE(r.succeeded());
    EXPECT_EQ(r.errorOutput, "started");
    std::this_thread::sleep_for(2s);
    EXPECT_FALSE(fs::exists(mark)) << "the program's own child outlived the stop";
}

#ifndef _WIN32
kvr::ProcessResult shell(const std::string& script, std::vector<std::string> args = {},
                         std::chrono::milliseconds bound = 10s)
{
    args.insert(args.begin(), {"-c", script, "sh"});
    return kvr::SystemProcessRunner().run("/bin/sh", args, bound);
}

TEST(SystemProcessRunner, ArgumentsArriveWholeAndNoShellReadsThem)
{
    kvrtest::TempDir dir;
    const std::string tricky = "a b \"c\" 'd'; touch " + (dir / "pwned").string() + " $(touch x) `y` | z";
    const auto r = shell("printf '%s|' \"$@\" >&2", {tricky, "", "-y"});
    ASSERT_TRUE(r.succeeded()) << r.startError << r.errorOutput;
    EXPECT_EQ(r.errorOutput, tricky + "||-y|");
    EXPECT_FALSE(fs::exists(dir / "pwned"));
}

TEST(SystemProcessRunner, AProgramEndedByASignalHasNotSucceeded)
{
    const auto killed = shell("kill -SEGV $$");
    EXPECT_EQ(killed.signal, SIGSEGV);
    EXPECT_FALSE(killed.succeeded());
}

TEST(SystemProcessRunner, AProgramThatNeverEndsIsStoppedAtTheBoundWithWhatItStarted)
{
    kvrtest::TempDir dir;
    const fs::path mark = dir / "still running";
    // The child it starts would leave a mark if it outlived the stop.
    const auto r = shell("(sleep 1; touch \"$1\") & echo started >&2; wait", {mark.string()}, 300ms);
    EXPECT_TRUE(r.started);
    EXPECT_TRUE(r.stoppedAtBound);
    EXPECT_FALSE(r.succeeded());
    EXPECT_EQ(r.errorOutput, "started\n");
    std::this_thread::sleep_for(2s);
    EXPECT_FALSE(fs::exists(mark)) << "the program's own child outlived the stop";
}

#endif

} // namespace
