// SPDX-License-Identifier: GPL-3.0-or-later
// Sets of files put in place together: killed at every step of a commit, a rename that
// fails half-way, a journal that cannot be trusted.
#include "core/errors.h"
#include "core/file_set.h"
#include "core/folder_lock.h"
#include "core/safe_write.h"
#include "core/set_journal.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <map>
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

// Everything below `dir`, links told apart from what they point to.
std::map<std::string, std::string> tree(const fs::path& dir)
{
    std::map<std::string, std::string> t;
    for (auto it = fs::recursive_directory_iterator(dir); it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = fs::relative(it->path(), dir).generic_string();
        if (it->is_symlink()) {
            t[name] = "link to " + fs::read_symlink(it->path()).generic_string();
        } else if (it->is_regular_file()) {
            const Bytes b = readFile(it->path());
            t[name] = std::string(b.begin(), b.end());
        } else {
            t[name] = "folder";
        }
    }
    return t;
}

void writeText(const fs::path& file, const std::string& text)
{
    writeFile(file, Bytes(text.begin(), text.end()));
}

// A journal is a note anyone may leave in a game folder (a shared mod may carry one): the
// next writer finishes it only while it names the game's own files by the names the
// editor writes, in the game's folders; anything else stops it with nothing changed,
// inside the game or outside it.
TEST(FileSet, AJournalMayNameOnlyTheGamesOwnFilesAndStopsTheNextWriterOtherwise)
{
    const std::string head = "kvrdesk file set 1\n";
    const std::string temp = ".kvrtmp-abcdef";
    kvrtest::TempDir root;
    const fs::path game = root / "game";
    const fs::path other = root / "other";
    const struct {
        std::string journal;
        std::function<void()> setup; // links, where a case needs them
        std::string says;            // empty: the set is finished
        std::vector<std::string> madeNew;
    } cases[] = {
        {head + "KVR.EXE\t.KVR.EXE" + temp + "\nCIRCUITS/F1CT01.DAT\t.F1CT01.DAT" + temp + "\nend 2\n",
         {},
         "",
         {"game/KVR.EXE", "game/CIRCUITS/F1CT01.DAT"}},
        {head + "CIRCUITS/F1CT01.DAT\t.F1CT01.DAT" + temp + "\nend 1\n",
         [&] {
             fs::rename(game / "CIRCUITS", game / "tracks");
             fs::create_directory_symlink("tracks", game / "CIRCUITS");
         },
         "",
         {"game/tracks/F1CT01.DAT"}},
        {"whatever\n", {}, "is not a note of this program", {}},
        {head + "KVR.EXE\t.KVR.EXE" + temp + "\n", {}, "is cut short", {}},
        {head + "KVR.EXE\t.KVR.EXE" + temp + "\nend 2\n", {}, "is damaged", {}},
        {head + "KVR.EXE\t../.KVR.EXE" + temp + "\nend 1\n", {}, "is damaged", {}},
        {head + "KVR.EXE%4\t.KVR.EXE" + temp + "\nend 1\n", {}, "is damaged", {}},
        {head + "KVR.EXE\t.F1GSTATE.SAV" + temp + "\nend 1\n", {}, "names a file that is not one of its own", {}},
        {head + "KVR.EXE\tKVR.EXE.orig\nend 1\n", {}, "names a file that is not one of its own", {}},
        {head + "../other/notes.txt\t.notes.txt" + temp + "\nend 1\n",
         {},
         "names a file outside the game folder: " + (game / "../other/notes.txt").string(),
         {}},
        {head + (other / "notes.txt").generic_string() + "\t.notes.txt" + temp + "\nend 1\n",
         {},
         "names a file outside the game folder: " + (other / "notes.txt").generic_string(),
         {}},
        {head + "CIRCUITS/../../other/notes.txt\t.notes.txt" + temp + "\nend 1\n",
         {},
         "names a file outside the game folder",
         {}},
        {head + "KVR.EXE\t.KVR.EXE" + temp + "\n../other/notes.txt\t.notes.txt" + temp + "\nend 2\n",
         {},
         "names a file outside the game folder",
         {}},
        {head + "GAMEJAMS/CAR.JAM\t.CAR.JAM" + temp + "\nend 1\n",
         [&] {
             fs::remove_all(game / "GAMEJAMS");
             fs::create_directory_symlink("../other", game / "GAMEJAMS");
         },
         "names a file through a link out of the game folder: " + (game / "GAMEJAMS/CAR.JAM").string(),
         {}},
        {head + "linked/notes.txt\t.notes.txt" + temp + "\nend 1\n",
         [&] { fs::create_directory_symlink("../other", game / "linked"); },
         "names a file that no change of the game writes: " + (game / "linked/notes.txt").string(),
         {}},
        {head + "F1GSTATE.SAV\t.F1GSTATE.SAV" + temp + "\nend 1\n",
         [&] {
             fs::remove(game / "F1GSTATE.SAV");
             fs::create_symlink("../other/notes.txt", game / "F1GSTATE.SAV");
         },
         "names a link, not a file: " + (game / "F1GSTATE.SAV").string(),
         {}},
        {head + "KVR.EXE.orig\t.KVR.EXE.orig" + temp + "\nend 1\n",
         {},
         "names a file that no change of the game writes: " + (game / "KVR.EXE.orig").string(),
         {}},
        {head + ".kvrdesk.lock\t..kvrdesk.lock" + temp + "\nend 1\n",
         {},
         "names a file that no change of the game writes",
         {}},
        {head + ".kvrdesk.journal\t..kvrdesk.journal" + temp + "\nend 1\n",
         {},
         "names a file that no change of the game writes",
         {}},
        {head + "CIRCUITS/F1CT17.DAT\t.F1CT17.DAT" + temp + "\nend 1\n",
         {},
         "names a file that no change of the game writes",
         {}},
    };
    for (const auto& c : cases) {
#ifdef _WIN32
        if (c.setup)
            continue; // links need privileges on Windows
#endif
        fs::remove_all(game);
        fs::remove_all(other);
        fs::create_directories(game / "CIRCUITS");
        fs::create_directories(game / "GAMEJAMS");
        fs::create_directories(other);
        for (const char* name : {"KVR.EXE", "F1GSTATE.SAV", "KVR.EXE.orig", "CIRCUITS/F1CT01.DAT", "GAMEJAMS/CAR.JAM"})
            writeText(game / name, std::string("old ") + name);
        writeText(other / "notes.txt", "notes");
        writeText(other / "CAR.JAM", "a texture of another game");
        for (const fs::path& stale :
             {game / ".KVR.EXE", game / ".F1GSTATE.SAV", game / ".KVR.EXE.orig", game / "..kvrdesk.lock",
              game / "..kvrdesk.journal", game / "CIRCUITS/.F1CT01.DAT", game / "CIRCUITS/.F1CT17.DAT",
              other / ".notes.txt", other / ".CAR.JAM"})
            writeText(stale.string() + temp, "new");
        if (c.setup)
            c.setup();
        writeText(kvr::journalPath(game), c.journal);
        const auto before = tree(root.path());
        try {
            const GameFolderLock lock(game);
            EXPECT_TRUE(c.says.empty()) << "took the lock past " << c.journal;
        } catch (const kvr::GeneralError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(kvr::journalPath(game).string() + " " + c.says), std::string::npos)
                << c.journal << " says " << what;
        }
        const auto after = tree(root.path());
        if (!c.says.empty()) {
            EXPECT_TRUE(after == before) << "something changed past " << c.journal;
            continue;
        }
        for (const auto& [name, content] : before) {
            const bool isNew = std::find(c.madeNew.begin(), c.madeNew.end(), name) != c.madeNew.end();
            if (name.starts_with("other/") || name == "game/KVR.EXE.orig" || isNew) {
                EXPECT_EQ(after.count(name) ? after.at(name) : "gone", isNew ? "new" : content) << name;
            }
        }
        EXPECT_FALSE(fs::exists(kvr::journalPath(game))) << c.journal;
    }
}

// What the next writer would refuse is never begun: a set whose file is a link out of the
// game is stopped before its first byte.
TEST(FileSet, ASetWithAFileOutsideTheGameIsNotBegun)
{
#ifdef _WIN32
    GTEST_SKIP() << "links need privileges on Windows";
#else
    kvrtest::TempDir root;
    fs::create_directories(root / "game");
    fs::create_directories(root / "other");
    writeText(root / "other" / "KVR.EXE", "old exe");
    writeText(root / "game" / "F1GSTATE.SAV", "old state");
    fs::create_symlink("../other/KVR.EXE", root / "game" / "KVR.EXE");
    const auto before = tree(root.path());
    kvr::FileSet set;
    set.replace(root / "game" / "KVR.EXE", {1});
    set.replace(root / "game" / "F1GSTATE.SAV", {2});
    try {
        const GameFolderLock lock(root / "game");
        set.commit(lock);
        ADD_FAILURE() << "a set went out of the game";
    } catch (const kvr::SetWriteFailure& e) {
        EXPECT_NE(std::string(e.what()).find((root / "other" / "KVR.EXE").string() + " cannot be replaced together"),
                  std::string::npos)
            << e.what();
        EXPECT_FALSE(e.unfinished());
    }
    EXPECT_TRUE(tree(root.path()) == before);
#endif
}

} // namespace
