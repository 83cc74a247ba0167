// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/positions.h"
#include "core/settings_record.h"
#include "game/export_preview.h"
#include "game/import_export.h"
#include "support/install_game.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
namespace rec = kvr::rec;
using kvr::Editor;

struct PreviewCase {
    const char* what;
    std::function<void(kvr::SettingsRecord&)> edit;
    std::optional<Editor> editor;
    std::vector<std::string> lines;
};

void PrintTo(const PreviewCase& c, std::ostream* os) { *os << c.what; }

class ExportPreview : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(ExportPreview, ListsWhatDiffersAndWritesNothing)
{
    kvrtest::InstallGame g;
    kvr::SettingsRecord r;
    bool trackDataKnown = false;
    ASSERT_EQ(kvr::importAllData(g.context, r, g.prompt, trackDataKnown), kvr::SequenceEnd::Completed);
    GetParam().edit(r);
    const kvrtest::Snapshot before = kvrtest::snapshot(g.game());

    std::vector<std::string> lines;
    for (const kvr::ValueChange& c : kvr::exportChanges(g.context, r, GetParam().editor))
        lines.push_back(c.name + " | " + c.line());
    EXPECT_EQ(lines, GetParam().lines);
    EXPECT_EQ(kvrtest::snapshot(g.game()), before) << "a preview only reads";
}

std::string_view nameOf(const ::testing::TestParamInfo<PreviewCase>& info) { return info.param.what; }

INSTANTIATE_TEST_SUITE_P(
    Changes, ExportPreview,
    ::testing::Values(
        PreviewCase{"Nothing", [](kvr::SettingsRecord&) {}, std::nullopt, {}},
        PreviewCase{"PowerAndGrip",
                    [](kvr::SettingsRecord& r) {
                        r.setWord(rec::enginePowerQualifying(3), std::uint16_t(r.word(rec::enginePowerQualifying(3)) + 50));
                        r.setWord(rec::gripQualifying(1), 9000);
                    },
                    std::nullopt,
                    {"engine_power.qualifying[2] | Team 3 engine, qualifying: 745 → 795 BHP",
                     "grip.qualifying[0] | Car 1 grip, qualifying: 16400 → 9000"}},
        // One editor's export compares that editor's values only.
        PreviewCase{"OnlyTheEditorsOwn",
                    [](kvr::SettingsRecord& r) {
                        r.setWord(rec::enginePowerQualifying(3), std::uint16_t(r.word(rec::enginePowerQualifying(3)) + 50));
                        r.setWord(rec::gripQualifying(1), 9000);
                    },
                    Editor::Grip,
                    {"grip.qualifying[0] | Car 1 grip, qualifying: 16400 → 9000"}},
        // A track's consumption is one word, however the JSON form keeps it.
        PreviewCase{"TrackConsumptionIsOneValue",
                    [](kvr::SettingsRecord& r) {
                        r.setWord(rec::trackData(1, 9), 2500);
                        r.setWord(rec::trackData(1, 11), 1000);
                    },
                    Editor::Tracks,
                    {"track_data[1][9..10] | Track 2 fuel consumption: 2437 → 2500",
                     "track_data[1][11..12] | Track 2 tyre consumption: 923 → 1000"}}),
    [](const auto& info) { return std::string(nameOf(info)); });

} // namespace
