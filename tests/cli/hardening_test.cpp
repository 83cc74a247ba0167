// kvrdesk-cli tried as a hostile or unlucky user would: odd inputs and outputs, full
// disks, two writers, kills in the middle of an export.
#include "cli/cli_fixture.h"
#include "core/folder_lock.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "editors/track/track_data.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <random>
#include <set>
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

    const std::string good = body + ", \"raw_bytes\": {\"0xB1C\": \"4142\"}}";
    writeFile(file("r.json"), Bytes(good.begin(), good.end()));
    const auto ok = cli({"from-json", file("r.json").string(), "-o", "-"});
    ASSERT_EQ(ok.exitCode, 0) << ok.err;
    ASSERT_EQ(ok.out.size(), 2846u) << "-o - writes the record to standard output";
    EXPECT_EQ(ok.out.substr(0xB1C), "AB");
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
// Starts an export and kills it `delay` later (it may have finished by then).
void exportKilledAfter(const std::vector<std::string>& args, std::chrono::microseconds delay)
{
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
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
    ::usleep(useconds_t(delay.count()));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}
#endif

TEST_F(Hardening, KilledExportsLeaveEachFileWholeAndOneFullExportTidiesUp)
{
#ifdef _WIN32
    GTEST_SKIP() << "kill signals are POSIX";
#else
    // In memory where there is room: a kill tests what flushing to disk cannot, and
    // twenty exports then take seconds, not a minute.
    kvrtest::TempDir fast(kvrtest::memoryBackedFolder(256ull << 20));
    const fs::path game = fast / "game";
    const fs::path reference = fast / "reference";
    makeGameAndChangedRecord(game);
    const auto oldFiles = snapshot(game);

    // What a complete export gives, in a copy; its length spreads the kills over it.
    fs::copy(game, reference, fs::copy_options::recursive);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(run(exportArgs(reference)).exitCode, 0);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    auto newFiles = snapshot(reference);
    std::set<std::string> changed;
    for (const auto& [name, bytes] : oldFiles)
        if (newFiles[name] != bytes)
            changed.insert(name);
    ASSERT_EQ(changed.size(), 18u) << "KVR.EXE, F1GSTATE.SAV and the 16 track files all change";

    std::mt19937 rng(11);
    std::uniform_int_distribution<long> moment(0, span.count());
    for (int kill = 0; kill < 20; ++kill) {
        exportKilledAfter(exportArgs(game), std::chrono::microseconds(moment(rng)));
        for (const auto& [name, old] : oldFiles) {
            const Bytes now = readFile(game / name);
            EXPECT_TRUE(now == old || now == newFiles[name]) << name << " is mixed after kill " << kill;
            if (fs::exists(game / (name + ".orig"))) {
                EXPECT_EQ(readFile(game / (name + ".orig")), old) << name << ".orig after kill " << kill;
            }
        }
    }

    // Leftovers of a killed write, whatever the kills happened to leave.
    writeFile(game / ".KVR.EXE.kvrtmp-AbCdEf", {1});
    writeFile(game / "CIRCUITS" / ".F1CT03.DAT.orig.kvrtmp-123456", {1});
    writeFile(game / kvr::GameFolderLock::kFileName, {});
    ASSERT_EQ(run(exportArgs(game)).exitCode, 0);
    std::set<std::string> expected;
    for (const auto& [name, old] : oldFiles) {
        expected.insert(name);
        EXPECT_EQ(readFile(game / name), newFiles[name]) << name;
        if (changed.count(name)) {
            expected.insert(name + ".orig");
            EXPECT_EQ(readFile(game / (name + ".orig")), old) << name << ".orig";
        }
    }
    std::set<std::string> present;
    for (const auto& e : fs::recursive_directory_iterator(game))
        if (!e.is_directory())
            present.insert(fs::relative(e.path(), game).string());
    EXPECT_EQ(present, expected) << "nothing but the game's files and their backups";
#endif
}

} // namespace
