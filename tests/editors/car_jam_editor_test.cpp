// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/settings_record.h"
#include "editors/jams/car_jam_editor.h"
#include "graphics/bitmap_writer.h"
#include "graphics/picture_files.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "support/texture_samples.h"
#include "textures/converter.h"

#include <gtest/gtest.h>

namespace {

namespace rec = kvr::rec;
using kvrtest::ScriptedPrompt;

// Counts the runs it is asked for and runs nothing.
class CountingRunner : public kvr::ProcessRunner {
  public:
    kvr::ProcessResult run(const std::filesystem::path&, const std::vector<std::string>&,
                           std::chrono::milliseconds) override
    {
        ++runs;
        return {};
    }
    int runs = 0;
};

kvr::SettingsRecord teams(std::initializer_list<int> disabled)
{
    kvr::SettingsRecord r;
    for (int t = 1; t <= rec::kTeams; ++t) {
        r.setShortString(rec::teamName(t), rec::kTeamNameChars, "Team " + std::to_string(t));
        r.setByte(rec::teamEnabled(t), 1);
    }
    for (int t : disabled)
        r.setByte(rec::teamEnabled(t), 0);
    return r;
}

TEST(CarJamEditor, TheTwoListsMoveTogether)
{
    kvr::CarJamEditor e;
    e.show(teams({2, 9}));
    ASSERT_EQ(e.teamLines().size(), 12u);
    EXPECT_EQ(e.teamLines()[1], "Team 3");
    EXPECT_EQ(e.fileLine(), 0);
    EXPECT_EQ(e.teamLine(), 0);

    e.selectFile(12);
    EXPECT_EQ(e.selectedFile(), "SIMTEK.JAM");
    EXPECT_EQ(e.teamLine(), std::nullopt) << "the team list is shorter";
    e.selectTeam(5);
    EXPECT_EQ(e.selectedFile(), "LOTUS.JAM");
    EXPECT_EQ(e.teamLine(), 5);
    e.selectTeam(12);
    e.selectFile(14);
    EXPECT_EQ(e.fileLine(), 5) << "lines that do not exist are ignored";
}

TEST(CarJamEditor, ANewTeamListKeepsTheChosenFile)
{
    kvr::CarJamEditor e;
    e.show(teams({}));
    e.selectFile(12);
    ASSERT_EQ(e.teamLine(), 12);
    e.showTeams(teams({1, 2}));
    EXPECT_EQ(e.teamLines().size(), 12u);
    EXPECT_EQ(e.teamLines()[0], "Team 3");
    EXPECT_EQ(e.selectedFile(), "SIMTEK.JAM");
    EXPECT_EQ(e.teamLine(), std::nullopt) << "the team list is now shorter";
}

TEST(CarJamEditor, WithoutAPictureExportAndSaveDoNothing)
{
    kvrtest::TempDir dir;
    CountingRunner runner;
    const kvr::Converter converter("kvrjam", dir / "TEMP", runner);
    kvr::CarJamEditor e;
    e.show(teams({}));
    ScriptedPrompt prompt;
    e.exportToGame(prompt, converter, dir / "game");
    e.saveAsBitmap(prompt, kvr::PictureFiles());
    EXPECT_EQ(runner.runs, 0);
    EXPECT_TRUE(prompt.informed.empty());
    EXPECT_TRUE(prompt.warned.empty());
    EXPECT_TRUE(prompt.fileRequests.empty());
}

// Each painting loaded is one step; undo goes back to the painting before, to none at
// first, and keeps the bitmap's bytes as they were.
TEST(CarJamEditor, EachLoadedPaintingIsOneStep)
{
    kvrtest::TempDir dir;
    const std::vector<std::uint8_t> first = kvr::encodeBitmap8(kvrtest::noisePicture(256, 164, 1));
    const std::vector<std::uint8_t> second =
        kvr::encodeBitmap8(kvrtest::noisePicture(256, 164, 2), {.runLength = true});
    kvrtest::writeFile(dir / "first.bmp", first);
    kvrtest::writeFile(dir / "second.bmp", second);
    kvrtest::writeFile(dir / "small.bmp", kvr::encodeBitmap8(kvrtest::noisePicture(128, 80, 3)));
    kvr::CarJamEditor e;
    e.show(teams({}));
    e.loadBitmap(dir / "first.bmp", std::nullopt);
    e.loadBitmap(dir / "second.bmp", kvr::PaintingSize{256, 164});
    EXPECT_THROW(e.loadBitmap(dir / "small.bmp", kvr::PaintingSize{256, 164}), kvr::GeneralError);
    EXPECT_THROW(e.pushPainting({'B', 'M', 0}, kvr::kLoadPaintingStep), kvr::GeneralError);
    EXPECT_TRUE(std::ranges::equal(e.bitmapFile(), second)) << "a refused painting is no step";
    EXPECT_STREQ(e.undoStep(), kvr::kLoadPaintingStep);

    const struct {
        const char* what;
        bool undo;
        const std::vector<std::uint8_t>* shown; // none: no painting
        bool canUndo, canRedo;
    } moves[] = {
        {"back to the first", true, &first, true, true},   {"back to none", true, nullptr, false, true},
        {"no further", true, nullptr, false, true},        {"the first again", false, &first, true, true},
        {"the second again", false, &second, true, false}, {"no further on", false, &second, true, false},
    };
    for (const auto& m : moves) {
        SCOPED_TRACE(m.what);
        m.undo ? e.undo() : e.redo();
        EXPECT_EQ(e.hasPicture(), m.shown != nullptr);
        if (m.shown) {
            EXPECT_TRUE(std::ranges::equal(e.bitmapFile(), *m.shown));
            EXPECT_EQ(e.picture().width(), 256);
        }
        EXPECT_EQ(e.undoStep() != nullptr, m.canUndo);
        EXPECT_EQ(e.redoStep() != nullptr, m.canRedo);
    }
    e.clear();
    EXPECT_EQ(e.undoStep(), nullptr);
    EXPECT_FALSE(e.hasPicture());
}

} // namespace
