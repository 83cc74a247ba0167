// SPDX-License-Identifier: GPL-3.0-or-later
// What every window's boxes do alike: a number beyond the field's range, undo and redo
// keys in a box, and a window going while a box has the focus.
#include "core/positions.h"
#include "core/settings_record.h"
#include "editor_boxes.h"
#include "editors/cameras/cameras_window.h"
#include "editors/failures/failures_window.h"
#include "editors/grip/grip_window.h"
#include "editors/names/names_window.h"
#include "editors/power/power_window.h"
#include "editors/track/track_data.h"
#include "editors/track/track_window.h"
#include "editors/tuning/tuning_window.h"
#include "game/track_files.h"

#include <QPushButton>

namespace rec = kvr::rec;
using Bytes = std::vector<std::uint8_t>;
// A value as the game holds it after the window's export.
using InGame = std::function<std::int64_t(const EditorHarness&)>;

Q_DECLARE_METATYPE(InGame)

namespace {

std::int64_t exeWord(const EditorHarness& h, std::uint32_t at)
{
    const Bytes exe = h.gameFile("KVR.EXE");
    return exe.at(at) | exe.at(at + 1) << 8;
}

InGame exeWordAt(kvr::Row row, std::uint32_t offset, std::int64_t bias = 0, bool isSigned = false)
{
    return [=](const EditorHarness& h) {
        const std::int64_t word = (exeWord(h, kvr::positionOf(row, 0) + offset) - bias) & 0xFFFF;
        return isSigned && word >= 0x8000 ? word - 0x10000 : word;
    };
}

InGame exeByteAt(kvr::Row row, std::uint32_t offset)
{
    return [=](const EditorHarness& h) { return std::int64_t(h.gameFile("KVR.EXE").at(kvr::positionOf(row, 0) + offset)); };
}

constexpr std::uint32_t kTyreTable = 0x138A48;

InGame firstTyreConsumption()
{
    return [](const EditorHarness& h) { return exeWord(h, kTyreTable); };
}

// A setup byte (0 front wing, 1 rear wing, 2.. gears) of the first track file.
InGame firstTrackSetupByte(int field)
{
    return [=](const EditorHarness& h) {
        const Bytes track = h.gameFile("CIRCUITS/F1CT01.DAT");
        const auto w = std::uint16_t(track.at(kvr::track::kSetupWordPosition) |
                                     track.at(kvr::track::kSetupWordPosition + 1) << 8);
        return std::int64_t(std::uint8_t(track.at(kvr::trackSetupPosition(w) + std::size_t(field)) - 0x97));
    };
}

void pressKeys(QKeySequence keys)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keySequence(focus, keys);
}

} // namespace

class TypedValuesTest : public QObject {
    Q_OBJECT

private slots:
    void aNumberBeyondTheFieldStopsAtItsEnd_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<InGame>("inGame");
        QTest::addColumn<qint64>("expected");

        using R = kvr::Row;
        const struct {
            const char* what;
            Window window;
            const char* box;
            const char* typed;
            const char* shown;
            InGame inGame;
            qint64 expected;
        } rows[] = {
            {"failure above a word", window<kvrgui::TFailuresForm>(), "valueEdit", "70000", "65535",
             exeWordAt(R::Failures, 0), 65535},
            {"failure below 0", window<kvrgui::TFailuresForm>(), "valueEdit", "-3", "0", exeWordAt(R::Failures, 0), 0},
            {"camera height above", window<kvrgui::TCameraForm>(), "heightEdit", "40000", "32767",
             exeWordAt(R::Cameras, 2, 0, true), 32767},
            {"camera distance below", window<kvrgui::TCameraForm>(), "distanceXEdit", "-40000", "-32768",
             exeWordAt(R::Cameras, 0, 0, true), -32768},
            {"camera tuning above", window<kvrgui::TCameraForm>(), "tuning2Edit", "65537", "65535",
             exeWordAt(R::Cameras, 14), 65535},
            {"rear wing above a byte", window<kvrgui::TTrackEdForm>(), "rearWingEdit", "300", "255",
             firstTrackSetupByte(1), 255},
            {"gear below 0", window<kvrgui::TTrackEdForm>(), "gear1Edit", "-5", "0", firstTrackSetupByte(2), 0},
            {"tyre consumption above", window<kvrgui::TTrackEdForm>(), "tyreConsumptionEdit", "70000", "65535",
             firstTyreConsumption(), 65535},
            {"grip above the table", window<kvrgui::TGripForm>(), "valueEdit", "20000", "17016",
             exeWordAt(R::Grip, 0, 15751), 17016},
            {"engine power above the bar", window<kvrgui::TEPowerForm>(), "bhpEdit1", "2000", "1579",
             exeWordAt(R::EnginePower, 0, 32817), 1579},
            {"practice fuel above a byte", window<kvrgui::TCTuningForm>(), "practiceFuel", "300", "255",
             exeByteAt(R::PracticeFuel, 0), 255},
        };
        for (const auto& r : rows)
            QTest::newRow(r.what) << r.window << QString::fromLatin1(r.box) << QString::fromLatin1(r.typed)
                                  << QString::fromLatin1(r.shown) << r.inGame << r.expected;
    }

    void aNumberBeyondTheFieldStopsAtItsEnd()
    {
        QFETCH(Window, window);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(InGame, inGame);
        QFETCH(qint64, expected);

        EditorHarness h;
        const std::unique_ptr<kvrgui::EditorWindow> w = window(h.services);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QWidget* typedBox = boxNamed(*w, box.toLatin1().constData());
        typeInto(typedBox, typed);
        QCOMPARE(boxText(typedBox), shown);
        QTest::mouseClick(w->exportButton(), Qt::LeftButton);
        QCOMPARE(inGame(h), expected);
        QVERIFY(h.prompt.warned.empty());
        QVERIFY(h.fatal.empty());
    }

    // After Enter the focus stands in the next box, whose own history is empty: the keys
    // undo and redo the record.
    void undoAndRedoKeysReachTheRecordFromABox_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<InGame>("inGame");
        QTest::addColumn<qint64>("original");
        QTest::addColumn<qint64>("changed");

        using R = kvr::Row;
        const struct {
            const char* what;
            Window window;
            const char* box;
            const char* typed;
            InGame inGame;
            qint64 original;
            qint64 changed;
        } rows[] = {
            {"car tuning", window<kvrgui::TCTuningForm>(), "practiceFuel", "7", exeByteAt(R::PracticeFuel, 0), 20, 7},
            {"cameras", window<kvrgui::TCameraForm>(), "heightEdit", "99", exeWordAt(R::Cameras, 2), 180, 99},
            {"track editor", window<kvrgui::TTrackEdForm>(), "frontWingEdit", "9", firstTrackSetupByte(0), 8, 9},
            // The first letter of team 1's name: "Corvane", then "Kestrel".
            {"names", window<kvrgui::TNamesForm>(), "teamNameBox", "Kestrel", exeByteAt(R::TeamNames, 0), 'C', 'K'},
        };
        for (const auto& r : rows)
            QTest::newRow(r.what) << r.window << QString::fromLatin1(r.box) << QString::fromLatin1(r.typed) << r.inGame
                                  << r.original << r.changed;
    }

    void undoAndRedoKeysReachTheRecordFromABox()
    {
        QFETCH(Window, window);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(InGame, inGame);
        QFETCH(qint64, original);
        QFETCH(qint64, changed);

        EditorHarness h;
        const kvr::SettingsRecord before = h.document.record();
        const std::unique_ptr<kvrgui::EditorWindow> w = window(h.services);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        typeInto(boxNamed(*w, box.toLatin1().constData()), typed);
        const kvr::SettingsRecord edited = h.document.record();
        QVERIFY(edited != before);

        pressKeys(QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(h.document.record(), before);
        QTest::mouseClick(w->exportButton(), Qt::LeftButton);
        QCOMPARE(inGame(h), original);
        pressKeys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        QCOMPARE(h.document.record(), edited);
        pressKeys(QKeySequence(Qt::CTRL | Qt::Key_Z));
        pressKeys(QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(h.document.record(), edited);
        QTest::mouseClick(w->exportButton(), Qt::LeftButton);
        QCOMPARE(inGame(h), changed);
        QVERIFY(h.fatal.empty());
    }

    // A window may go while the user is typing in one of its boxes (the program ending on
    // a game file error): the box's check must not call into it.
    void aWindowGoneWhileTypingTakesNoMoreInput()
    {
        const struct {
            Window window;
            const char* box;
        } boxes[] = {
            {window<kvrgui::TCTuningForm>(), "practiceFuel"}, {window<kvrgui::TCameraForm>(), "heightEdit"},
            {window<kvrgui::TEPowerForm>(), "bhpEdit1"},      {window<kvrgui::TFailuresForm>(), "valueEdit"},
            {window<kvrgui::TTrackEdForm>(), "frontWingEdit"}, {window<kvrgui::TNamesForm>(), "firstDriverBox"},
        };
        for (const auto& b : boxes) {
            EditorHarness h;
            std::unique_ptr<kvrgui::EditorWindow> w = b.window(h.services);
            w->show();
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
            QWidget* box = boxNamed(*w, b.box);
            box->setFocus();
            QTest::keyClicks(box, QStringLiteral("12"));
            const kvr::SettingsRecord before = h.document.record();
            w.reset();
            QCOMPARE(h.document.record(), before);
        }
    }
};

QTEST_MAIN(TypedValuesTest)
#include "typed_values_test.moc"
