// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/positions.h"
#include "editor_harness.h"
#include "install/cockpit_definition.h"
#include "install/cockpit_manager_window.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

std::vector<std::uint8_t> bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

class CockpitManagerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theChosenSetIsInstalled()
    {
        EditorHarness h;
        kvrgui::TInstCForm w(h.services);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Cockpit manager"));
        QVERIFY(w.setButton(0)->isChecked());
        QTest::mouseClick(w.setButton(3), Qt::LeftButton);
        QCOMPARE(w.chosenSet(), "B197");

        QTest::mouseClick(w.installButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed, std::vector<std::string>{"New cockpit installed!"});
        const kvr::CockpitSources sources = kvr::cockpitSources(h.context.home, "B197", 0);
        QCOMPARE(h.gameFile("BITMAPS/CPITHI.PCX"), bytesOf(sources.highPicture));
        QCOMPARE(h.gameFile("BITMAPS/CPITLOW.PCX"), bytesOf(sources.lowPicture));
        const kvr::CockpitDefinition definition = kvr::readCockpitDefinition(sources.definition);
        const auto exe = h.gameFile("KVR.EXE");
        QCOMPARE(exe.at(0xEA3A2), std::uint8_t(definition.yLimit & 0xFF));
        QCOMPARE(exe.at(0x139C7C), std::uint8_t(definition.txtHigh[0][0] & 0xFF));

        // Twice is the same as once.
        QTest::mouseClick(w.installButton(), Qt::LeftButton);
        QCOMPARE(h.gameFile("KVR.EXE"), exe);
        QVERIFY(h.prompt.warned.empty());
        QVERIFY(h.fatal.empty());

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(CockpitManagerWindowTest)
#include "cockpit_manager_window_test.moc"
