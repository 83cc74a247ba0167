// SPDX-License-Identifier: GPL-3.0-or-later
// Every control a keyboard user can reach has a name a screen reader can speak.
#include "app/des_window.h"
#include "app/ie_window.h"
#include "app/main_window.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"

#include <QAccessible>
#include <QDialog>
#include <QtTest>

using kvrgui::TMainForm;

namespace {

// The controls Tab reaches in `window`, each with what a screen reader would say of it.
std::vector<std::pair<QWidget*, QString>> spokenNames(QWidget* window)
{
    std::vector<std::pair<QWidget*, QString>> controls;
    QWidget* w = window;
    do {
        w = w->nextInFocusChain();
        if (w != window && w->window() == window && w->isVisibleTo(window) && (w->focusPolicy() & Qt::TabFocus)) {
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(w);
            controls.emplace_back(w, spoken ? spoken->text(QAccessible::Name).trimmed() : QString());
        }
    } while (w != window);
    return controls;
}

QString described(QWidget* w)
{
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlInEveryWindowHasAName()
    {
        Setup s;
        s.makeGame();
        s.configure();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(), TMainForm::StartResult::Ready);
        std::vector<QWidget*> windows{&form, form.descriptionForm(), form.importExportForm()};
        for (const char* name : {"names", "power", "grip", "failures", "tuning", "noses", "pitline", "cockpit",
                                 "pitcrew", "jams", "helmets", "cameras", "tracks", "cockpitManager", "trackManager"})
            if (QDialog* d = form.editorWindow(QString::fromLatin1(name)))
                windows.push_back(d);
        QStringList unnamed;
        for (QWidget* window : windows) {
            QVERIFY(window);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const auto controls = spokenNames(window);
            QVERIFY2(!controls.empty(), qPrintable(window->windowTitle()));
            for (const auto& [control, name] : controls)
                if (name.isEmpty() || name == control->objectName())
                    unnamed << window->windowTitle() + ": " + described(control);
            window->hide();
        }
        for (const QString& u : unnamed)
            qInfo().noquote() << "no name:" << u;
        QCOMPARE(unnamed.size(), 0);
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
