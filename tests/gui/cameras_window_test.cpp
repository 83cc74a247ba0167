// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/positions.h"
#include "core/settings_record.h"
#include "editor_harness.h"
#include "editors/cameras/cameras_window.h"
#include "graphics/wing_image_view.h"
#include "widgets/translation_qt.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <fstream>

namespace rec = kvr::rec;
using namespace kvr::cameras;

class CamerasWindowTest : public QObject {
    Q_OBJECT

    static std::uint16_t gameWord(const std::vector<std::uint8_t>& exe, int record, int word)
    {
        const std::uint32_t at =
            kvr::positionOf(kvr::Row::Cameras, 0) + 16 * std::uint32_t(record) + 2 * std::uint32_t(word);
        return std::uint16_t(exe[at] | exe[at + 1] << 8);
    }

    static void type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

private slots:
    void cleanup() { kvrgui::useLanguage(QStringLiteral("en")); }

    void choosingACameraShowsItsViewAndValues()
    {
        EditorHarness h;
        kvrgui::TCameraForm w(h.services);
        w.show();
        QCOMPARE(w.cameraList()->count(), 9);
        QCOMPARE(w.defaultView()->model().shownRect(), (kvr::PixelRect{401, 68, 100, 67}));
        w.cameraList()->setCurrentRow(6);
        QCOMPARE(w.selectedCamera(), 7);
        QCOMPARE(w.defaultView()->model().shownRect(), (kvr::PixelRect{101, 68, 100, 67}));
        // Camera 7 is record 6 of the demo values.
        QCOMPARE(w.box(DistanceY)->text(), QStringLiteral("110"));
        QCOMPARE(w.box(Height)->text(), QStringLiteral("252"));
        QCOMPARE(w.box(AngleZ)->text(), QStringLiteral("2.000"));
        QCOMPARE(w.box(AngleY)->text(), QStringLiteral("0.000"));
        QCOMPARE(w.box(Tuning1)->text(), QStringLiteral("17920"));
    }

    void typedValuesReachTheGameAndTheHiddenRecordsStay()
    {
        EditorHarness h;
        kvrgui::TCameraForm w(h.services);
        w.show();
        w.cameraList()->setCurrentRow(2);
        const auto before = h.gameFile("KVR.EXE");

        type(w.box(AngleX), QStringLiteral("90"));
        QCOMPARE(h.document.record().word(rec::camera(2, AngleX)), std::uint16_t(0x4000));
        QCOMPARE(w.box(AngleX)->text(), QStringLiteral("90.000"));
        type(w.box(AngleZ), QStringLiteral("180"));
        QCOMPARE(h.document.record().word(rec::camera(2, AngleZ)), std::uint16_t(0x8000));
        type(w.box(AngleY), QStringLiteral("0.01"));
        QCOMPARE(h.document.record().word(rec::camera(2, AngleY)), std::uint16_t(2));
        type(w.box(Tuning2), QStringLiteral("40000"));
        QCOMPARE(h.document.record().word(rec::camera(2, Tuning2)), std::uint16_t(40000));

        type(w.box(Height), QStringLiteral("high"));
        QCoreApplication::processEvents();
        QCOMPARE(h.prompt.warned.size(), std::size_t(1));
        QCOMPARE(w.box(Height)->text(), QStringLiteral("204"));
        QCOMPARE(h.document.record().word(rec::camera(2, Height)), std::uint16_t(204));

        // Choosing the camera again shows what is stored.
        w.cameraList()->setCurrentRow(0);
        w.cameraList()->setCurrentRow(2);
        QCOMPARE(w.box(AngleZ)->text(), QStringLiteral("-180.000"));

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        const auto exe = h.gameFile("KVR.EXE");
        QCOMPARE(gameWord(exe, 2, AngleX), std::uint16_t(0x4000));
        QCOMPARE(gameWord(exe, 2, AngleY), std::uint16_t(2));
        QCOMPARE(gameWord(exe, 2, Tuning2), std::uint16_t(40000));
        for (int record : {9, 10})
            for (int word = 0; word < kWords; ++word)
                QCOMPARE(gameWord(exe, record, word), gameWord(before, record, word));
        QVERIFY(h.fatal.empty());
    }

    // Angles are written as the editor's language writes them; "." and "," are both taken
    // as the decimal separator, never as a thousands separator.
    void anglesFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("shownAfter");
        QTest::newRow("German comma") << "de"
                                      << "0,000"
                                      << "1,5" << 273 << "1,500";
        QTest::newRow("German point") << "de"
                                      << "0,000"
                                      << "-12.3" << 63297 << "-12,300";
        QTest::newRow("German, both") << "de"
                                      << "0,000"
                                      << "1.234,5" << 0 << "0,000";
        QTest::newRow("French") << "fr"
                                << "0,000"
                                << "0,01" << 2 << "0,011";
        QTest::newRow("English") << "en"
                                 << "0.000"
                                 << "1.5" << 273 << "1.500";
    }

    void anglesFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(int, word);
        QFETCH(QString, shownAfter);
        QVERIFY(kvrgui::useLanguage(language));
        EditorHarness h;
        kvrgui::TCameraForm w(h.services);
        w.show();
        QCOMPARE(w.box(AngleX)->text(), shown);

        type(w.box(AngleX), typed);
        QCoreApplication::processEvents();
        QCOMPARE(h.prompt.warned.size(), std::size_t(word == 0 ? 1 : 0));
        QCOMPARE(w.box(AngleX)->text(), shownAfter);
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(gameWord(h.gameFile("KVR.EXE"), 0, AngleX), std::uint16_t(word));
        // Passing through a box with the shown text moves nothing.
        type(w.box(AngleZ), w.box(AngleZ)->text());
        QCOMPARE(h.document.record().word(rec::camera(0, AngleZ)), kvr::cameraAngleWord(-4.0));
    }

    void anImportShowsAtOnce()
    {
        EditorHarness h;
        kvrgui::TCameraForm w(h.services);
        w.show();
        {
            std::fstream exe(h.game() / "KVR.EXE", std::ios::binary | std::ios::in | std::ios::out);
            exe.seekp(kvr::positionOf(kvr::Row::Cameras, 0) + 2 * Height);
            exe.write("\x39\x05", 2);
        }
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been imported!"));
        QCOMPARE(w.box(Height)->text(), QStringLiteral("1337"));
        // Leaving the box now keeps the imported value.
        w.box(Height)->setFocus();
        w.cameraList()->setFocus();
        QCOMPARE(h.document.record().word(rec::camera(0, Height)), std::uint16_t(1337));

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(CamerasWindowTest)
#include "cameras_window_test.moc"
