// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: the keyboard shortcuts as the menus hold them, the About window, and
// underlined letters that never collide, in every language.
#include "app/about_window.h"
#include "app/main_window.h"
#include "app/shortcuts_window.h"
#include "editors/names/names_window.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"
#include "widgets/translation_qt.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

using kvrgui::TMainForm;

namespace {

// The underlined letter of a menu text, lower case; none when it has no mark.
QChar mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// "Menu: letter is taken by A and B" for each clash among one menu's entries.
void clashes(const QString& where, const QList<QAction*>& actions, QStringList& found)
{
    std::map<QChar, QString> taken;
    for (const QAction* a : actions) {
        if (a->isSeparator())
            continue;
        if (a->menu())
            clashes(where + QStringLiteral(" > ") + a->text(), a->menu()->actions(), found);
        const QChar letter = mnemonic(a->text());
        if (letter.isNull())
            continue;
        if (const auto it = taken.find(letter); it != taken.end())
            found << QStringLiteral("%1: '%2' is taken by %3 and %4").arg(where, letter, it->second, a->text());
        else
            taken[letter] = a->text();
    }
}

// The links of a label's text.
QStringList links(const QLabel* label)
{
    QStringList found;
    const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (auto m = href.globalMatch(label->text()); m.hasNext();)
        found << m.next().captured(1);
    return found;
}

} // namespace

class HelpMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { kvrgui::useLanguage(QStringLiteral("en")); }

    void shortcutsListEveryMenuKeyAsTheMenuHoldsIt()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        kvrgui::TShortcutsForm shortcuts(form.menuBar());
        std::map<QString, QString> rows;
        for (int r = 0; r < shortcuts.table()->rowCount(); ++r)
            rows[shortcuts.table()->item(r, 1)->text()] = shortcuts.table()->item(r, 0)->text();
        const auto native = [](QKeySequence k) { return k.toString(QKeySequence::NativeText); };
        // The platform's own undo keys (Ctrl+Z, and Alt+Backspace on some).
        QStringList undo;
        for (const QKeySequence& k : QKeySequence::keyBindings(QKeySequence::Undo))
            undo << native(k);
        const QString undoKeys = undo.join(QStringLiteral(", "));
        const std::pair<const char*, QString> expected[] = {
            {"File > Load settings", native(Qt::CTRL | Qt::Key_L)},
            {"File > Save settings", native(Qt::CTRL | Qt::Key_S)},
            {"File > Restore original settings", native(Qt::CTRL | Qt::Key_R)},
            {"File > Exit", native(Qt::CTRL | Qt::Key_X)},
            {"Edit > Undo", undoKeys},
            {"Edit > Redo", native(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) + ", " + native(Qt::CTRL | Qt::Key_Y)},
            {"Options > Import/Export", native(Qt::CTRL | Qt::Key_I)},
            {"Help > Keyboard shortcuts", native(Qt::Key_F1)},
        };
        for (const auto& [what, keys] : expected)
            QCOMPARE(rows[QString::fromLatin1(what)], keys);
        // Undo names its action even when it names a change to undo.
        form.document().change(QStringLiteral("Grip"), [](kvr::SettingsRecord& r) { r.setWord(0, 1); });
        kvrgui::TShortcutsForm afterAChange(form.menuBar());
        QCOMPARE(afterAChange.table()->findItems(QStringLiteral("Edit > Undo"), Qt::MatchExactly).size(), 1);
        // F1 opens it.
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        WhenShown opened([](QObject* o) { return o->objectName() == QLatin1String("shortcutsWindow"); },
                         [](QWidget*) {});
        QTest::keyClick(&form, Qt::Key_F1);
        QVERIFY(opened.ran);
    }

    void aboutNamesTheVersionLicenceQtConfigurationAndReadme()
    {
        Setup s;
        kvrgui::TAboutForm about(s.home);
        const auto label = [&](const char* name) { return about.findChild<QLabel*>(QString::fromLatin1(name)); };
        QVERIFY(label("aboutTitle")->text().contains(QStringLiteral("kvrdesk " KVR_VERSION)));
        QVERIFY(label("aboutLicence")->text().contains(QStringLiteral("version 3 or (at your option) any later")));
        QVERIFY(label("aboutQt")->text().contains(QString::fromLatin1(qVersion())));
        const QString state = QString::fromStdString(s.home.stateDir.string());
        QVERIFY(label("aboutConfiguration")->text().contains(QDir::toNativeSeparators(state)));
        QCOMPARE(links(label("aboutConfiguration")), QStringList{QUrl::fromLocalFile(state).toString()});
        // The build tree has the installed shape: the README and the licence beside the program.
        for (const char* name : {"aboutReadme", "aboutLicence"}) {
            const QStringList targets = links(label(name));
            QCOMPARE(targets.size(), 1);
            QVERIFY2(QFileInfo(QUrl(targets[0]).toLocalFile()).isFile(), qPrintable(targets[0]));
        }
        QVERIFY(QUrl(links(label("aboutReadme"))[0])
                    .toLocalFile()
                    .endsWith(QStringLiteral("/share/doc/kvrdesk/README.md")));
    }

    void helpAboutOpensTheAboutWindow()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        WhenShown opened([](QObject* o) { return o->objectName() == QLatin1String("aboutWindow"); }, [](QWidget*) {});
        form.menuAction(QStringLiteral("aboutAction"))->trigger();
        QVERIFY(opened.ran);
    }

    void ctrlXCutsInANameBoxAndStaysExitsKey()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        bool cut = false;
        WhenShown names([](QObject* o) { return qobject_cast<kvrgui::TNamesForm*>(o) != nullptr; },
                        [&](QWidget* window) {
                            QLineEdit* line = static_cast<kvrgui::TNamesForm*>(window)->teamNameBox()->lineEdit();
                            line->setFocus();
                            line->selectAll();
                            const QString name = line->text();
                            QTest::keyClick(line, Qt::Key_X, Qt::ControlModifier);
                            cut = line->text().isEmpty() && QApplication::clipboard()->text() == name;
                        });
        form.button(QStringLiteral("namesButton"))->click();
        QVERIFY(names.ran);
        QVERIFY2(cut, "Ctrl+X cuts the name");
        QVERIFY2(form.isVisible(), "the cut closed nothing");
        QCOMPARE(form.menuAction(QStringLiteral("exitAction"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    }

    void underlinedLettersNeverCollideInAnyLanguage()
    {
        Setup s;
        QStringList found;
        for (const kvrgui::Language& language : kvrgui::languages()) {
            const QString code = QString::fromLatin1(language.code);
            QVERIFY(kvrgui::useLanguage(code));
            GuiPrompt prompt;
            TMainForm form(s.home, prompt);
            clashes(code, form.menuBar()->actions(), found);
            for (const char* name : {"keyboardShortcutsAction", "aboutAction"})
                if (mnemonic(form.menuAction(QString::fromLatin1(name))->text()).isNull())
                    found << code + QStringLiteral(": no underlined letter in ") + QString::fromLatin1(name);
        }
        for (const QString& f : found)
            qInfo().noquote() << f;
        QCOMPARE(found.size(), 0);
    }
};

QTEST_MAIN(HelpMenuTest)
#include "help_menu_test.moc"
