// SPDX-License-Identifier: GPL-3.0-or-later
// `kvrdesk FILE...`: the settings files and patches the editor is started with open one
// after another as their menu items do, asking before unsaved settings are replaced.
#include "app/main_window.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "game/launch_files.h"
#include "game/record_patch.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"

#include <QtTest>

#include <fstream>
#include <optional>
#include <string>

using kvrgui::TMainForm;
using Kind = kvr::LaunchFile::Kind;
namespace rec = kvr::rec;

namespace {

constexpr std::uint16_t kStartGrip = 0;
constexpr std::uint16_t kFileGrip = 14111;
constexpr std::uint16_t kPatchedPower = 777;

struct Expected {
    std::uint16_t grip; // grip.race[2]: from the game, or the settings file
    bool patched;       // engine power of team 3 in qualifying is the patch's
};

} // namespace

class LaunchFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void filesOpenInOrderAsTheirMenuItemsDo()
    {
        Setup s;
        s.makeGame();
        // A settings file and a patch made against the game's own values.
        GuiPrompt probe;
        TMainForm start(s.home, probe);
        QCOMPARE(start.startUp(s.game()), TMainForm::StartResult::Ready);
        const kvr::SettingsRecord game = start.record();
        kvr::SettingsRecord fromFile = game;
        fromFile.setWord(rec::gripRace(2), kFileGrip);
        const fs::path settings = s.root() / "mods" / "fast.KVS";
        fs::create_directories(settings.parent_path());
        QVERIFY(kvr::writeSettingsFile(settings, fromFile));
        kvr::SettingsRecord patched = game;
        patched.setWord(rec::enginePowerQualifying(3), kPatchedPower);
        const fs::path patch = s.root() / "mods" / "power.kvpatch";
        std::ofstream(patch, std::ios::binary) << kvr::patchText(kvr::makePatch(game, patched));
        const std::uint16_t gameGrip = game.word(rec::gripRace(2));
        QVERIFY(gameGrip != kFileGrip && game.word(rec::enginePowerQualifying(3)) != kPatchedPower);

        const kvr::LaunchFile S{Kind::SettingsFile, settings};
        const kvr::LaunchFile P{Kind::Patch, patch};
        const kvr::LaunchFile missing{Kind::SettingsFile, s.root() / "gone.kvs"};
        const struct {
            const char* what;
            std::vector<kvr::LaunchFile> files;
            std::deque<bool> previews;                // answers to the patch previews
            std::deque<std::optional<int>> questions; // answers to "save the settings first?"
            Expected expected;
            bool fromSettingsFile;
            std::size_t warnings;
        } cases[] = {
            {"a settings file loads", {S}, {}, {}, {kFileGrip, false}, true, 0},
            {"a patch opens its preview; Apply changes the record", {P}, {true}, {}, {kStartGrip, true}, false, 0},
            {"Cancel in the preview changes nothing", {P}, {false}, {}, {kStartGrip, false}, false, 0},
            {"a patch over a settings file: no question", {S, P}, {true}, {}, {kFileGrip, true}, true, 0},
            {"a settings file after an applied patch asks; Discard loads it",
             {P, S},
             {true},
             {1},
             {kFileGrip, false},
             true,
             0},
            {"Cancel keeps the patched settings", {P, S}, {true}, {std::nullopt}, {kStartGrip, true}, false, 0},
            {"a missing settings file is told, the next file still opens",
             {missing, P},
             {true},
             {},
             {kStartGrip, true},
             false,
             1},
        };
        for (const auto& c : cases) {
            GuiPrompt prompt;
            prompt.listAnswers = c.previews;
            prompt.chooseAnswers = c.questions;
            TMainForm form(s.home, prompt);
            QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
            form.openLaunchFiles(c.files);
            const std::uint16_t grip = c.expected.grip == kStartGrip ? gameGrip : c.expected.grip;
            QVERIFY2(form.record().word(rec::gripRace(2)) == grip, c.what);
            QVERIFY2((form.record().word(rec::enginePowerQualifying(3)) == kPatchedPower) == c.expected.patched,
                     c.what);
            QVERIFY2((form.document().origin().kind == kvrgui::RecordOrigin::Kind::File) == c.fromSettingsFile, c.what);
            QVERIFY2(prompt.listsShown.size() == c.previews.size(), c.what);
            QVERIFY2(prompt.chosen.size() == c.questions.size(), c.what);
            QVERIFY2(prompt.warned.size() == c.warnings, c.what);
            QVERIFY2(prompt.unexpected.empty(), c.what);
        }
    }
};

QTEST_MAIN(LaunchFilesTest)
#include "launch_files_test.moc"
