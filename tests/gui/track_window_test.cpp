// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/checksum.h"
#include "core/game_file.h"
#include "editor_boxes.h"
#include "editors/track/track_data.h"
#include "editors/track/track_window.h"
#include "widgets/prompt_qt.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

namespace {

std::vector<std::uint8_t> bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Where the setup of a track file starts.
std::size_t setupAt(const std::vector<std::uint8_t>& track)
{
    return kvr::trackSetupPosition(wordAt(track, kvr::track::kSetupWordPosition));
}

constexpr std::size_t kTyreTable = 0x138A48;

} // namespace

class TrackWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void typingChoosingAndExportingReachTheGame()
    {
        EditorHarness h;
        // Track 6 holds a tyre byte beyond "D", as some track files do.
        h.document.change("tyre", [](kvr::SettingsRecord& r) {
            kvr::TrackSetup s = kvr::trackSetup(r, 5);
            s.tyreType = 4;
            kvr::setTrackSetup(r, 5, s);
        });
        kvrgui::TTrackEdForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        kvr::GameFile exe = kvr::GameFile::open(h.game() / "KVR.EXE");
        const std::vector<std::string> names = kvr::readTrackNames(exe, 0);
        QCOMPARE(w.trackList()->count(), 16);
        QCOMPARE(w.trackList()->item(15)->text(), kvrgui::fromAnsi(names[15]));
        QCOMPARE(w.trackList()->currentRow(), 0);

        w.trackList()->setCurrentRow(5);
        QCOMPARE(w.selectedTrack(), 5);
        QCOMPARE(w.tyreCombo()->currentIndex(), -1);

        w.trackList()->setCurrentRow(2);
        const kvr::TrackSetup before = kvr::trackSetup(h.document.record(), 2);
        QCOMPARE(w.frontWingEdit()->text(), QString::number(before.frontWing));

        // A gear box is stored when it is left.
        typeInto(w.gearEdit(1), QStringLiteral("44"));
        QCOMPARE(kvr::trackSetup(h.document.record(), 2).gears[0], std::uint8_t(44));
        QCOMPARE(w.gearEdit(1)->text(), QStringLiteral("44"));
        typeInto(w.frontWingEdit(), QStringLiteral("x"));
        QCOMPARE(kvr::trackSetup(h.document.record(), 2).frontWing, before.frontWing);
        QCOMPARE(w.frontWingEdit()->text(), QString::number(before.frontWing));

        // Consumption is stored at each keystroke; a letter is replaced at once.
        const int steps = h.document.undoStack()->count();
        typeOver(w.fuelConsumptionEdit(), QStringLiteral("1234"));
        QCOMPARE(kvr::trackSetup(h.document.record(), 2).fuelConsumption, std::uint16_t(1234));
        QTest::keyClicks(w.fuelConsumptionEdit(), QStringLiteral("a"));
        QCOMPARE(w.fuelConsumptionEdit()->text(), QStringLiteral("1234"));
        QCOMPARE(h.document.undoStack()->count(), steps + 1);
        typeOver(w.tyreConsumptionEdit(), QStringLiteral("4464"));
        QCOMPARE(kvr::trackSetup(h.document.record(), 2).tyreConsumption, std::uint16_t(4464));
        QCOMPARE(w.tyreConsumptionEdit()->text(), QStringLiteral("4464"));

        w.tyreCombo()->setFocus();
        w.tyreCombo()->setCurrentIndex(0);
        QTest::keyClick(w.tyreCombo(), Qt::Key_Down);
        QCOMPARE(kvr::trackSetup(h.document.record(), 2).tyreType, std::uint8_t(1));

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Tracks data has been exported!"));
        const std::filesystem::path third = kvr::trackFilePath(h.game(), 2);
        const auto track = bytesOf(third);
        const std::size_t p = setupAt(track);
        QCOMPARE(track.at(p + 2), std::uint8_t(44 + 0x97));
        QCOMPARE(track.at(p + 8), std::uint8_t(1 + 0x34));
        QCOMPARE(wordAt(track, p + 26), std::uint16_t(1234));
        QVERIFY(kvr::verifyChecksumFile(third));
        const auto sixth = bytesOf(kvr::trackFilePath(h.game(), 5));
        QCOMPARE(sixth.at(setupAt(sixth) + 8), std::uint8_t(0x38));
        const auto game = h.gameFile("KVR.EXE");
        QCOMPARE(wordAt(game, kTyreTable + 2 * 2), std::uint16_t(4464));
        for (std::size_t at : {0x10C032, 0x10C036, 0x10C073, 0x10C180, 0x10EAEC})
            QCOMPARE(game.at(at), std::uint8_t(0x90));
        QVERIFY(h.fatal.empty());
        QVERIFY(h.prompt.warned.empty());
    }

    // Emptying a consumption box leaves it empty until the next number; the export
    // preview shows the value whole.
    void anEmptiedBoxWaitsForTheNextNumber()
    {
        EditorHarness h;
        h.document.change("fuel", [](kvr::SettingsRecord& r) {
            kvr::TrackSetup s = kvr::trackSetup(r, 0);
            s.fuelConsumption = 4464;
            kvr::setTrackSetup(r, 0, s);
        });
        kvrgui::TTrackEdForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        h.services.previewEditorExport = true;
        h.prompt.listAnswers = {true};
        QLineEdit* fuel = w.fuelConsumptionEdit();
        fuel->setFocus();
        QTest::keyClick(fuel, Qt::Key_End);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(fuel, Qt::Key_Backspace);
        QCOMPARE(fuel->text(), QString());
        QTest::keyClicks(fuel, QStringLiteral("2500"));
        QCOMPARE(fuel->text(), QStringLiteral("2500"));
        QCOMPARE(kvr::trackSetup(h.document.record(), 0).fuelConsumption, std::uint16_t(2500));

        // Left empty, the box shows the stored value again.
        fuel->selectAll();
        QTest::keyClick(fuel, Qt::Key_Delete);
        QTest::keyClick(fuel, Qt::Key_Tab);
        QCOMPARE(fuel->text(), QStringLiteral("2500"));

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.listsShown.size(), std::size_t(1));
        QCOMPARE(h.prompt.listsShown[0], std::vector<std::string>{"Marvella fuel consumption: 4464 \u2192 2500"});
        const auto track = bytesOf(kvr::trackFilePath(h.game(), 0));
        QCOMPARE(wordAt(track, setupAt(track) + 26), std::uint16_t(2500));
        QVERIFY(h.prompt.unexpected.empty());
    }

    void importAndOutsideChangesShowAtOnce()
    {
        EditorHarness h;
        kvrgui::TTrackEdForm w(h.services);
        w.show();
        QVERIFY(!w.restoreButton()->isEnabled());
        const kvr::SettingsRecord fromGame = h.document.record();

        w.trackList()->setCurrentRow(4);
        h.document.change("outside", [](kvr::SettingsRecord& r) {
            kvr::TrackSetup s = kvr::trackSetup(r, 4);
            s.fuelConsumption = 777;
            kvr::setTrackSetup(r, 4, s);
        });
        QCOMPARE(w.fuelConsumptionEdit()->text(), QStringLiteral("777"));

        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Tracks data has been imported!"));
        QCOMPARE(h.document.record(), fromGame);
        QCOMPARE(w.selectedTrack(), 0);
        QCOMPARE(w.trackList()->currentRow(), 0);
        QCOMPARE(w.trackList()->count(), 16);
        QCOMPARE(w.fuelConsumptionEdit()->text(), QString::number(kvr::trackSetup(fromGame, 0).fuelConsumption));

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TrackWindowTest)
#include "track_window_test.moc"
