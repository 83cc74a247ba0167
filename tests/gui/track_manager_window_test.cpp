// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/positions.h"
#include "editor_harness.h"
#include "editors/track/track_data.h"
#include "game/demo_game.h"
#include "install/track_manager_window.h"

#include <QPushButton>
#include <QtTest>

namespace {

std::vector<std::uint8_t> bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Whether `exe` holds the whole of `block` at `at`.
bool holds(const std::vector<std::uint8_t>& exe, std::uint32_t at, const std::vector<std::uint8_t>& block)
{
    return !block.empty() && std::equal(block.begin(), block.end(), exe.begin() + at);
}

} // namespace

class TrackManagerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void packThenOriginalTracks()
    {
        EditorHarness h;
        kvrgui::Tinsttform w(h.services);
        w.show();
        const auto untouched = h.gameFile("KVR.EXE");
        const std::uint32_t names = kvr::positionOf(kvr::Row::TrackManagerFirst, 0);

        // A cancelled CD dialog changes nothing, the track data stays as read.
        h.prompt.fileAnswers = {std::nullopt};
        QTest::mouseClick(w.originalButton(), Qt::LeftButton);
        QCOMPARE(h.gameFile("KVR.EXE"), untouched);
        QVERIFY(h.document.trackDataKnown());

        QTest::mouseClick(w.packButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Tracks installed!"));
        QVERIFY(holds(h.gameFile("KVR.EXE"), names, bytesOf(h.context.home.data("ENGTN.DAT"))));
        QCOMPARE(bytesOf(kvr::trackFilePath(h.game(), 15)), bytesOf(h.context.home.data("F1CT16.DAT")));
        QVERIFY2(!h.document.trackDataKnown(), "the track editor reads the new tracks on its next entry");

        const std::filesystem::path cd = h.root() / "cd";
        kvr::makeDemoCd(cd, 0, h.context.patchList());
        h.prompt.fileAnswers = {cd / "KVR.EXE"};
        QTest::mouseClick(w.originalButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Original tracks installed!"));
        const auto exe = h.gameFile("KVR.EXE");
        QVERIFY(holds(exe, names, bytesOf(h.context.home.data("ENGTN_O.DAT"))));
        QCOMPARE(exe.at(0x10C032), std::uint8_t(0x90));
        QCOMPARE(bytesOf(kvr::trackFilePath(h.game(), 15)), bytesOf(kvr::trackFilePath(cd, 15)));
        QVERIFY(h.prompt.warned.empty());
        QVERIFY(h.prompt.unexpected.empty());
        QVERIFY(h.fatal.empty());

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TrackManagerWindowTest)
#include "track_manager_window_test.moc"
