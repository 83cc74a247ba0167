// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/folder_lock.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <optional>

#ifdef _WIN32
#include <future>
#include <thread>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {
using kvr::GameFolderLock;
using kvrtest::TempDir;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::path kLockName = GameFolderLock::kFileName;

#ifdef _WIN32
// Another holder until told to let go: a thread of ours, as the system locks per open
// handle, not per process.
class OtherWriter {
public:
    explicit OtherWriter(const fs::path& dir)
        : m_holder([this, dir] {
              GameFolderLock lock(dir);
              m_ready.set_value();
              m_release.get_future().wait();
          })
    {
        m_ready.get_future().wait();
    }
    void release()
    {
        if (!m_holder.joinable())
            return;
        m_release.set_value();
        m_holder.join();
    }
    ~OtherWriter() { release(); }

private:
    std::promise<void> m_ready;
    std::promise<void> m_release;
    std::thread m_holder;
};
#else
// A second process holds the lock until told to let go.
class OtherWriter {
public:
    explicit OtherWriter(const fs::path& dir)
    {
        if (::pipe(m_ready) != 0 || ::pipe(m_release) != 0)
            throw std::runtime_error("pipe");
        m_pid = ::fork();
        if (m_pid == 0) {
            char c = 0;
            {
                GameFolderLock lock(dir);
                (void)!::write(m_ready[1], "r", 1);
                (void)!::read(m_release[0], &c, 1);
            }
            ::_exit(0);
        }
        char c = 0;
        if (::read(m_ready[0], &c, 1) != 1)
            throw std::runtime_error("the other writer did not start");
    }
    void release()
    {
        if (m_pid <= 0)
            return;
        (void)!::write(m_release[1], "x", 1);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
    ~OtherWriter()
    {
        release();
        for (int fd : {m_ready[0], m_ready[1], m_release[0], m_release[1]})
            ::close(fd);
    }

private:
    int m_ready[2] = {-1, -1};
    int m_release[2] = {-1, -1};
    pid_t m_pid = -1;
};
#endif

TEST(GameFolderLock, ASecondWriterWaitsABoundedTimeThenFails)
{
    TempDir dir;
    OtherWriter other(dir.path());
    try {
        GameFolderLock lock(dir.path(), 100ms);
        FAIL() << "two writers held the lock";
    } catch (const kvr::GeneralError& e) {
        EXPECT_EQ(std::string(e.what()), "Another program is writing to the game in " + dir.path().string() +
                                             "; try again when it has finished.");
    }
    other.release();
    GameFolderLock lock(dir.path(), 100ms);
    EXPECT_TRUE(lock.held()) << "free once the other has finished";
}

TEST(GameFolderLock, LeavesNoFileAndTakesOverAStaleOne)
{
    TempDir dir;
    {
        GameFolderLock lock(dir.path());
        EXPECT_TRUE(fs::exists(dir / kLockName.string()));
    }
    EXPECT_TRUE(fs::is_empty(dir.path())) << "the lock file goes with the lock";

    // A killed writer leaves its lock file, unlocked.
    kvrtest::writeFile(dir / kLockName.string(), {});
    {
        GameFolderLock lock(dir.path(), 100ms);
        EXPECT_TRUE(lock.held());
    }
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(GameFolderLock, TheHolderRemovesTempFilesAKilledWriteLeft)
{
    TempDir dir;
    const std::vector<std::string> stale = {".KVR.EXE.kvrtmp-a1b2c3", "circuits/.F1CT01.DAT.kvrtmp-Zz9Yy8",
                                            "GAMEJAMS/.HELMETS.JAM.kvrtmp-000000", "Bitmaps/.CPITHI.PCX.kvrtmp-qwerty",
                                            ".KVR.EXE.orig.kvrtmp-abcdef"};
    const std::vector<std::string> kept = {"KVR.EXE", "KVR.EXE.orig", "circuits/F1CT01.DAT", "notes.kvrtmp-abcdef"};
    for (const auto& name : stale)
        kvrtest::writeFile(dir / name, {1});
    for (const auto& name : kept)
        kvrtest::writeFile(dir / name, {1});
    {
        GameFolderLock lock(dir.path());
    }
    for (const auto& name : stale)
        EXPECT_FALSE(fs::exists(dir / name)) << name;
    for (const auto& name : kept)
        EXPECT_TRUE(fs::exists(dir / name)) << name;
}

TEST(GameFolderLock, GuardsTheFolderHoldingTheGame)
{
    TempDir dir;
    kvrtest::writeFile(dir / "kvr.exe", {1});
    kvrtest::writeFile(dir / "CIRCUITS" / "F1CT01.DAT", {1});
    kvrtest::writeFile(dir / "a" / "b" / "S.SAV", {1});
    EXPECT_EQ(kvr::gameFolderOf(dir / "F1GSTATE.SAV"), dir.path());
    EXPECT_EQ(kvr::gameFolderOf(dir / "CIRCUITS" / "F1CT01.DAT"), dir.path());
    EXPECT_EQ(kvr::gameFolderOf(dir / "a" / "b" / "S.SAV"), dir / "a" / "b") << "no game near: its own folder";
}

// A reader finishes the set a killed writer left, as the next writer would, before it
// reads; where it cannot, it refuses and says why. With nothing pending it takes no lock,
// so a game the user may only read (or one another writer holds) can still be read.
TEST(GameFolderLock, AReaderFinishesAHalfDoneSetFirstOrSaysWhyItCannot)
{
    const std::string set = "kvrdesk file set 1\nKVR.EXE\t.KVR.EXE.kvrtmp-abcdef\n"
                            "F1GSTATE.SAV\t.F1GSTATE.SAV.kvrtmp-abcdef\nend 2\n";
    const std::string outside = "kvrdesk file set 1\n../F1GSTATE.SAV\t.F1GSTATE.SAV.kvrtmp-abcdef\nend 1\n";
    enum class Lock { Free, HeldByAnother, AFolder };
    const std::string notRead = "The game in %1 is not read: the last change of its files was cut short "
                                "(.kvrdesk.journal is there), and it cannot be finished now, so the files may be "
                                "part old, part new. ";
    const struct {
        const char* what;
        std::string journal; // empty: none
        Lock lock;
        const char* state; // KVR.EXE, F1GSTATE.SAV: o(ld) or n(ew) afterwards
        std::string says;  // %1 the game folder, %2 the journal, %3 ../F1GSTATE.SAV; empty: nothing refused
    } cases[] = {
        {"nothing pending", "", Lock::Free, "no", ""},
        {"nothing pending, another writer at work", "", Lock::HeldByAnother, "no", ""},
        {"nothing pending, no lock to be had", "", Lock::AFolder, "no", ""},
        {"a set half put in place", set, Lock::Free, "nn", ""},
        {"a set half put in place, another writer at work", set, Lock::HeldByAnother, "no",
         notRead + "Another program is writing to the game in %1; try again when it has finished."},
        {"a set half put in place, no lock to be had", set, Lock::AFolder, "no",
         notRead + "Cannot write to the game in %1: its lock file .kvrdesk.lock is "},
        {"a journal naming a file outside", outside, Lock::Free, "no",
         "The game in %1 is not read, as its files may be part old, part new. Cannot finish the last change of the "
         "game: %2 names a file outside the game folder: %3."},
    };
    for (const auto& c : cases) {
        TempDir dir;
        std::optional<OtherWriter> other;
        if (c.lock == Lock::HeldByAnother)
            other.emplace(dir.path());
        // Killed between the renames: KVR.EXE is new already, F1GSTATE.SAV still staged.
        kvrtest::writeFile(dir / "KVR.EXE", {'n'});
        kvrtest::writeFile(dir / "F1GSTATE.SAV", {'o'});
        kvrtest::writeFile(dir / ".F1GSTATE.SAV.kvrtmp-abcdef", {'n'});
        if (!c.journal.empty())
            kvrtest::writeFile(dir / ".kvrdesk.journal", std::vector<std::uint8_t>(c.journal.begin(), c.journal.end()));
        if (c.lock == Lock::AFolder)
            fs::create_directory(dir / kLockName);
        std::string said;
        try {
            kvr::finishBeforeReading(dir.path());
        } catch (const kvr::UnfinishedSetError& e) {
            said = e.what();
        }
        std::string says = c.says;
        const std::string fills[] = {dir.path().string(), (dir / ".kvrdesk.journal").string(),
                                     (dir / "../F1GSTATE.SAV").string()};
        for (int n = 0; n < 3; ++n)
            for (std::size_t at; (at = says.find("%" + std::to_string(n + 1))) != std::string::npos;)
                says.replace(at, 2, fills[n]);
        EXPECT_EQ(said.substr(0, says.size()), says) << c.what;
        EXPECT_EQ(said.empty(), says.empty()) << c.what;
        other.reset();
        const std::string state = {char(kvrtest::readFile(dir / "KVR.EXE").at(0)),
                                   char(kvrtest::readFile(dir / "F1GSTATE.SAV").at(0))};
        EXPECT_EQ(state, c.state) << c.what;
        const bool finished = !c.journal.empty() && says.empty();
        EXPECT_EQ(fs::exists(dir / ".kvrdesk.journal"), !c.journal.empty() && !finished) << c.what;
        EXPECT_EQ(fs::exists(dir / ".F1GSTATE.SAV.kvrtmp-abcdef"), !finished) << c.what << ": untouched";
        EXPECT_EQ(fs::exists(dir / kLockName), c.lock == Lock::AFolder) << c.what << ": no lock file made or left";
    }
}

} // namespace
