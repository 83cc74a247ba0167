// SPDX-License-Identifier: GPL-3.0-or-later
// A box holding text that is not a number is refused as the focus leaves it, often on
// the way into a menu: the warning waits until that is done, and comes once.
#include "editor_boxes.h"
#include "editors/cameras/cameras_window.h"
#include "editors/failures/failures_window.h"
#include "editors/grip/grip_window.h"
#include "editors/power/power_window.h"
#include "main_window_fixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// Answers as the scripted prompt does, and takes the focus away as a real message box
// does, noting what stood on the screen when the warning came.
class FocusTakingPrompt : public GuiPrompt {
public:
    std::vector<bool> popupOpen;
    std::vector<QString> boxShown;
    QLineEdit* box = nullptr;

    void warn(const kvr::Message& text) override
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

class RefusedValuesTest : public QObject {
    Q_OBJECT

private slots:
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

QTEST_MAIN(RefusedValuesTest)
#include "refused_values_test.moc"
