// SPDX-License-Identifier: GPL-3.0-or-later
// The Mods window on a demo game: mods put on through its buttons after the preview, the
// conflict it shows, Alt+Up to change who wins, the record following the game, the command
// line seeing the same list, and the game's files as they were once all are off.
#include "app/mods_window.h"
#include "core/settings_record.h"
#include "editor_harness.h"
#include "game/import_export.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

namespace fs = std::filesystem;
namespace rec = kvr::rec;

namespace {

fs::path writeText(const fs::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
    return file;
}

std::uint16_t gameGrip(const EditorHarness& h)
{
    kvr::SettingsRecord r;
    kvr::readGameValues(h.context, r, std::nullopt);
    return r.word(rec::gripRace(4));
}

} // namespace

class ModsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void putOnMoveAndTakeOffThroughTheWindow()
    {
        EditorHarness h;
        const auto exe = h.gameFile("KVR.EXE");
        const auto state = h.gameFile("F1GSTATE.SAV");
        const fs::path wet = writeText(h.root() / "wet.kvpatch",
                                       R"({"kvpatch": 1, "title": "Wet", "author": "Ann", "description": "For rain.",
            "changes": [{"field": "grip.race[3]", "from": 0, "to": 16500}]})");
        const fs::path dry = writeText(h.root() / "dry.kvpatch", R"({"kvpatch": 1, "title": "Dry", "changes": [
            {"field": "grip.race[3]", "from": 0, "to": 17000}, {"field": "team_names[1]", "from": "", "to": "Kite"}]})");
        kvrgui::TModsForm form(h.services);
        form.show();
        QVERIFY(!form.modList()->accessibleName().isEmpty());
        QVERIFY(!form.conflictList()->accessibleName().isEmpty());
        QVERIFY(!form.takeOffButton()->isEnabled());

        // The preview first; Cancel changes nothing.
        h.prompt.fileAnswers = {wet, wet, dry};
        h.prompt.listAnswers = {false, true, true};
        QTest::mouseClick(form.putOnButton(), Qt::LeftButton);
        QCOMPARE(form.modList()->count(), 0);
        QVERIFY(h.gameFile("KVR.EXE") == exe);
        QTest::mouseClick(form.putOnButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.listsShown.back().size(), std::size_t(1));
        QVERIFY(h.prompt.listsShown.back()[0].ends_with(" \u2192 16500"));
        QTest::mouseClick(form.putOnButton(), Qt::LeftButton);
        QCOMPARE(form.modList()->count(), 2);
        QCOMPARE(form.modList()->item(0)->text(), QStringLiteral("1. Wet, by Ann"));
        QCOMPARE(form.modList()->currentRow(), 1);
        QCOMPARE(form.conflictList()->count(), 1);
        QCOMPARE(form.conflictList()->item(0)->text(),
                 QStringLiteral("Dario Festanni grip, other sessions: Wet sets 16500, Dry sets 17000; Dry holds"));
        QCOMPARE(gameGrip(h), std::uint16_t(17000));
        // The record follows the game: no window holds the old value to write it back.
        QCOMPARE(h.document.record().word(rec::gripRace(4)), std::uint16_t(17000));
        QCOMPARE(h.document.record().shortString(rec::teamName(2), rec::kTeamNameChars), std::string("Kite"));

        // Alt+Up from the list moves the chosen mod up: Wet, now later, holds.
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.modList()->setFocus();
        QTest::keyClick(form.modList(), Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(form.modList()->item(0)->text(), QStringLiteral("1. Dry"));
        QCOMPARE(form.modList()->currentRow(), 0);
        QCOMPARE(gameGrip(h), std::uint16_t(16500));
        QCOMPARE(h.document.record().word(rec::gripRace(4)), std::uint16_t(16500));
        QVERIFY(form.description()->toPlainText().startsWith(QStringLiteral("Dry (dry.kvpatch)")));

        // The command line sees the same list.
        QProcess cli;
        cli.start(QStringLiteral(KVR_CLI), {QStringLiteral("mods"), QStringLiteral("--game"),
                                            QString::fromStdString(h.game().string()), QStringLiteral("list")});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        QVERIFY(cli.readAllStandardOutput().startsWith("1. Dry (dry.kvpatch, 2 values)\n2. Wet, by Ann"));

        h.prompt.listAnswers = {true, true};
        QTest::mouseClick(form.takeOffButton(), Qt::LeftButton);
        QCOMPARE(form.modList()->count(), 1);
        QTest::mouseClick(form.takeOffButton(), Qt::LeftButton);
        QCOMPARE(form.modList()->count(), 0);
        QVERIFY(h.gameFile("KVR.EXE") == exe);
        QVERIFY(h.gameFile("F1GSTATE.SAV") == state);
        QCOMPARE(h.document.record().word(rec::gripRace(4)), std::uint16_t(gameGrip(h)));
        QVERIFY2(h.prompt.unexpected.empty(), h.prompt.unexpected.empty() ? "" : h.prompt.unexpected[0].c_str());
        QVERIFY(h.fatal.empty());
    }
};

QTEST_MAIN(ModsWindowTest)
#include "mods_window_test.moc"
