// Sets of files put in place together: killed at every step of a commit, a rename that
// fails half-way, a journal that cannot be trusted.
#include "core/errors.h"
#include "core/file_set.h"
#include "core/folder_lock.h"
#include "core/safe_write.h"
#include "core/set_journal.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using kvr::GameFolderLock;
using kvrtest::readFile;
using kvrtest::writeFile;

// A game folder where a set replaces two files and makes a third, whose name holds the
// bytes the journal must escape (where names may hold them).
struct SetFolder {
    kvrtest::TempDir dir;
    std::vector<fs::path> names = {"KVR.EXE", "CIRCUITS/F1CT01.DAT",
#ifdef _WIN32
                                   "GAMEJAMS/odd%name.JAM"};
#else
                                   "GAMEJAMS/odd%25\t%name.JAM"};
#endif
    std::vector<Bytes> oldBytes = {Bytes(70000, 0x11), Bytes(5000, 0x22), {}};
    std::vector<Bytes> newBytes = {Bytes(70000, 0x33), Bytes(4000, 0x44), Bytes(10, 0x55)};

    SetFolder()
    {
        fs::create_directories(dir / "GAMEJAMS");
        for (std::size_t i = 0; i < names.size(); ++i)
            if (!oldBytes[i].empty())
                writeFile(dir.path() / names[i], oldBytes[i]);
    }
    fs::path file(std::size_t i) const { return dir.path() / names[i]; }
    kvr::FileSet set() const
    {
        kvr::FileSet s;
        for (std::size_t i = 0; i < names.size(); ++i)
            s.replace(file(i), newBytes[i]);
        return s;
    }
    // One letter a file: o(ld), n(ew) or x for anything else.
    std::string state() const
    {
        std::string s;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const Bytes now = fs::exists(file(i)) ? readFile(file(i)) : Bytes{};
            s += now == oldBytes[i] ? 'o' : now == newBytes[i] ? 'n' : 'x';
        }
        return s;
    }
    // Whatever is neither a file of the game nor a whole backup.
    std::vector<std::string> leftovers() const
    {
        std::vector<std::string> left;
        for (const auto& e : fs::recursive_directory_iterator(dir.path())) {
            const std::string name = e.path().filename().string();
            if (e.is_directory())
                continue;
            bool known = false;
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (e.path() == file(i))
                    known = true;
                if (e.path() == kvr::originalCopyPath(file(i)))
                    known = readFile(e.path()) == oldBytes[i];
            }
            if (!known)
                left.push_back(name);
        }
        return left;
    }
};

#ifndef _WIN32
// Runs the commit in a child that dies before the `step`-th step of writing.
void commitKilledBefore(const SetFolder& f, int step)
{
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        int n = 0;
        kvr::setWriteStepHook([&](kvr::WriteStep) {
            if (++n == step)
                ::_exit(9);
        });
        try {
            const GameFolderLock lock(f.dir.path());
            f.set().commit(lock);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 9) << "the child ran to step " << step;
}
#endif

TEST(FileSet, KilledAtAnyStepEndsWhollyOldOrWhollyNewOnceTheNextWriterCame)
{
#ifdef _WIN32
    GTEST_SKIP() << "no fork";
#else
    int steps = 0;
    {
        SetFolder f;
        kvr::setWriteStepHook([&](kvr::WriteStep) { ++steps; });
        {
            const GameFolderLock lock(f.dir.path());
            f.set().commit(lock);
        }
        kvr::setWriteStepHook(nullptr);
        ASSERT_EQ(f.state(), "nnn");
        ASSERT_EQ(steps, 2 * 4 + 3 * 3 + 4 + 3) << "two backups, three temp files, the journal, three renames";
    }
    int finished = 0;
    for (int step = 1; step <= steps; ++step) {
        SetFolder f;
        commitKilledBefore(f, step);
        const bool journal = fs::exists(kvr::journalPath(f.dir.path()));
        {
            const GameFolderLock next(f.dir.path());
        }
        // Once the journal is in place every new file is whole on disk: the set goes in.
        EXPECT_EQ(f.state(), journal ? "nnn" : "ooo") << "killed before step " << step;
        EXPECT_EQ(f.leftovers(), std::vector<std::string>{}) << "killed before step " << step;
        finished += journal;
    }
    EXPECT_EQ(finished, 3) << "a kill before each of the three renames leaves the journal";
#endif
}

TEST(FileSet, ARenameThatFailsHalfWayIsFinishedByTheNextWriter)
{
    const struct {
        int failingRename;
        const char* stateAfter;
        bool unfinished;
    } cases[] = {{1, "ooo", false}, {2, "noo", true}, {3, "nno", true}};
    for (const auto& c : cases) {
        SetFolder f;
        int renames = 0;
        kvr::setWriteFileHook([&](kvr::WriteStep s, const fs::path& file) {
            if (s == kvr::WriteStep::Rename && file.extension() != ".orig" &&
                file.filename() != kvr::kJournalFileName && ++renames == c.failingRename)
                throw std::system_error(EIO, std::generic_category());
        });
        try {
            const GameFolderLock lock(f.dir.path());
            f.set().commit(lock);
            ADD_FAILURE() << "rename " << c.failingRename << " did not fail";
        } catch (const kvr::SetWriteFailure& e) {
            EXPECT_EQ(e.target(), f.file(std::size_t(c.failingRename - 1)));
            EXPECT_EQ(e.unfinished(), c.unfinished);
        }
        kvr::setWriteStepHook(nullptr);
        EXPECT_EQ(f.state(), c.stateAfter) << "rename " << c.failingRename;
        EXPECT_EQ(fs::exists(kvr::journalPath(f.dir.path())), c.unfinished);
        {
            const GameFolderLock next(f.dir.path());
        }
        EXPECT_EQ(f.state(), c.unfinished ? "nnn" : "ooo") << "rename " << c.failingRename;
        EXPECT_EQ(f.leftovers(), std::vector<std::string>{}) << "rename " << c.failingRename;
        if (!c.unfinished) {
            EXPECT_FALSE(fs::exists(kvr::originalCopyPath(f.file(0)))) << "no backup of a change that never came";
        }
    }
}

TEST(FileSet, AJournalThatCannotBeTrustedStopsTheNextWriterAndChangesNothing)
{
    const std::string head = "kvrdesk file set 1\n";
    const struct {
        std::string text;
        const char* says;
    } cases[] = {
        {"whatever\n", "is not a note of this program"},
        {head + "KVR.EXE\t.KVR.EXE.kvrtmp-abcdef\n", "is cut short"},
        {head + "KVR.EXE\t.KVR.EXE.kvrtmp-abcdef\nend 2\n", "is damaged"},
        {head + "KVR.EXE\t../.KVR.EXE.kvrtmp-abcdef\nend 1\n", "is damaged"},
        {head + "KVR.EXE%4\t.KVR.EXE.kvrtmp-abcdef\nend 1\n", "is damaged"},
        {head + "KVR.EXE\t.F1GSTATE.SAV.kvrtmp-abcdef\nend 1\n", "names a file that is not one of its own"},
        {head + "KVR.EXE\tKVR.EXE.orig\nend 1\n", "names a file that is not one of its own"},
    };
    for (const auto& c : cases) {
        SetFolder f;
        writeFile(f.dir / ".F1GSTATE.SAV.kvrtmp-abcdef", {1});
        writeFile(f.dir / "KVR.EXE.orig", {2});
        writeFile(kvr::journalPath(f.dir.path()), Bytes(c.text.begin(), c.text.end()));
        try {
            const GameFolderLock lock(f.dir.path());
            ADD_FAILURE() << "took the lock past " << c.text;
        } catch (const kvr::GeneralError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(kvr::journalPath(f.dir.path()).string() + " " + c.says), std::string::npos) << what;
        }
        EXPECT_EQ(f.state(), "ooo") << c.text;
        EXPECT_EQ(readFile(f.dir / "KVR.EXE.orig"), Bytes{2}) << c.text;
        EXPECT_TRUE(fs::exists(kvr::journalPath(f.dir.path()))) << "kept for the user to look at";
        EXPECT_FALSE(fs::exists(f.dir / GameFolderLock::kFileName)) << "the lock is let go";
    }
}

} // namespace
