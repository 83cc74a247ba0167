// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's conversions end to end: the real kvrjam on a demo game whose folder name
// holds blanks, quotes and ';', and stand-in converters that fail in each way.
#include "core/settings_record.h"
#include "core/system_process_runner.h"
#include "editors/helmets/helmet_editor.h"
#include "editors/jams/car_jam_editor.h"
#include "editors/tuning/patch_list.h"
#include "game/demo_game.h"
#include "graphics/bitmap_writer.h"
#include "graphics/picture_files.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "support/texture_samples.h"
#include "textures/converter.h"
#include "textures/jam_convert.h"
#include "textures/jam_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;
using kvrtest::readFile;
using kvrtest::ScriptedPrompt;

std::map<std::string, Bytes> snapshot(const fs::path& dir)
{
    std::map<std::string, Bytes> s;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            s[fs::relative(e.path(), dir).string()] = readFile(e.path());
    return s;
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class ConverterTest : public ::testing::Test {
  protected:
    ConverterTest()
    {
        fs::create_directories(home() / "DATA");
        kvr::writePatchList(home() / "DATA" / "PLT.DAT", kvr::defaultPatchList());
        kvr::makeDemoGame(game(), 0, home() / "DATA" / "PLT.DAT", kvrtest::demoTextures());
    }
    fs::path home() const { return m_root / "home"; }
#ifdef _WIN32
    // Windows allows no quotes in names; the spaces still need quoting.
    fs::path game() const
    {
        return m_root / "a game 'x'; touch pwned & echo";
    }
#else
    fs::path game() const
    {
        return m_root / "a \"game\" 'x'; touch pwned";
    }
#endif
    fs::path jam(std::string_view name) const
    {
        return kvr::gameJam(game(), name);
    }
    kvr::Converter converter(const fs::path& program = KVR_JAM, std::chrono::milliseconds bound = 20s)
    {
        return kvr::Converter(program, home() / "TEMP", m_runner, bound);
    }
    // A stand-in converter: a shell script of the given body. Windows runs no scripts:
    // there a copy of the test program named `name` does what the script would.
    fs::path script(const std::string& name, [[maybe_unused]] const std::string& body)
    {
#ifdef _WIN32
        const fs::path p = m_root / (name + ".exe");
        fs::copy_file(KVR_TEST_CHILD, p);
#else
        const fs::path p = m_root / name;
        kvrtest::writeFile(p, Bytes(body.begin(), body.end()));
        fs::permissions(p, fs::perms::owner_exec, fs::perm_options::add);
#endif
        return p;
    }

    kvrtest::TempDir m_root;
    kvr::SystemProcessRunner m_runner;
};

TEST_F(ConverterTest, HelmetSheetComesFromTheGameAndSwappedHelmetsGoBack)
{
    const Bytes original = readFile(jam("HELMETS1.JAM"));
    kvr::HelmetEditor editor;
    editor.importSheet(converter(), game());
    ASSERT_TRUE(editor.available());
    const kvr::JamTexture texture = kvr::readJamFile(jam("HELMETS1.JAM"));
    EXPECT_EQ(kvr::textureFromBitmap(editor.sheet().saveToBytes()), texture);
    EXPECT_FALSE(fs::exists(m_root / "pwned"));
    EXPECT_FALSE(fs::exists("pwned"));

    editor.show(kvr::demoRecord());
    ASSERT_TRUE(editor.press(10, 3 * 15 + 2));
    ASSERT_TRUE(editor.release(80, 8 * 15 + 2)); // helmet 20
    ScriptedPrompt prompt;
    editor.exportIntoGame(prompt, converter(), game());
    EXPECT_EQ(prompt.informed, std::vector<std::string>{"Data has been exported!"});
    EXPECT_TRUE(prompt.warned.empty()) << prompt.warned.front();
    EXPECT_EQ(readFile(jam("HELMETS1.JAM.orig")), original);

    // As after a restart: a fresh editor reads the game's texture again.
    kvr::HelmetEditor again;
    again.importSheet(converter(), game());
    EXPECT_EQ(again.sheet().saveToBytes(), editor.sheet().saveToBytes());
    const kvr::JamTexture swapped = kvr::readJamFile(jam("HELMETS1.JAM"));
    auto cell = [](const kvr::JamTexture& t, int n) {
        Bytes b;
        const auto c = kvr::helmetCell(n);
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 74; ++x)
                b.push_back(t.at(c.x + x, c.y + y));
        return b;
    };
    EXPECT_EQ(cell(swapped, 3), cell(texture, 20));
    EXPECT_EQ(cell(swapped, 20), cell(texture, 3));
    EXPECT_EQ(cell(swapped, 4), cell(texture, 4));
}

TEST_F(ConverterTest, PaintingImportedAndLoadedPaintingExported)
{
    kvr::CarJamEditor editor;
    editor.show(kvr::demoRecord());
    editor.selectFile(2);
    ScriptedPrompt prompt;
    editor.importFromGame(prompt, converter(), game());
    EXPECT_EQ(prompt.informed, std::vector<std::string>{"Bitmap has been imported!"});
    ASSERT_TRUE(editor.hasPicture());
    EXPECT_EQ(kvr::textureFromBitmap(editor.bitmapFile()), kvr::readJamFile(jam("BENETTON.JAM")));
    EXPECT_FALSE(fs::exists(home() / "TEMP" / "TEMPTEAM.BMP")) << "read, then removed";

    // In the texture's own colours: it goes in as its file holds it.
    kvr::IndexedPicture mine = kvrtest::noisePicture(256, 164, 11);
    mine.colours = kvr::readJamFile(jam("BENETTON.JAM")).colours;
    const Bytes painting = kvr::encodeBitmap8(mine);
    kvrtest::writeFile(m_root / "mine.bmp", painting);
    prompt.fileAnswers.push_back(m_root / "mine.bmp");
    editor.loadBitmap(prompt, converter(), game(), kvr::PictureFiles(), kvr::ColourTable{});
    editor.exportToGame(prompt, converter(), game());
    EXPECT_EQ(prompt.informed.back(), "Bitmap has been exported!");
    EXPECT_TRUE(prompt.warned.empty());
    EXPECT_TRUE(fs::exists(home() / "TEMP" / "TEMPTEAM.BMP")) << "kept until the window closes";
    editor.close(converter());
    EXPECT_FALSE(fs::exists(home() / "TEMP" / "TEMPTEAM.BMP"));

    kvr::CarJamEditor again;
    again.show(kvr::demoRecord());
    again.selectTeam(2);
    again.importFromGame(prompt, converter(), game());
    EXPECT_EQ(Bytes(again.bitmapFile().begin(), again.bitmapFile().end()), painting);
    EXPECT_TRUE(fs::exists(jam("BENETTON.JAM.orig")));
}

// Every way a converter can fail, for each of the four conversions: a message naming
// the program and what went wrong, and nothing changed in the game or the editor.
TEST_F(ConverterTest, EveryConverterFailureIsReportedAndChangesNothing)
{
    kvr::HelmetEditor helmets;
    helmets.importSheet(converter(), game());
    helmets.show(kvr::demoRecord());
    kvr::CarJamEditor paintings;
    paintings.show(kvr::demoRecord());
    ScriptedPrompt quiet;
    paintings.importFromGame(quiet, converter(), game());
    ASSERT_TRUE(paintings.hasPicture());
    const Bytes sheet = helmets.sheet().saveToBytes();
    const Bytes picture(paintings.bitmapFile().begin(), paintings.bitmapFile().end());
    const auto gameBefore = snapshot(game());

    const struct {
        const char* what;
        fs::path program;
        std::chrono::milliseconds bound;
        const char* reason;
    } cases[] = {
        {"missing", m_root / "no such converter", 20s, "cannot be started"},
        {"exits non-zero", script("fails", "#!/bin/sh\necho 'kvrjam: texture damaged' >&2\nexit 4\n"), 20s,
         "exit code 4 (kvrjam: texture damaged)"},
        {"writes nothing", script("idle", "#!/bin/sh\nexit 0\n"), 20s, "without writing the file"},
        {"never ends", script("hangs", "#!/bin/sh\nsleep 30\n"), 300ms,
         "had not finished after 300 ms and was stopped"},
        {"writes junk", script("junk", "#!/bin/sh\nfor a; do case $a in -b*) echo junk > \"${a#-b}\";; esac; done\n"),
         20s, "cannot load that file as an 8-bit bitmap"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const kvr::Converter failing = converter(c.program, c.bound);
        ScriptedPrompt prompt;
        helmets.importFromGame(prompt, failing, game());
        paintings.importFromGame(prompt, failing, game());
        if (std::string(c.what) != "writes junk") {
            helmets.exportIntoGame(prompt, failing, game());
            paintings.exportToGame(prompt, failing, game());
        }
        EXPECT_TRUE(prompt.informed.empty());
        ASSERT_FALSE(prompt.warned.empty());
        for (const std::string& message : prompt.warned) {
            EXPECT_TRUE(contains(message, c.program.string())) << message;
            EXPECT_TRUE(contains(message, c.reason)) << message;
            EXPECT_TRUE(contains(message, ".JAM")) << message;
        }
        EXPECT_EQ(helmets.sheet().saveToBytes(), sheet);
        EXPECT_EQ(Bytes(paintings.bitmapFile().begin(), paintings.bitmapFile().end()), picture);
        EXPECT_EQ(snapshot(game()), gameBefore);
    }
}

// A real game keeps its textures in its own format: kvrjam refuses to replace them, and
// the editor shows its reason instead of the success message.
TEST_F(ConverterTest, TexturesInAnotherFormatAreRefusedAndTheEditorSaysWhy)
{
    kvr::HelmetEditor helmets;
    helmets.importSheet(converter(), game());
    helmets.show(kvr::demoRecord());
    kvr::CarJamEditor paintings;
    paintings.show(kvr::demoRecord());
    kvrtest::writeFile(m_root / "mine.bmp", kvr::encodeBitmap8(kvrtest::noisePicture(256, 164, 11)));
    ScriptedPrompt prompt;
    prompt.fileAnswers.push_back(m_root / "mine.bmp");
    prompt.conversionAnswers = {[](kvr::PictureConversion&) { return true; }};
    paintings.loadBitmap(prompt, converter(), game(), kvr::PictureFiles(), kvr::ColourTable{});
    paintings.selectFile(2);

    Bytes foreign(46864);
    for (std::size_t i = 0; i < foreign.size(); ++i)
        foreign[i] = std::uint8_t((i * 2654435761u) >> 11);
    for (const char* name : {"HELMETS1.JAM", "BENETTON.JAM"})
        kvrtest::writeFile(jam(name), foreign);
    const auto gameBefore = snapshot(game());
    helmets.exportIntoGame(prompt, converter(), game());
    paintings.exportToGame(prompt, converter(), game());

    EXPECT_TRUE(prompt.informed.empty()) << prompt.informed.front();
    ASSERT_EQ(prompt.warned.size(), 2u);
    for (const std::string& message : prompt.warned) {
        EXPECT_TRUE(contains(message, "in another format")) << message;
        EXPECT_TRUE(contains(message, "name a converter for the game's own format in KVRDESK_CONVERTER")) << message;
    }
    EXPECT_EQ(snapshot(game()), gameBefore);
}

TEST_F(ConverterTest, WithoutTheHelmetTextureTheSheetIsUnavailable)
{
    fs::remove(jam("HELMETS1.JAM"));
    kvr::HelmetEditor editor;
    try {
        editor.importSheet(converter(), game());
        ADD_FAILURE() << "imported a sheet that is not there";
    } catch (const kvr::GeneralError& e) {
        EXPECT_TRUE(contains(e.what(), "HELMETS1.JAM")) << e.what();
        EXPECT_TRUE(contains(e.what(), "exit code 1")) << e.what();
    }
    editor.show(kvr::demoRecord());
    EXPECT_FALSE(editor.available());
    EXPECT_FALSE(editor.selectLine(0));
    ScriptedPrompt prompt;
    editor.exportIntoGame(prompt, converter(), game());
    EXPECT_EQ(prompt.warned, std::vector<std::string>{kvr::kHelmetSheetMissing});
    EXPECT_FALSE(fs::exists(jam("HELMETS1.JAM")));
}

TEST(ConverterProgram, OwnConverterOrTheOneBesideTheEditor)
{
#ifdef _WIN32
    const fs::path beside = "/opt/kvrdesk/bin/kvrjam.exe";
#else
    const fs::path beside = "/opt/kvrdesk/bin/kvrjam";
#endif
    kvrtest::setEnvironment(kvr::kConverterVariable, nullptr);
    EXPECT_EQ(kvr::converterProgram("/opt/kvrdesk/bin/kvrdesk"), beside);
    kvrtest::setEnvironment(kvr::kConverterVariable, "/home/me/my converter");
    EXPECT_EQ(kvr::converterProgram("/opt/kvrdesk/bin/kvrdesk"), fs::path("/home/me/my converter"));
    kvrtest::setEnvironment(kvr::kConverterVariable, nullptr);
}

} // namespace
