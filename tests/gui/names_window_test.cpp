// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/checksum.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "editor_boxes.h"
#include "editors/names/names_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolTip>
#include <QWheelEvent>
#include <QtTest>

namespace rec = kvr::rec;

class NamesWindowTest : public QObject {
    Q_OBJECT

    static std::string bytesAt(const std::vector<std::uint8_t>& file, std::uint32_t at, std::size_t count)
    {
        return std::string(file.begin() + at, file.begin() + at + std::ptrdiff_t(count));
    }

    static std::string padded(const std::string& name, std::size_t width)
    {
        return name + std::string(width - name.size(), '\0');
    }

    // Keys with any character on them, as a keyboard of another language types them.
    static void typeAny(QWidget* box, const QString& text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

  private slots:
    void editsReachBothGameFiles()
    {
        EditorHarness h;
        // Team 2's second driver carries a number without a name entry.
        h.document.change("odd", [](kvr::SettingsRecord& r) { r.setByte(rec::carNumber(4), 77); });
        const kvr::SettingsRecord before = h.document.record();
        kvrgui::TNamesForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.teamList()->count(), 14);
        QCOMPARE(w.teamList()->item(0)->text(), QStringLiteral("Corvane-Zephrin V10"));

        w.teamList()->setCurrentRow(1);
        QCOMPARE(w.currentTeam(), 2);
        QCOMPARE(w.driverNameBox(true)->currentText(), QStringLiteral("Corin Malvaux"));
        QCOMPARE(w.numberBox(false)->currentIndex(), -1);
        QCOMPARE(w.driverNameBox(false)->currentText(), QString());
        QVERIFY(!w.driverNameBox(false)->isEnabled());
        QCOMPARE(w.selectedButton(4)->text(), QString());
        QCOMPARE(h.document.record(), before);

        // The list follows every key; the box stops at 13 characters.
        typeInto(w.teamNameBox(), QStringLiteral("Nordvik Racing Team"));
        QCOMPARE(w.teamList()->item(1)->text(), QStringLiteral("Nordvik Racin-Mordane V8"));
        QCOMPARE(w.teamNameBox()->currentText(), QStringLiteral("Nordvik Racin"));

        // A number for the odd slot brings the name stored under it, which is then renamed.
        w.numberBox(false)->setCurrentIndex(32);
        QCOMPARE(w.driverNameBox(false)->currentText(), QStringLiteral("Gaspard Rellion"));
        QCOMPARE(w.selectedButton(4)->text(), QStringLiteral("33"));
        typeInto(w.driverNameBox(false), QStringLiteral("Ines Marrow"));
        QCOMPARE(h.document.record().shortString(rec::driverName(33), 24), std::string("Ines Marrow"));
        QCOMPARE(w.driverNameBox(false)->itemText(32), QStringLiteral("Ines Marrow"));
        QCOMPARE(h.document.record().shortString(rec::driverName(3), 24), std::string("Corin Malvaux"));

        QTest::mouseClick(w.selectedButton(4), Qt::LeftButton);
        QVERIFY(w.selectedButton(4)->isChecked());
        QVERIFY(!w.numberZeroCheck()->isChecked());
        w.numberZeroCheck()->click();

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        QVERIFY(h.fatal.empty());
        const auto exe = h.gameFile("KVR.EXE");
        QCOMPARE(exe[kvr::positionOf(kvr::Row::CarNumbers, 0) + 3], std::uint8_t(33 + 128));
        QCOMPARE(bytesAt(exe, kvr::positionOf(kvr::Row::TeamNames, 0) + 13, 13), std::string("Nordvik Racin"));
        QCOMPARE(bytesAt(exe, kvr::positionOf(kvr::Row::DriverNames, 0) + 32 * 24, 24), padded("Ines Marrow", 24));
        QCOMPARE(exe[kvr::positionOf(kvr::Row::NumberZero, 0)], std::uint8_t(0xFF));
        const auto state = h.gameFile("F1GSTATE.SAV");
        QCOMPARE(state[kvr::statepos::kCarNumbers + 3], std::uint8_t(33 + 128));
        QCOMPARE(bytesAt(state, kvr::statepos::kTeamNames + 13, 13), std::string("Nordvik Racin"));
        QCOMPARE(bytesAt(state, kvr::statepos::kDriverNames + 32 * 24, 24), padded("Ines Marrow", 24));
        QVERIFY(kvr::computeChecksum(state) == kvr::storedChecksum(state));
    }

    // A name box takes, as the user types, only what its field holds and the game can
    // show, and says why it refuses the rest.
    void nameBoxesTakeOnlyWhatTheGameCanHold()
    {
        EditorHarness h;
        kvrgui::TNamesForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QComboBox* team = w.teamNameBox();
        team->setFocus();
        team->lineEdit()->selectAll();
        typeAny(team, QStringLiteral("Caf\u00e9\u0416s \u20ac"));
        QCOMPARE(team->currentText(), QStringLiteral("Caf\u00e9s \u20ac"));
        QVERIFY2(QToolTip::text().contains(QStringLiteral("cannot show \u201c\u0416\u201d")),
                 qPrintable(QToolTip::text()));
        QTest::keyClicks(team, QStringLiteral("1234567"));
        QCOMPARE(team->currentText(), QStringLiteral("Caf\u00e9s \u20ac123456"));
        QVERIFY2(QToolTip::text().contains(QStringLiteral("at most 13 characters")), qPrintable(QToolTip::text()));
        QTest::keyClick(team, Qt::Key_Return);

        QComboBox* driver = w.driverNameBox(true);
        driver->setFocus();
        driver->lineEdit()->selectAll();
        typeAny(driver, QStringLiteral("\u0141ukasz \u00d8stberg-Lindqvist Jr"));
        QTest::keyClick(driver, Qt::Key_Return);

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        const auto exe = h.gameFile("KVR.EXE");
        QCOMPARE(bytesAt(exe, kvr::positionOf(kvr::Row::TeamNames, 0), 13), std::string("Caf\xE9s \x80"
                                                                                        "123456"));
        const int car = h.document.record().byte(rec::carNumber(1));
        QCOMPARE(bytesAt(exe, kvr::positionOf(kvr::Row::DriverNames, 0) + std::uint32_t(car - 1) * 24, 24),
                 std::string("ukasz \xD8stberg-Lindqvist "));
    }

    void theWheelPassingOverABoxChangesNothing()
    {
        EditorHarness h;
        kvrgui::TNamesForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.teamList()->setFocus();
        const kvr::SettingsRecord before = h.document.record();
        for (QComboBox* box : {w.teamNameBox(), w.numberBox(true)}) {
            QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &wheel);
        }
        QCOMPARE(h.document.record(), before);
    }

    void switchingOffImportAndRestoreShowAtOnce()
    {
        EditorHarness h;
        kvrgui::TNamesForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.enabledCheck()->click();
        QCOMPARE(h.document.record().byte(rec::teamEnabled(1)), std::uint8_t(0));
        QVERIFY(!w.teamNameBox()->isEnabled());
        QVERIFY(!w.numberBox(true)->isEnabled());
        QVERIFY(!w.selectedButton(1)->isEnabled());
        QVERIFY(w.selectedButton(3)->isEnabled());

        // The game's roster comes back with team 1 on, since its first driver has a number.
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been imported!"));
        QVERIFY(w.enabledCheck()->isChecked());
        QVERIFY(w.teamNameBox()->isEnabled());
        QVERIFY(w.selectedButton(1)->isEnabled());

        typeInto(w.teamNameBox(), QStringLiteral("Zz"));
        QCOMPARE(w.teamList()->item(0)->text(), QStringLiteral("Zz-Zephrin V10"));
        // Typing inside the name keeps the cursor where it is.
        w.teamNameBox()->setFocus();
        QTest::keyClick(w.teamNameBox(), Qt::Key_Home);
        QTest::keyClicks(w.teamNameBox(), QStringLiteral("AB"));
        QCOMPARE(w.teamList()->item(0)->text(), QStringLiteral("ABZz-Zephrin V10"));
        QTest::mouseClick(w.restoreButton(), Qt::LeftButton);
        const QString original =
            QString::fromStdString(h.document.record().shortString(rec::teamName(1), rec::kTeamNameChars));
        QVERIFY(original != QStringLiteral("Zz"));
        QCOMPARE(w.teamNameBox()->currentText(), original);
        QVERIFY(w.teamList()->item(0)->text().startsWith(original + QLatin1Char('-')));

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(NamesWindowTest)
#include "names_window_test.moc"
