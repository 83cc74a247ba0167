#include "core/settings_record.h"
#include "editors/jams/car_jam_editor.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
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
    e.saveAsBitmap(prompt);
    EXPECT_EQ(runner.runs, 0);
    EXPECT_TRUE(prompt.informed.empty());
    EXPECT_TRUE(prompt.warned.empty());
    EXPECT_TRUE(prompt.fileRequests.empty());
}

} // namespace
