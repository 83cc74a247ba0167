// SPDX-License-Identifier: GPL-3.0-or-later
// kvrdesk-cli tried as a hostile or unlucky user would: odd inputs and outputs, full
// disks, two writers, kills in the middle of an export.
#include "cli/cli_fixture.h"
#include "core/configuration.h"
#include "core/editor_home.h"
#include "core/folder_lock.h"
#include "core/game_file.h"
#include "core/positions.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "editors/track/track_data.h"
#include "game/game_context.h"
#include "game/startup_load.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <deque>
#include <fcntl.h>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <set>
#ifdef __linux__
#include <poll.h>
#include <sys/inotify.h>
#endif
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {
namespace fs = std::filesystem;
namespace rec = kvr::rec;
using kvrtest::Cli;
using kvrtest::readFile;
using kvrtest::run;
using kvrtest::RunOptions;
using kvrtest::snapshot;
using kvrtest::writeFile;
using Bytes = std::vector<std::uint8_t>;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

[[maybe_unused]] RunOptions stdoutTo(const fs::path& file)
{
    RunOptions o;
    o.stdoutTo = file;
    return o;
}

class Hardening : public Cli {
protected:
    // A game and a settings file that differs from it in every kind of game file.
    void makeGameAndChangedRecord() { makeGameAndChangedRecord(game()); }
    void makeGameAndChangedRecord(const fs::path& gameDir)
    {
        const auto demo = cli({"demo-game", gameDir.string(), "--home", home().string()});
        ASSERT_EQ(demo.exitCode, 0) << demo.err;
        const auto imp = cli({"import", "--game", gameDir.string(), "-o", file("a.KVS").string(), "--home",
                              home().string()});
        ASSERT_EQ(imp.exitCode, 0) << imp.err;
        kvr::SettingsRecord r;
        ASSERT_TRUE(kvr::readSettingsFile(file("a.KVS"), r));
        r.setShortString(rec::driverName(1), rec::kDriverNameChars, "Changed Driver");
        for (int car = 1; car <= rec::kDrivers; ++car)
            r.setWord(rec::gripRace(car), std::uint16_t(15000 + car));
        r.setWord(rec::enginePowerQualifying(2), std::uint16_t(r.word(rec::enginePowerQualifying(2)) + 11));
        for (int t = 0; t < rec::kTracks; ++t) {
            kvr::TrackSetup s = kvr::trackSetup(r, t);
            s.frontWing = std::uint8_t(s.frontWing + 3);
            s.fuelConsumption = std::uint16_t(s.fuelConsumption + 7);
            kvr::setTrackSetup(r, t, s);
        }
        ASSERT_TRUE(kvr::writeSettingsFile(file("b.KVS"), r));
    }
    std::vector<std::string> exportArgs(const fs::path& gameDir) const
    {
        return {KVR_CLI, "export", "--game", gameDir.string(), "-i", file("b.KVS").string(), "--home",
                home().string()};
    }
};

TEST_F(Hardening, FromJsonRefusesOffsetsOutsideTheRecord)
{
    kvr::SettingsRecord r;
    ASSERT_TRUE(kvr::writeSettingsFile(file("r.KVS"), r));
    const auto json = cli({"to-json", file("r.KVS").string()});
    ASSERT_EQ(json.exitCode, 0);
    const std::string body = json.out.substr(0, json.out.rfind('}'));
    for (const char* key : {"-1", "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFE", "0xB1E", "B1E", "+1", " 1", "1 ", "0x",
                            "", "1g", "0x-1"}) {
        const std::string text = body + ", \"raw_bytes\": {\"" + key + "\": \"4142\"}}";
        writeFile(file("r.json"), Bytes(text.begin(), text.end()));
        const auto back = cli({"from-json", file("r.json").string(), "-o", file("x.KVS").string()});
        EXPECT_EQ(back.exitCode, 3) << "key \"" << key << "\": " << back.err;
        EXPECT_TRUE(contains(back.err, "bad offset")) << key << ": " << back.err;
        EXPECT_FALSE(fs::exists(file("x.KVS"))) << key;
    }
    const std::string last = body + ", \"raw_bytes\": {\"0xB1D\": \"4142\"}}";
    writeFile(file("r.json"), Bytes(last.begin(), last.end()));
    const auto tooLong = cli({"from-json", file("r.json").string(), "-o", file("x.KVS").string()});
    EXPECT_EQ(tooLong.exitCode, 3) << "two bytes from the last place run past the end";

    // The last two bytes of driver 1's name field, after its (empty) text: no field says them.
    const std::string good = body + ", \"raw_bytes\": {\"0x018\": \"4142\"}}";
    writeFile(file("r.json"), Bytes(good.begin(), good.end()));
    const auto ok = cli({"from-json", file("r.json").string(), "-o", "-"});
    ASSERT_EQ(ok.exitCode, 0) << ok.err;
    ASSERT_EQ(ok.out.size(), 2846u) << "-o - writes the record to standard output";
    EXPECT_EQ(ok.out.substr(0x018, 2), "AB");
}

TEST_F(Hardening, UnknownCommandIsNamedWithTheCommands)
{
    const auto r = cli({"frobnicate", "x"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(contains(r.err, "unknown command \"frobnicate\"")) << r.err;
    for (const char* command : {"checksum", "demo-game", "diff", "export", "from-json", "import", "picture",
                                "to-json", "version"})
        EXPECT_TRUE(contains(r.err, command)) << command << " is not listed: " << r.err;
}

// "-o ''" used to end in "Cannot write : :", which names neither the file nor the fault.
TEST_F(Hardening, AnEmptyOutputNameIsSaidToBeEmpty)
{
    ASSERT_TRUE(kvr::writeSettingsFile(file("a.KVS"), kvr::SettingsRecord()));
    const std::string patch = textFile("p.kvpatch", R"({"kvpatch": 1, "changes": []})").string();
    const std::string settings = file("a.KVS").string();
    const std::vector<std::vector<std::string>> commands = {
        {"apply", patch, "-i", settings},
        {"from-json", textFile("a.json", "{}").string()},
        {"import", "--game", game().string()},
        {"picture", textFile("a.BMP", "BM").string()},
        {"remap", textFile("b.BMP", "BM").string()},
    };
    for (std::vector<std::string> args : commands) {
        SCOPED_TRACE(args[0]);
        args.insert(args.end(), {"-o", ""});
        const auto r = cli(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.err, "--output: the output name is empty: give a file name, or - for standard output\n"
                         "Run with --help or --help-all for more information.\n");
    }
}

TEST_F(Hardening, OnlyRegularFilesOfSaneSizeAreRead)
{
#ifdef _WIN32
    GTEST_SKIP() << "FIFOs are POSIX";
#else
    makeGame();
    const fs::path fifo = file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directories(file("fifo-game"));
    ASSERT_EQ(::mkfifo((file("fifo-game") / "KVR.EXE").c_str(), 0600), 0);
    fs::create_directories(file("big-game"));
    {
        const int fd = ::open((file("big-game") / "KVR.EXE").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_EQ(::ftruncate(fd, 65 * 1024 * 1024), 0); // sparse: costs no disk
        ::close(fd);
    }
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* says;
    } cases[] = {
        {{"version", "--game", file("fifo-game").string()}, 1, "it is a FIFO, not a regular file"},
        {{"version", "--game", file("big-game").string()}, 1, "it is larger than 64 MiB"},
        {{"checksum", "--verify", "/dev/zero"}, 3, "it is a character device, not a regular file"},
        {{"checksum", "--verify", fifo.string()}, 3, "it is a FIFO"},
        {{"checksum", fifo.string()}, 3, "it is a FIFO"},
        {{"to-json", game().string()}, 3, "it is a folder"},
        {{"diff", "/dev/zero", "/dev/zero"}, 3, "it is a character device"},
        {{"from-json", fifo.string(), "-o", file("x.KVS").string()}, 3, "it is a FIFO"},
        {{"export", "--game", game().string(), "-i", fifo.string(), "--home", home().string()}, 3, "it is a FIFO"},
    };
    for (const auto& c : cases) {
        RunOptions bounded;
        bounded.killAfterSeconds = 20;
        const auto r = cli(c.args, bounded);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[0] << " " << c.args[1] << ": " << r.err;
        EXPECT_TRUE(contains(r.err, c.says)) << r.err;
    }
    EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
#endif
}

TEST_F(Hardening, AFailedWriteOnStandardOutputFails)
{
#ifdef _WIN32
    GTEST_SKIP() << "there is no full device";
#else
    makeGame();
    kvr::SettingsRecord a;
    kvr::SettingsRecord b;
    b.setByte(rec::carNumber(1), 7);
    ASSERT_TRUE(kvr::writeSettingsFile(file("a.KVS"), a));
    ASSERT_TRUE(kvr::writeSettingsFile(file("b.KVS"), b));
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"to-json", file("a.KVS").string()},
          std::vector<std::string>{"diff", file("a.KVS").string(), file("b.KVS").string()},
          std::vector<std::string>{"version", "--game", game().string()}}) {
        const auto r = cli(args, stdoutTo("/dev/full"));
        EXPECT_EQ(r.exitCode, 3) << args[0];
        EXPECT_TRUE(contains(r.err, "cannot write the output: No space left on device")) << args[0] << ": " << r.err;
    }
#endif
}

TEST_F(Hardening, OutputsThatAreNoFilesAreWrittenNotReplaced)
{
#ifdef _WIN32
    GTEST_SKIP() << "FIFOs are POSIX";
#else
    kvr::SettingsRecord r;
    r.setByte(rec::carNumber(1), 9);
    ASSERT_TRUE(kvr::writeSettingsFile(file("r.KVS"), r));
    const auto json = cli({"to-json", file("r.KVS").string()});
    writeFile(file("r.json"), Bytes(json.out.begin(), json.out.end()));

    const fs::path fifo = file("out.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const auto back = cli({"from-json", file("r.json").string(), "-o", fifo.string()});
    EXPECT_EQ(back.exitCode, 0) << back.err;
    Bytes got(4096);
    const ssize_t n = ::read(reader, got.data(), got.size());
    ::close(reader);
    ASSERT_EQ(n, 2846);
    got.resize(2846);
    EXPECT_EQ(got, readFile(file("r.KVS")));
    EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
#endif
}

TEST_F(Hardening, ImportSaysItIsDoneOnlyOnceTheFileIsWritten)
{
    makeGame();
    auto r = cli({"import", "--game", game().string(), "-o", file("no-folder/a.KVS").string(), "--home",
                  home().string()});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "") << "no success before the failure";
    EXPECT_TRUE(contains(r.err, "Cannot write " + file("no-folder/a.KVS").string() + ": ")) << r.err;
    EXPECT_TRUE(contains(r.err, "No such file or directory")) << r.err;

    r = cli({"import", "--game", game().string(), "-o", "-", "--home", home().string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.size(), 2846u) << "the record alone on standard output";
    EXPECT_EQ(r.err, "All data has been imported!\n");
}

TEST_F(Hardening, DemoGameNeverWritesOverAGame)
{
    makeGame();
    const auto before = snapshot(game());
    auto r = cli({"demo-game", file("new").string(), "--cd-folder", game().string(), "--home", home().string()});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(contains(r.err, "There is a game in " + game().string() + " already")) << r.err;
    EXPECT_FALSE(fs::exists(file("new"))) << "nothing is made when either folder is refused";
    EXPECT_TRUE(snapshot(game()) == before);

    // Any one file of a game, in any case, is enough.
    writeFile(file("partial") / "circuits" / "f1ct05.dat", {1});
    r = cli({"demo-game", file("partial").string(), "--home", home().string()});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(snapshot(file("partial")).size(), 1u);
    writeFile(file("backup") / "F1GSTATE.SAV.orig", {1});
    EXPECT_EQ(cli({"demo-game", file("backup").string(), "--home", home().string()}).exitCode, 3);
}

// Replacing a file needs a new file in its folder: a shared game whose files are
// writable but whose folder is not. Its lock cannot be made either, which says why.
TEST_F(Hardening, AGameFolderThatTakesNoNewFileSaysWhichFileAndWhy)
{
#ifdef _WIN32
    GTEST_SKIP() << "owners and modes are POSIX";
#else
    makeGameAndChangedRecord();
    const auto before = snapshot(game());
    const bool root = ::geteuid() == 0;
    if (root) {
        // Root may write anywhere: hand the files, not the folders, to another user.
        fs::permissions(m_dir.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                          fs::perms::others_read | fs::perms::others_exec);
        for (const auto& e : fs::recursive_directory_iterator(game())) {
            if (e.is_regular_file()) {
                ASSERT_EQ(::chown(e.path().c_str(), kvrtest::kNobody, kvrtest::kNobody), 0);
            }
        }
    } else {
        fs::permissions(game(), fs::perms::owner_write, fs::perm_options::remove);
        fs::permissions(game() / "CIRCUITS", fs::perms::owner_write, fs::perm_options::remove);
    }
    RunOptions options;
    options.asNobody = root;
    const auto r = cli({"export", "--game", game().string(), "-i", file("b.KVS").string(), "--home",
                        home().string()},
                       options);
    EXPECT_EQ(r.exitCode, 3) << r.err;
    EXPECT_EQ(r.err, "kvrdesk-cli: Cannot write to the game in " + game().string() +
                         ": you may not make files in that folder (Permission denied), so neither its lock nor "
                         "the game's new files can be written.\n");
    EXPECT_TRUE(snapshot(game()) == before);
#endif
}

TEST_F(Hardening, ASecondWriterFailsWhileTheFirstHoldsTheGame)
{
    makeGameAndChangedRecord();
    {
        const kvr::GameFolderLock first(game());
        const auto before = snapshot(game());
        const auto r = run(exportArgs(game()));
        EXPECT_EQ(r.exitCode, 3);
        EXPECT_EQ(r.err, "kvrdesk-cli: Another program is writing to the game in " + game().string() +
                             "; try again when it has finished.\n");
        EXPECT_TRUE(snapshot(game()) == before);
    }
    EXPECT_EQ(run(exportArgs(game())).exitCode, 0);
}

#ifndef _WIN32
// Starts a program with its output thrown away.
pid_t start(const std::vector<std::string>& args)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, 0);
        ::dup2(null, 1);
        ::dup2(null, 2);
        std::vector<char*> argv;
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

int waitFor(pid_t pid)
{
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

#ifdef __linux__
// Watches a folder for the journal of a set: it appears when the renames begin.
class JournalWatch {
public:
    explicit JournalWatch(const fs::path& dir) : m_fd(::inotify_init1(IN_CLOEXEC))
    {
        ::inotify_add_watch(m_fd, dir.c_str(), IN_MOVED_TO | IN_CREATE);
    }
    ~JournalWatch() { ::close(m_fd); }
    // Waits (a bounded time) until the journal has appeared.
    bool waitForJournal() { return waitForName(".kvrdesk.journal"); }
    // Waits (a bounded time) until a file of this name has been put in place since the
    // last name waited for.
    bool waitForName(const std::string& name)
    {
        alignas(inotify_event) char events[4096];
        for (;;) {
            while (!m_seen.empty()) {
                const bool found = m_seen.front() == name;
                m_seen.pop_front();
                if (found)
                    return true;
            }
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, 10000) != 1)
                return false;
            const ssize_t n = ::read(m_fd, events, sizeof events);
            for (ssize_t at = 0; at < n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(events + at);
                if (e->len > 0)
                    m_seen.emplace_back(e->name);
                at += ssize_t(sizeof(inotify_event) + e->len);
            }
        }
    }

private:
    int m_fd;
    std::deque<std::string> m_seen;
};
#endif

// Whether `pid` has `file` open: a writer waiting for the lock keeps its lock file open.
bool holdsOpen(pid_t pid, const fs::path& file)
{
    std::error_code ec;
    for (fs::directory_iterator it("/proc/" + std::to_string(pid) + "/fd", ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code linkError;
        if (fs::read_symlink(it->path(), linkError) == file)
            return true;
    }
    return false;
}
#endif

TEST_F(Hardening, ALockFileThatIsNoFileOrCannotBeOpenedStopsEveryWriterAtOnce)
{
#ifdef _WIN32
    GTEST_SKIP() << "FIFOs, links and modes are POSIX";
#else
    makeGameAndChangedRecord();
    const fs::path lock = game() / kvr::GameFolderLock::kFileName;
    const bool root = ::geteuid() == 0;
    const struct {
        const char* what;
        std::function<void()> make;
        bool otherUser;
        std::string says;
    } cases[] = {
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0); }, false,
         "its lock file .kvrdesk.lock is a FIFO, not a regular file; remove it, then try again."},
        {"a folder", [&] { fs::create_directory(lock); }, false,
         "its lock file .kvrdesk.lock is a folder, not a regular file; remove it, then try again."},
        {"a link to the game's executable", [&] { fs::create_symlink(game() / "KVR.EXE", lock); }, false,
         "its lock file .kvrdesk.lock is a symbolic link, not a regular file; remove it, then try again."},
        {"a link to nowhere", [&] { fs::create_symlink(game() / "nowhere", lock); }, false,
         "its lock file .kvrdesk.lock is a symbolic link, not a regular file; remove it, then try again."},
        {"another user's lock file",
         [&] {
             writeFile(lock, {});
             fs::permissions(lock, root ? fs::perms::owner_read | fs::perms::owner_write : fs::perms::none);
         },
         true,
         "its lock file .kvrdesk.lock cannot be opened (Permission denied); another user's editor may be writing to "
         "the game."},
    };
    if (root) {
        // The other user is root; the game and the editor's files are nobody's.
        fs::permissions(m_dir.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                          fs::perms::others_read | fs::perms::others_exec);
        for (const auto& e : fs::recursive_directory_iterator(game()))
            ASSERT_EQ(::chown(e.path().c_str(), kvrtest::kNobody, kvrtest::kNobody), 0);
        ASSERT_EQ(::chown(game().c_str(), kvrtest::kNobody, kvrtest::kNobody), 0);
    }
    for (const auto& c : cases) {
        c.make();
        const auto before = snapshot(game());
        RunOptions options;
        options.killAfterSeconds = 20;
        options.asNobody = root && c.otherUser;
        const auto r = run(exportArgs(game()), options);
        EXPECT_EQ(r.exitCode, 3) << c.what << ": " << r.err;
        EXPECT_EQ(r.err, "kvrdesk-cli: Cannot write to the game in " + game().string() + ": " + c.says + "\n")
            << c.what;
        EXPECT_TRUE(snapshot(game()) == before) << c.what;
        std::error_code ec;
        EXPECT_NE(fs::symlink_status(lock, ec).type(), fs::file_type::not_found) << c.what << " is left as it was";
        fs::remove_all(lock);
    }
#endif
}

// Two writers started together: the second builds its file from the bytes the first left,
// read once it holds the game, not from what it read before it waited.
TEST_F(Hardening, AWriterThatWaitedForTheLockBuildsOnWhatTheHolderWrote)
{
#ifndef __linux__
    GTEST_SKIP() << "finds the waiting writer through /proc";
#else
    makeGameAndChangedRecord();
    const std::string shipped = fs::path(KVR_DATA_DIR).parent_path().string();
    const auto cd = cli({"demo-game", file("cd").string(), "--home", home().string()});
    ASSERT_EQ(cd.exitCode, 0) << cd.err;
    const std::vector<std::vector<std::string>> actions = {
        {"export", "-i", file("b.KVS").string(), "--only", "grip", "--home", home().string()},
        {"export", "-i", file("b.KVS").string(), "--yes", "--home", home().string()},
        {"install-tracks", "--original", "--cd", file("cd").string(), "--home", shipped},
    };
    const fs::path pristine = file("pristine");
    fs::copy(game(), pristine, fs::copy_options::recursive);
    // What the first writer puts in meanwhile: team 14's name, which none of the actions writes.
    const std::uint32_t at = kvr::positionOf(kvr::Row::TeamNames, 0) + 13 * 14;
    const Bytes name = {6, 'H', 'o', 'l', 'd', 'e', 'r'};
    for (const auto& action : actions) {
        const fs::path reference = file("reference");
        fs::remove_all(reference);
        fs::copy(pristine, reference, fs::copy_options::recursive);
        std::vector<std::string> args = {KVR_CLI, action[0], "--game", reference.string()};
        args.insert(args.end(), action.begin() + 1, action.end());
        ASSERT_EQ(run(args).exitCode, 0) << action[0];
        Bytes expected = readFile(reference / "KVR.EXE");
        std::copy(name.begin(), name.end(), expected.begin() + at);

        fs::remove_all(game());
        fs::copy(pristine, game(), fs::copy_options::recursive);
        args[3] = game().string();
        pid_t second = -1;
        {
            const kvr::GameFolderLock first(game());
            second = start(args);
            // A loaded machine with the sanitizers may take seconds to start it.
            // Until its exec, the child holds this test's own lock file: only the tool counts.
            const auto waiting = [&] {
                std::error_code ec;
                return fs::read_symlink("/proc/" + std::to_string(second) + "/exe", ec) == fs::canonical(KVR_CLI) &&
                       holdsOpen(second, game() / kvr::GameFolderLock::kFileName);
            };
            for (int i = 0; i < 60000 && !waiting(); ++i)
                ::usleep(1000);
            ASSERT_TRUE(waiting()) << "it never waited";
            kvr::GameFile exe = kvr::GameFile::open(game() / "KVR.EXE");
            exe.seek(at);
            for (std::uint8_t b : name)
                exe.writeByte(b);
            exe.commit();
        }
        EXPECT_EQ(waitFor(second), 0) << action[0];
        EXPECT_TRUE(readFile(game() / "KVR.EXE") == expected) << action[0] << " " << action[1];
    }
#endif
}

// Every set of files an action replaces (the export: KVR.EXE, F1GSTATE.SAV and the track
// files; two editors' exports; the track pack; the car set) ends wholly old or wholly new
// whenever the action is killed, once the next writer has taken the game.
TEST_F(Hardening, KilledSetsEndWhollyOldOrWhollyNewOnceTheNextWriterCame)
{
#ifdef _WIN32
    GTEST_SKIP() << "kill signals are POSIX";
#else
    // In memory where there is room: a kill tests what flushing to disk cannot, and a
    // hundred actions then take seconds, not minutes.
    kvrtest::TempDir fast(kvrtest::memoryBackedFolder(512ull << 20));
    const fs::path game = fast / "game";
    const fs::path pristine = fast / "pristine";
    const fs::path reference = fast / "reference";
    makeGameAndChangedRecord(pristine);
    const auto oldFiles = snapshot(pristine);
    const std::string shipped = fs::path(KVR_DATA_DIR).parent_path().string();
    const std::string input = file("b.KVS").string();
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::size_t setSize;
    } actions[] = {
        {"export", {"export", "-i", input, "--home", home().string()}, 18},
        {"export --only power,names", {"export", "-i", input, "--only", "power,names", "--home", home().string()}, 2},
        {"install-tracks --pack", {"install-tracks", "--pack", "--home", shipped}, 12},
        {"install-carset", {"install-carset", "--home", shipped}, 14},
    };
    constexpr int kKills = 20;
#ifdef __linux__
    constexpr int kRenameKills = 5;
#else
    constexpr int kRenameKills = 0;
#endif
    std::mt19937 rng(18);
    for (const auto& action : actions) {
        auto args = [&](const fs::path& dir) {
            std::vector<std::string> a = {KVR_CLI, action.args[0], "--game", dir.string()};
            a.insert(a.end(), action.args.begin() + 1, action.args.end());
            return a;
        };
        // What the whole action gives, in a copy; its length spreads the kills over it.
        fs::remove_all(reference);
        fs::copy(pristine, reference, fs::copy_options::recursive);
        const auto begin = std::chrono::steady_clock::now();
        ASSERT_EQ(run(args(reference)).exitCode, 0) << action.name;
        const auto span =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - begin);
        const auto newFiles = snapshot(reference);
        std::set<std::string> set;
        for (const auto& [name, bytes] : newFiles)
            if (!name.ends_with(".orig") && (!oldFiles.count(name) || oldFiles.at(name) != bytes))
                set.insert(name);
        ASSERT_EQ(set.size(), action.setSize) << action.name;

        int whollyOld = 0;
        int whollyNew = 0;
        int finishedByTheNext = 0;
        int halfDone = 0;
        std::uniform_int_distribution<long> moment(0, span.count());
        for (int kill = 0; kill < kKills + kRenameKills; ++kill) {
            fs::remove_all(game);
            fs::copy(pristine, game, fs::copy_options::recursive);
#ifdef __linux__
            // The last kills aim at the short run of renames, which a moment at random seldom hits.
            if (kill >= kKills) {
                JournalWatch watch(game);
                const pid_t pid = start(args(game));
                EXPECT_TRUE(watch.waitForJournal()) << action.name;
                ::kill(pid, SIGKILL);
                waitFor(pid);
            } else
#endif
            {
                const pid_t pid = start(args(game));
                ::usleep(useconds_t(moment(rng)));
                ::kill(pid, SIGKILL);
                waitFor(pid);
            }
            const bool journal = fs::exists(game / ".kvrdesk.journal");
            const auto killed = snapshot(game);
            const auto freshIn = [&](const kvrtest::Snapshot& files) {
                return std::size_t(std::count_if(set.begin(), set.end(), [&](const std::string& name) {
                    return files.count(name) && files.at(name) == newFiles.at(name);
                }));
            };
            halfDone += freshIn(killed) != 0 && freshIn(killed) != set.size();
            {
                const kvr::GameFolderLock next(game);
            }
            std::size_t fresh = 0;
            for (const auto& [name, bytes] : snapshot(game)) {
                if (name.ends_with(".orig")) {
                    const std::string of = name.substr(0, name.size() - 5);
                    EXPECT_TRUE(oldFiles.count(of) && bytes == oldFiles.at(of)) << name << ", kill " << kill;
                } else if (set.count(name)) {
                    fresh += bytes == newFiles.at(name);
                    EXPECT_TRUE(bytes == newFiles.at(name) || (oldFiles.count(name) && bytes == oldFiles.at(name)))
                        << name << " is damaged, " << action.name << " kill " << kill;
                } else {
                    EXPECT_TRUE(oldFiles.count(name) && bytes == oldFiles.at(name))
                        << name << " is no file of the game, " << action.name << " kill " << kill;
                }
            }
            EXPECT_TRUE(fresh == 0 || fresh == set.size())
                << action.name << " kill " << kill << ": " << fresh << " of " << set.size() << " files new";
            whollyOld += fresh == 0;
            whollyNew += fresh == set.size();
            finishedByTheNext += journal;
        }
        std::cout << "[          ] " << action.name << ": " << kKills + kRenameKills << " kills, " << whollyOld
                  << " wholly old, " << whollyNew << " wholly new; " << finishedByTheNext << " left a journal, "
                  << halfDone << " of them half-renamed, all finished by the next writer\n";
    }

    // Leftovers of a killed write and a killed lock holder, whatever the kills left.
    fs::remove_all(game);
    fs::copy(pristine, game, fs::copy_options::recursive);
    writeFile(game / ".KVR.EXE.kvrtmp-AbCdEf", {1});
    writeFile(game / "CIRCUITS" / ".F1CT03.DAT.orig.kvrtmp-123456", {1});
    writeFile(game / kvr::GameFolderLock::kFileName, {});
    ASSERT_EQ(run(exportArgs(game)).exitCode, 0);
    std::set<std::string> present;
    for (const auto& e : fs::recursive_directory_iterator(game))
        if (!e.is_directory())
            present.insert(fs::relative(e.path(), game).generic_string());
    std::set<std::string> expected;
    for (const auto& [name, bytes] : oldFiles) {
        expected.insert(name);
        if (readFile(game / name) != bytes)
            expected.insert(name + ".orig");
    }
    EXPECT_EQ(present, expected) << "nothing but the game's files and their backups";
#endif
}

// A reader that finds a set a killed writer left half put in place finishes it first, as
// the next writer would, and sees the game wholly new: the import (all, --only), the
// export's dry run and the editor's start-up load. Nothing is left for a later export to
// make permanent.
TEST_F(Hardening, ReadersAfterAKillBetweenTheRenamesSeeTheSetWhollyNew)
{
#ifndef __linux__
    GTEST_SKIP() << "the kills are aimed with inotify";
#else
    kvrtest::TempDir fast(kvrtest::memoryBackedFolder(256ull << 20));
    const fs::path pristine = fast / "pristine";
    const fs::path reference = fast / "reference";
    const fs::path killed = fast / "killed";
    const fs::path copy = fast / "copy";
    makeGameAndChangedRecord(pristine);
    fs::copy(pristine, reference, fs::copy_options::recursive);
    ASSERT_EQ(run(exportArgs(reference)).exitCode, 0);
    const auto written = snapshot(reference);
    std::set<std::string> set;
    for (const auto& [name, bytes] : snapshot(pristine))
        if (written.at(name) != bytes)
            set.insert(name);
    ASSERT_EQ(set.size(), 18u);

    const auto text = [](const Bytes& b) { return std::string(b.begin(), b.end()); };
    const struct {
        const char* name;
        std::function<std::string(const fs::path& game)> read;
    } readers[] = {
        {"import",
         [&](const fs::path& g) {
             const auto r =
                 cli({"import", "--game", g.string(), "-o", file("out.KVS").string(), "--home", home().string()});
             return std::to_string(r.exitCode) + r.err + text(readFile(file("out.KVS")));
         }},
        {"import --only",
         [&](const fs::path& g) {
             const auto r = cli({"import", "--game", g.string(), "--only", "names,grip,tracks", "-i",
                                 file("a.KVS").string(), "-o", file("out.KVS").string(), "--home", home().string()});
             return std::to_string(r.exitCode) + r.err + text(readFile(file("out.KVS")));
         }},
        {"export --dry-run",
         [&](const fs::path& g) {
             const auto r = cli({"export", "--game", g.string(), "-i", file("b.KVS").string(), "--dry-run", "--home",
                                 home().string()});
             return std::to_string(r.exitCode) + r.err + r.out;
         }},
        {"start-up load",
         [&](const fs::path& g) {
             kvr::GameContext context;
             context.config = kvr::Configuration::forExecutable(g / "KVR.EXE");
             context.home = kvr::EditorHome::inFolder(home());
             kvr::SettingsRecord record;
             const bool trackData = kvr::startupLoad(context, record);
             return std::to_string(trackData) + text(Bytes(record.bytes().begin(), record.bytes().end()));
         }},
    };
    std::map<std::string, std::string> expected;
    for (const auto& reader : readers) {
        fs::remove_all(copy);
        fs::copy(reference, copy, fs::copy_options::recursive);
        expected[reader.name] = reader.read(copy);
    }
    EXPECT_EQ(expected["export --dry-run"], "0Nothing to change: the game holds these values already.\n");

    int pending = 0;
    int halfDone = 0;
    for (int attempt = 0; attempt < 40 && pending < 4; ++attempt) {
        fs::remove_all(killed);
        fs::copy(pristine, killed, fs::copy_options::recursive);
        {
            JournalWatch watch(killed);
            const pid_t pid = start(exportArgs(killed));
            // F1GSTATE.SAV goes in first and the track files last: killed now, the set is
            // most likely part in place, part still staged.
            const bool aimed = watch.waitForJournal() && watch.waitForName("F1GSTATE.SAV");
            ::kill(pid, SIGKILL);
            waitFor(pid);
            ASSERT_TRUE(aimed);
        }
        if (!fs::exists(killed / ".kvrdesk.journal"))
            continue; // the export ran to its end first
        ++pending;
        const auto state = snapshot(killed);
        const auto fresh =
            std::count_if(set.begin(), set.end(), [&](const std::string& n) { return state.at(n) == written.at(n); });
        halfDone += fresh > 0 && fresh < std::ptrdiff_t(set.size());
        for (const auto& reader : readers) {
            fs::remove_all(copy);
            fs::copy(killed, copy, fs::copy_options::recursive);
            EXPECT_EQ(reader.read(copy), expected[reader.name])
                << reader.name << " after a kill with " << fresh << " of 18 files in place";
            const auto after = snapshot(copy);
            for (const std::string& name : set)
                EXPECT_TRUE(after.at(name) == written.at(name)) << name << " is not new after " << reader.name;
            EXPECT_FALSE(fs::exists(copy / ".kvrdesk.journal")) << reader.name;
        }
    }
    EXPECT_GT(pending, 0) << "no kill left a set half put in place";
    std::cout << "[          ] " << pending << " kills left a journal, " << halfDone
              << " of them with the set part in place; every reader saw it wholly new\n";
#endif
}

// A reader that cannot finish a pending set (a game the user may only read) refuses and
// says why, changing nothing; with nothing pending it reads the game without any lock.
TEST_F(Hardening, AReaderThatMayNotWriteTheGameReadsItOnlyWhileNoSetIsPending)
{
#ifdef _WIN32
    GTEST_SKIP() << "owners and modes are POSIX";
#else
    makeGameAndChangedRecord();
    const bool root = ::geteuid() == 0;
    const fs::path out = file("out");
    fs::create_directory(out);
    if (root) {
        // Root may write anywhere: read as another user, who may not write in the game.
        fs::permissions(m_dir.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                          fs::perms::others_read | fs::perms::others_exec);
        ASSERT_EQ(::chown(out.c_str(), kvrtest::kNobody, kvrtest::kNobody), 0);
    }
    const auto setWritable = [&](bool writable) {
        if (root)
            return;
        for (const fs::path& dir : {game(), game() / "CIRCUITS"})
            fs::permissions(dir, fs::perms::owner_write, writable ? fs::perm_options::add : fs::perm_options::remove);
    };
    const std::string journal = "kvrdesk file set 1\nF1GSTATE.SAV\t.F1GSTATE.SAV.kvrtmp-abcdef\nend 1\n";
    const std::string refused =
        "kvrdesk-cli: The game in " + game().string() +
        " is not read: the last change of its files was cut short (.kvrdesk.journal is there), and it cannot be "
        "finished now, so the files may be part old, part new. Cannot write to the game in " +
        game().string() +
        ": you may not make files in that folder (Permission denied), so neither its lock nor the game's new files "
        "can be written.\n";
    const std::string home = this->home().string();
    const std::string kvs = (out / "a.KVS").string();
    const struct {
        bool pending;
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    } cases[] = {
        {false, {"import", "-o", kvs, "--home", home}, 0, ""},
        {false, {"import", "--only", "power", "-i", file("a.KVS").string(), "-o", kvs, "--home", home}, 0, ""},
        {false, {"export", "--dry-run", "-i", file("b.KVS").string(), "--home", home}, 0, ""},
        {true, {"import", "-o", kvs, "--home", home}, 3, refused},
        {true, {"import", "--only", "power", "-i", file("a.KVS").string(), "-o", kvs, "--home", home}, 3, refused},
        {true, {"export", "--dry-run", "-i", file("b.KVS").string(), "--home", home}, 3, refused},
    };
    for (const auto& c : cases) {
        setWritable(true);
        fs::remove(game() / ".kvrdesk.journal");
        fs::remove(game() / ".F1GSTATE.SAV.kvrtmp-abcdef");
        if (c.pending) {
            writeFile(game() / ".kvrdesk.journal", Bytes(journal.begin(), journal.end()));
            writeFile(game() / ".F1GSTATE.SAV.kvrtmp-abcdef", {1, 2, 3, 4});
        }
        setWritable(false);
        const auto before = snapshot(game());
        std::vector<std::string> args = {c.args[0], "--game", game().string()};
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        RunOptions options;
        options.asNobody = root;
        const auto r = cli(args, options);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[0] << (c.pending ? ", pending: " : ": ") << r.err;
        EXPECT_EQ(r.err, c.err) << c.args[0];
        EXPECT_TRUE(snapshot(game()) == before) << c.args[0];
    }
    setWritable(true);
#endif
}

#ifndef _WIN32
// `checksum` through a link writes the file where it really is: under that game's lock
// (and the lock of the game the link lies in), with the backup beside the file, never
// beside the link.
TEST_F(Hardening, AChecksumThroughALinkLocksAndBacksUpWhereTheFileIs)
{
    ASSERT_EQ(cli({"demo-game", game().string(), "--home", home().string()}).exitCode, 0);
    const fs::path track = game() / "CIRCUITS" / "F1CT01.DAT";
    const fs::path links = file("links");
    const fs::path other = file("other");
    Bytes spoiled = readFile(track);
    const Bytes right = spoiled;
    spoiled.back() ^= 0xFF;
    const auto busy = [](const fs::path& g) {
        return "kvrdesk-cli: Another program is writing to the game in " + g.string() +
               "; try again when it has finished.\n";
    };
    const struct {
        const char* what;
        fs::path link;   // made to point at the track file (or, for CIRCUITS, its folder)
        fs::path given;  // the name given to checksum
        fs::path locked; // a folder another writer holds; empty: none
        int exitCode;
        std::string err;
    } cases[] = {
        {"a link outside any game", links / "T.DAT", links / "T.DAT", {}, 0, ""},
        {"a link outside, its game held", links / "T.DAT", links / "T.DAT", game(), 3, busy(game())},
        {"through a linked folder", links / "CIRCUITS", links / "CIRCUITS" / "F1CT01.DAT", {}, 0, ""},
        {"through a linked folder, its game held", links / "CIRCUITS", links / "CIRCUITS" / "F1CT01.DAT", game(), 3,
         busy(game())},
        {"a link in another game", other / "F1GSTATE.SAV", other / "F1GSTATE.SAV", {}, 0, ""},
        {"a link in another game, that game held", other / "F1GSTATE.SAV", other / "F1GSTATE.SAV", other, 3,
         busy(other)},
    };
    for (const auto& c : cases) {
        fs::remove_all(links);
        fs::remove_all(other);
        fs::remove(track.string() + ".orig");
        fs::create_directories(links);
        fs::create_directories(other);
        writeFile(other / "KVR.EXE", {'x'});
        writeFile(track, spoiled);
        if (c.link.filename() == "CIRCUITS")
            fs::create_directory_symlink(track.parent_path(), c.link);
        else
            fs::create_symlink(track, c.link);
        std::optional<kvr::GameFolderLock> held;
        if (!c.locked.empty())
            held.emplace(c.locked);
        const auto r = cli({"checksum", c.given.string()});
        held.reset();
        EXPECT_EQ(r.exitCode, c.exitCode) << c.what << ": " << r.err;
        EXPECT_EQ(r.err, c.err) << c.what;
        EXPECT_EQ(readFile(track), c.exitCode == 0 ? right : spoiled) << c.what;
        std::set<std::string> backups;
        for (const auto& e : fs::recursive_directory_iterator(m_dir.path()))
            if (e.path().extension() == ".orig")
                backups.insert(fs::relative(e.path(), m_dir.path()).generic_string());
        EXPECT_EQ(backups,
                  c.exitCode == 0 ? std::set<std::string>{"game/CIRCUITS/F1CT01.DAT.orig"} : std::set<std::string>{})
            << c.what;
        if (backups.count("game/CIRCUITS/F1CT01.DAT.orig")) {
            EXPECT_EQ(readFile(track.string() + ".orig"), spoiled) << c.what << ": the file as it was";
        }
        EXPECT_TRUE(fs::is_symlink(c.link)) << c.what << ": the link stays";
    }
}
#endif
} // namespace
