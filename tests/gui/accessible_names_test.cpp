// SPDX-License-Identifier: GPL-3.0-or-later
// Every control a keyboard user can reach has a name a screen reader can speak: the walk
// goes through each window's accessibility tree, as a screen reader reads it, not the
// focus chain.
#include "app/about_window.h"
#include "app/des_window.h"
#include "app/ie_window.h"
#include "app/main_window.h"
#include "app/path_window.h"
#include "app/shortcuts_window.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"
#include "widgets/prompt_qt.h"
#include "widgets/translation_qt.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QtTest>

#include <map>

using kvrgui::TMainForm;

namespace {

// What a screen reader says a control is: its name, or, where the name is only the value
// shown (a combo box on some platforms), the label that names it.
QString spokenName(QAccessibleInterface* control)
{
    QString name = control->text(QAccessible::Name).trimmed();
    const QString value = control->text(QAccessible::Value).trimmed();
    if (name.isEmpty() || name == value) {
        for (const auto& [label, relation] : control->relations(QAccessible::Label)) {
            const QString labelled = label->text(QAccessible::Name).trimmed();
            if (!labelled.isEmpty())
                return labelled;
        }
    }
    return name;
}

struct Control {
    QWidget* widget;
    QString name;
    QString value;
};

// The controls of `window`'s accessibility tree that can take the focus and are shown.
void walk(QAccessibleInterface* node, QWidget* window, std::vector<Control>& found)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        auto* w = qobject_cast<QWidget*>(child->object());
        if (w && w->window() != window)
            continue;
        // An editable combo box's line is the box itself to the user, named with it.
        const bool comboLine = w && qobject_cast<QComboBox*>(w->parentWidget());
        if (w && !comboLine && w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(window))
            found.push_back({w, spokenName(child), child->text(QAccessible::Value).trimmed()});
        walk(child, window, found);
    }
}

QString described(QWidget* w)
{
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

// Why a listener could not use the names of `window`'s controls, one line per control.
QStringList unusableNames(QWidget* window)
{
    std::vector<Control> controls;
    walk(QAccessible::queryAccessibleInterface(window), window, controls);
    QStringList found;
    if (controls.empty())
        found << window->windowTitle() + QStringLiteral(": nothing takes the focus");
    static const QRegularExpression noWords(QStringLiteral("^[\\d\\s.,:;+=/()%-]*$"));
    std::map<QString, int> uses;
    for (const Control& c : controls)
        ++uses[c.name];
    for (const Control& c : controls) {
        QString why;
        if (c.name.isEmpty())
            why = QStringLiteral("has no name");
        else if (noWords.match(c.name).hasMatch())
            why = QStringLiteral("is named only \"%1\"").arg(c.name);
        else if (c.name == c.value && c.widget->accessibleName().trimmed() != c.name)
            why = QStringLiteral("is named by its value \"%1\"").arg(c.name);
        else if (c.name == c.widget->objectName())
            why = QStringLiteral("is named by its object name");
        else if (uses[c.name] > 1)
            why = QStringLiteral("shares the name \"%1\"").arg(c.name);
        if (!why.isEmpty())
            found << QStringLiteral("%1: %2 %3").arg(window->windowTitle(), described(c.widget), why);
    }
    return found;
}

// Every window of the editor, made and shown one after the other.
QStringList unusableNamesInEveryWindow(TMainForm& form, const Setup& s)
{
    QStringList found;
    const auto check = [&](QWidget* window) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            found << window->windowTitle() + QStringLiteral(": not shown");
        found << unusableNames(window);
        window->hide();
    };
    std::vector<QWidget*> windows{&form, form.descriptionForm(), form.importExportForm()};
    for (const char* name : {"names", "power", "grip", "failures", "tuning", "noses", "pitline", "cockpit", "pitcrew",
                             "jams", "helmets", "cameras", "tracks", "cockpitManager", "trackManager", "carSetManager"})
        if (QDialog* d = form.editorWindow(QString::fromLatin1(name)))
            windows.push_back(d);
        else
            found << QStringLiteral("no window for ") + QString::fromLatin1(name);
    for (QWidget* w : windows)
        check(w);
    kvrgui::TAboutForm about(s.home);
    check(&about);
    kvrgui::TShortcutsForm shortcuts(form.menuBar());
    check(&shortcuts);
    GuiPrompt prompt;
    kvrgui::TPathForm locate(prompt);
    check(&locate);

    // The list of changes a preview shows before an export or a patch.
    kvrgui::QtPrompt preview(&form);
    WhenShown walkPreview([](QObject* o) { return o->findChild<QListWidget*>(QStringLiteral("changeList")); },
                          [&](QWidget* window) { found << unusableNames(window); });
    preview.confirmList("Export?", {"Car 1 grip: 100 -> 200", "Car 2 grip: 100 -> 300"}, "Export");
    if (!walkPreview.ran)
        found << QStringLiteral("the preview was not shown");

    // The form that "Save changes as patch..." fills in.
    WhenShown walkForm([](QObject* o) { return qobject_cast<QDialog*>(o) && o->findChild<QPlainTextEdit*>(); },
                       [&](QWidget* window) { found << unusableNames(window); });
    preview.fillForm("What the patch is:",
                     {{"&Title:", {}, 80}, {"&Author:", {}, 80}, {"&Description:", {}, 2000, true},
                      {"&Exact copy, every byte", {}, 0}},
                     "Save changes as patch");
    if (!walkForm.ran)
        found << QStringLiteral("the patch form was not shown");
    return found;
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { kvrgui::useLanguage(QStringLiteral("en")); }

    void everyControlInEveryWindowHasAUsableName_data()
    {
        QTest::addColumn<int>("version");
        QTest::newRow("English") << 0;
        QTest::newRow("German") << 1;
    }
    void everyControlInEveryWindowHasAUsableName()
    {
        QFETCH(int, version);
        Setup s;
        s.makeGame(version);
        s.configure();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(), TMainForm::StartResult::Ready);
        const QStringList found = unusableNamesInEveryWindow(form, s);
        for (const QString& f : found)
            qInfo().noquote() << f;
        QCOMPARE(found.size(), 0);
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
