// What every window's boxes do alike: a number beyond the field's range, undo and redo
// keys in a box, and a value refused as the focus leaves its box.
#include "core/positions.h"
#include "core/settings_record.h"
#include "editor_harness.h"
#include "editors/cameras/cameras_window.h"
#include "editors/failures/failures_window.h"
#include "editors/grip/grip_window.h"
#include "editors/names/names_window.h"
#include "editors/power/power_window.h"
#include "editors/track/track_data.h"
#include "editors/track/track_window.h"
#include "editors/tuning/tuning_window.h"
#include "game/track_files.h"
#include "main_window_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace rec = kvr::rec;
using Bytes = std::vector<std::uint8_t>;
using Window = std::function<std::unique_ptr<kvrgui::EditorWindow>(kvrgui::EditorServices&)>;
// A value as the game holds it after the window's export.
using InGame = std::function<std::int64_t(const EditorHarness&)>;

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(InGame)

namespace {

template <class W> Window window()
{
    return [](kvrgui::EditorServices& s) { return std::make_unique<W>(s); };
}

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

void typeInto(QWidget* box, const QString& text)
{
    box->setFocus();
    if (QLineEdit* line = qobject_cast<QLineEdit*>(box) ? qobject_cast<QLineEdit*>(box)
                                                         : qobject_cast<QComboBox*>(box)->lineEdit())
        line->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

QWidget* boxNamed(QWidget& w, const char* name)
{
    auto* box = w.findChild<QWidget*>(QLatin1String(name));
    if (!box)
        qFatal("no box %s", name);
    return box;
}

QString boxText(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    return qobject_cast<QComboBox*>(box)->currentText();
}

void pressKeys(QKeySequence keys)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keySequence(focus, keys);
}

// Answers as the scripted prompt does, and takes the focus away as a real message box
// does, noting what stood on the screen when the warning came.
class FocusTakingPrompt : public GuiPrompt {
public:
    std::vector<bool> popupOpen;
    std::vector<QString> boxShown;
    QLineEdit* box = nullptr;

    void warn(const std::string& text) override
    {
        popupOpen.push_back(QApplication::activePopupWidget() != nullptr);
        boxShown.push_back(box ? box->text() : QString());
        GuiPrompt::warn(text);
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
    }
};

// Closes every menu that pops up with Escape, from the menu's own event loop, as a
// user would.
class PopupCloser : public QObject {
public:
    PopupCloser() { qApp->installEventFilter(this); }
    int opened = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* menu = qobject_cast<QMenu*>(watched); menu && event->type() == QEvent::Show) {
            ++opened;
            QMetaObject::invokeMethod(
                menu, [menu] { QTest::keyClick(menu, Qt::Key_Escape); }, Qt::QueuedConnection);
        }
        return false;
    }
};

// The way the focus leaves a box holding text that is not a number.
enum class Leaving { Enter, MenuBarRightClick };

void leaveBox(QWidget& window, QLineEdit* box, Leaving how)
{
    if (how == Leaving::Enter) {
        QTest::keyClick(box, Qt::Key_Return);
        return;
    }
    // A right click, with the context menu request the platform makes of it.
    QMenuBar* bar = window.findChild<QMenuBar*>();
    const QPoint at(bar->width() - 8, bar->height() / 2);
    QTest::mousePress(bar, Qt::RightButton, {}, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &request);
    QTest::mouseRelease(bar, Qt::RightButton, {}, at);
}

// Runs a scenario inside a modal window's own event loop each time it shows.
class OnShow : public QObject {
public:
    OnShow(QWidget* window, std::function<void()> scenario) : QObject(window), m_scenario(std::move(scenario))
    {
        window->installEventFilter(this);
    }
    int shown = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            ++shown;
            QMetaObject::invokeMethod(this, m_scenario, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_scenario;
};

} // namespace

Q_DECLARE_METATYPE(Leaving)

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

    void aRefusedValueIsToldOnceWhenTheEventIsDone_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<Leaving>("leaving");
        QTest::addColumn<QString>("stored");

        const struct {
            const char* name;
            Window window;
            const char* box;
            const char* stored;
        } boxes[] = {
            {"cameras", window<kvrgui::TCameraForm>(), "heightEdit", "180"},
            {"engine power", window<kvrgui::TEPowerForm>(), "bhpEdit1", "760"},
            {"car failure", window<kvrgui::TFailuresForm>(), "valueEdit", "295"},
            {"grip", window<kvrgui::TGripForm>(), "valueEdit", "16400"},
        };
        for (const auto& b : boxes) {
            QTest::addRow("%s, Enter", b.name) << b.window << b.box << Leaving::Enter << b.stored;
            QTest::addRow("%s, menu bar", b.name) << b.window << b.box << Leaving::MenuBarRightClick << b.stored;
        }
    }

    void aRefusedValueIsToldOnceWhenTheEventIsDone()
    {
        QFETCH(Window, window);
        QFETCH(QString, box);
        QFETCH(Leaving, leaving);
        QFETCH(QString, stored);

        EditorHarness h;
        FocusTakingPrompt prompt;
        kvrgui::EditorServices services{h.document, h.context, prompt, h.palette, h.services.restoreOriginal,
                                        h.services.fatal};
        PopupCloser closer;
        const std::unique_ptr<kvrgui::EditorWindow> w = window(services);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto* typed = qobject_cast<QLineEdit*>(boxNamed(*w, box.toLatin1().constData()));
        prompt.box = typed;
        const kvr::SettingsRecord before = h.document.record();

        typed->setFocus();
        typed->selectAll();
        QTest::keyClicks(typed, QStringLiteral("abc"));
        leaveBox(*w, typed, leaving);
        QCOMPARE(closer.opened, leaving == Leaving::MenuBarRightClick ? 1 : 0);
        QCoreApplication::processEvents();

        QCOMPARE(prompt.warned, std::vector<std::string>{"'abc' is not a valid number."});
        QCOMPARE(prompt.popupOpen, std::vector<bool>{false});
        QCOMPARE(prompt.boxShown, std::vector<QString>{stored});
        QCOMPARE(h.document.record(), before);

        // The window goes on as before.
        typeInto(typed, QStringLiteral("7"));
        QCOMPARE(typed->text(), QStringLiteral("7"));
        QVERIFY(h.document.record() != before);
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QVERIFY(prompt.unexpected.empty());
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

    // The windows that hide the main window bring it back, and open again, after a
    // warning that came while a popup was open.
    void theMainWindowComesBackAfterTheWarning()
    {
        Setup s;
        s.makeGame();
        FocusTakingPrompt prompt;
        kvrgui::TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), kvrgui::TMainForm::StartResult::Ready);
        form.show();
        PopupCloser closer;
        for (const auto& [name, box] : {std::pair{"cameras", "heightEdit"}, std::pair{"power", "bhpEdit2"}}) {
            QDialog* editor = form.editorWindow(QLatin1String(name));
            QVERIFY(editor);
            auto* typed = editor->findChild<QLineEdit*>(QLatin1String(box));
            QVERIFY(typed);
            prompt.box = typed;
            const std::size_t warnings = prompt.warned.size();
            bool mainHidden = false;
            bool active = false;
            std::size_t warnedWhileOpen = 0;
            auto* scenario = new OnShow(editor, [&] {
                mainHidden = !form.isVisible();
                active = QTest::qWaitForWindowActive(editor);
                typed->setFocus();
                typed->selectAll();
                QTest::keyClicks(typed, QStringLiteral("abc"));
                leaveBox(*editor, typed, Leaving::MenuBarRightClick);
                QCoreApplication::processEvents();
                warnedWhileOpen = prompt.warned.size() - warnings;
                QTest::keyClick(editor, Qt::Key_Escape);
            });
            form.button(QLatin1String(name) + QStringLiteral("Button"))->click();
            QCOMPARE(scenario->shown, 1);
            QVERIFY(active);
            QCOMPARE(mainHidden, std::string_view(name) == "cameras");
            QVERIFY(!editor->isVisible());
            QVERIFY(form.isVisible());
            QCOMPARE(warnedWhileOpen, std::size_t(1));
            QCOMPARE(prompt.warned.size(), warnings + 1);
            QCOMPARE(prompt.popupOpen.back(), false);

            form.button(QLatin1String(name) + QStringLiteral("Button"))->click();
            QCOMPARE(scenario->shown, 2);
            QVERIFY(form.isVisible());
            delete scenario;
        }
        QCOMPARE(closer.opened, 4);
        QVERIFY(prompt.unexpected.empty());
        QCOMPARE(form.exitCode(), 0);
    }
};

QTEST_MAIN(TypedValuesTest)
#include "typed_values_test.moc"
