// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ie_window.h"
#include "core/checksum.h"
#include "core/settings_record.h"
#include "editor_harness.h"
#include "editors/tuning/patch_list.h"
#include "game/demo_game.h"
#include "game/game_context.h"
#include "widgets/translation_qt.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace fs = std::filesystem;
namespace rec = kvr::rec;

class IEWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void choicesSetTheirOwnFlagOnly()
    {
        EditorHarness h;
        kvrgui::TIEForm form(h.services);
        form.show();
        QVERIFY(form.namesFromState()->isChecked());
        QVERIFY(form.cockpitFromState()->isChecked());
        QTest::mouseClick(form.cockpitFromExe(), Qt::LeftButton);
        QVERIFY(!h.context.config.cockpitColoursInStateFile);
        QVERIFY(h.context.config.namesInStateFile);
        QTest::mouseClick(form.namesFromExe(), Qt::LeftButton);
        QVERIFY(!h.context.config.namesInStateFile);
        QTest::mouseClick(form.namesFromState(), Qt::LeftButton);
        QVERIFY(h.context.config.namesInStateFile);
        QCOMPARE(form.namesFromState()->text(), QStringLiteral("F1GSTATE.SAV file"));
    }

    void importThenExportThroughTheButtons()
    {
        EditorHarness h;
        h.document.reset(kvr::SettingsRecord());
        kvrgui::TIEForm form(h.services);
        form.show();
        QTest::mouseClick(form.importButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed, std::vector<std::string>{"All data has been imported!"});
        QCOMPARE(h.document.record().shortString(rec::teamName(2), 13),
                 kvr::demoRecord().shortString(rec::teamName(2), 13));
        QVERIFY(h.document.trackDataKnown());

        h.document.change("rename", [](kvr::SettingsRecord& r) { r.setShortString(rec::teamName(2), 13, "Exported"); });
        // The export first lists what it will change; Cancel writes nothing.
        const auto exe = h.gameFile("KVR.EXE");
        h.prompt.listAnswers = {false, true};
        QTest::mouseClick(form.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.listsShown.back(), std::vector<std::string>{"Exported name: \"Halvex\" \u2192 \"Exported\""});
        QVERIFY(h.gameFile("KVR.EXE") == exe);
        QCOMPARE(h.prompt.informed.back(), std::string("All data has been imported!"));
        QTest::mouseClick(form.exportButton(), Qt::LeftButton);
        QVERIFY(h.fatal.empty());
        QCOMPARE(h.prompt.informed.back(), std::string("All data has been exported!"));
        QVERIFY(kvr::verifyChecksumFile(h.game() / "F1GSTATE.SAV"));
        QTest::mouseClick(form.importButton(), Qt::LeftButton);
        QCOMPARE(h.document.record().shortString(rec::teamName(2), 13), std::string("Exported"));
        QVERIFY(h.prompt.unexpected.empty());
    }

    // On a German game the export's list is German and names the team's engine, the driver
    // and the track as the windows do.
    void theExportPreviewSpeaksTheGamesLanguage()
    {
        EditorHarness h(1);
        QVERIFY(kvrgui::useLanguage(QStringLiteral("de")));
        h.document.change("edit", [](kvr::SettingsRecord& r) {
            r.setWord(rec::enginePowerQualifying(2), 800);
            r.setWord(rec::gripQualifying(1), 12345);
        });
        kvrgui::TIEForm form(h.services);
        form.show();
        h.prompt.listAnswers = {false};
        QTest::mouseClick(form.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.listMessages.size(), std::size_t(1));
        QStringList shown;
        for (const kvr::Message& line : h.prompt.listMessages[0])
            shown << kvrgui::translatedMessage(line);
        QCOMPARE(shown, (QStringList{QStringLiteral("Halvex-Mordane V8, Qualifikation: %1 \u2192 800 BHP")
                                         .arg(kvr::demoRecord().word(rec::enginePowerQualifying(2))),
                                     QStringLiteral("Aurel Venkamp, Grip in der Qualifikation: %1 \u2192 12345")
                                         .arg(kvr::demoRecord().word(rec::gripQualifying(1)))}));
        QCOMPARE(kvrgui::translatedMessage(h.prompt.said.back()),
                 QString::fromUtf8("Diese Werte werden im Spiel ge\u00E4ndert:"));
        QVERIFY(h.prompt.unexpected.empty());
        kvrgui::useLanguage(QStringLiteral("en"));
    }

    void theExportPreviewSaysWhatHappensWithoutTrackFiles()
    {
        EditorHarness h;
        fs::remove_all(h.game() / "CIRCUITS");
        h.document.change("edit", [](kvr::SettingsRecord& r) { r.setWord(rec::gripRace(1), 12345); });
        kvrgui::TIEForm form(h.services);
        form.show();
        const auto exe = h.gameFile("KVR.EXE");
        h.prompt.listAnswers = {false};
        QTest::mouseClick(form.exportButton(), Qt::LeftButton);
        QCOMPARE(
            h.prompt.listTexts,
            std::vector<std::string>{
                "The track files are missing from the game's CIRCUITS folder, so the track data cannot be compared. "
                "After the other values, the export will ask to install the track files from the game CD, and without "
                "them it stops before the track data.\n\nThese values will change in the game:"});
        QCOMPARE(h.prompt.listsShown.back(),
                 std::vector<std::string>{"Aurel Venkamp grip, other sessions: " +
                                          std::to_string(kvr::demoRecord().word(rec::gripRace(1))) + " \u2192 12345"});
        QVERIFY2(h.gameFile("KVR.EXE") == exe, "Cancel writes nothing");
        QVERIFY(!fs::exists(h.game() / "CIRCUITS"));
        QVERIFY(h.prompt.confirmed.empty());
        QVERIFY(h.prompt.unexpected.empty());
    }

    void aMissingGameIsFatal()
    {
        EditorHarness h;
        fs::remove(h.game() / "KVR.EXE");
        kvrgui::TIEForm form(h.services);
        form.show();
        QTest::mouseClick(form.importButton(), Qt::LeftButton);
        QCOMPARE(h.fatal, std::vector<std::string>{" File access error! "});
        QVERIFY(h.prompt.informed.empty());
    }
};

QTEST_MAIN(IEWindowTest)
#include "ie_window_test.moc"
