#include "core/system_process_runner.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

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
    ::sleep(2);
    EXPECT_FALSE(fs::exists(mark)) << "the program's own child outlived the stop";
}

} // namespace
