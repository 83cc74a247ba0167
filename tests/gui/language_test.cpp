// SPDX-License-Identifier: GPL-3.0-or-later
// The editor speaks the game's language, switches on Options > Language while running and
// remembers the choice.
#include "app/des_window.h"
#include "app/main_window.h"
#include "core/folder_lock.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "editors/tuning/patch_list.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"
#include "widgets/translation_qt.h"

#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QUndoStack>
#include <QtTest>

#include <chrono>
#include <fstream>
#include <functional>

using kvrgui::TMainForm;

namespace {

// Keeps each warning as a message box would show it, in the language of that moment.
class ShowingPrompt : public GuiPrompt {
  public:
    QStringList shown;
    void warn(const kvr::Message& text) override
    {
        GuiPrompt::warn(text);
        shown << kvrgui::translatedMessage(text);
    }
};

QStringList menuTitles(TMainForm& form)
{
    QStringList titles;
    for (QAction* a : form.menuBar()->actions())
        titles << a->text();
    return titles;
}

QString remembered(const Setup& s)
{
    return QSettings(QString::fromStdString((s.home.stateDir / "kvrdesk.ini").string()), QSettings::IniFormat)
        .value(QStringLiteral("language"))
        .toString();
}

void choose(TMainForm& form, const char* action)
{
    QAction* a = form.menuAction(QString::fromLatin1(action));
    QVERIFY(a);
    a->trigger();
    // The switch runs once the menu's action has returned.
    QCoreApplication::processEvents();
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { kvrgui::useLanguage(QStringLiteral("en")); }

    void theGameVersionChoosesTheLanguage_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("fileMenu");
        QTest::newRow("English") << 0 << "en"
                                 << "&File";
        QTest::newRow("German") << 1 << "de"
                                << "&Datei";
        QTest::newRow("Dutch") << 6 << "nl"
                               << "&Bestand";
    }
    void theGameVersionChoosesTheLanguage()
    {
        QFETCH(int, version);
        QFETCH(QString, language);
        QFETCH(QString, fileMenu);
        Setup s;
        s.makeGame(version);
        s.configure();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(), TMainForm::StartResult::Ready);
        QCOMPARE(kvrgui::currentLanguage(), language);
        QCOMPARE(menuTitles(form).value(0), fileMenu);
        QVERIFY(form.menuAction(language + QStringLiteral("LanguageAction"))->isChecked());
        // Following the game is no choice of the user's.
        QCOMPARE(remembered(s), QString());
    }

    void theOtherEnglishVersionGivesEnglish()
    {
        // No demo game is made of it; its version byte names English as well.
        QCOMPARE(kvrgui::languageOfGame(5), QStringLiteral("en"));
        QCOMPARE(kvrgui::languageOfGame(7), QStringLiteral("en"));
    }

    void optionsLanguageSwitchesWhileRunningAndIsRemembered()
    {
        Setup s;
        s.makeGame(1);
        s.configure();
        GuiPrompt prompt;
        auto form = std::make_unique<TMainForm>(s.home, prompt);
        QCOMPARE(form->startUp(), TMainForm::StartResult::Ready);
        QCOMPARE(menuTitles(*form), (QStringList{"&Datei", "&Bearbeiten", "&Optionen", "&Hilfe"}));
        // An edit made before the switch stays, with its undo step.
        QDialog* names = form->editorWindow(QStringLiteral("names"));
        QVERIFY(names);
        const std::uint8_t before = form->record().byte(kvr::rec::carSelected(0));
        const std::uint8_t edited = before ? 0 : 1;
        form->document().change(QStringLiteral("Selected"),
                                [&](kvr::SettingsRecord& r) { r.setByte(kvr::rec::carSelected(0), edited); });

        // The keyboard stays where it was, on the rebuilt window's same button.
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->button(QStringLiteral("powerButton"))->setFocus();
        choose(*form, "nlLanguageAction");
        QCOMPARE(QApplication::focusWidget(), form->button(QStringLiteral("powerButton")));
        QCOMPARE(kvrgui::currentLanguage(), QStringLiteral("nl"));
        QCOMPARE(menuTitles(*form), (QStringList{"&Bestand", "B&ewerken", "&Opties", "&Help"}));
        QCOMPARE(remembered(s), QStringLiteral("nl"));
        QVERIFY(form->menuAction(QStringLiteral("nlLanguageAction"))->isChecked());
        // The editor windows are made anew in the new language; the record is the same.
        QVERIFY(form->editorWindow(QStringLiteral("names")) != nullptr);
        QCOMPARE(form->record().byte(kvr::rec::carSelected(0)), edited);
        QVERIFY(form->menuAction(QStringLiteral("undoAction"))->isEnabled());

        choose(*form, "enLanguageAction");
        QCOMPARE(menuTitles(*form), (QStringList{"&File", "&Edit", "&Options", "&Help"}));
        QCOMPARE(form->button(QStringLiteral("namesButton"))->toolTip(), QStringLiteral("Names + Numbers"));
        QCOMPARE(remembered(s), QStringLiteral("en"));
        form->menuAction(QStringLiteral("undoAction"))->trigger();
        QCOMPARE(form->record().byte(kvr::rec::carSelected(0)), before);

        // The choice outlives the program: the German game now opens an English editor.
        form.reset();
        kvrgui::useLanguage(QStringLiteral("de"));
        TMainForm again(s.home, prompt);
        QCOMPARE(again.startUp(), TMainForm::StartResult::Ready);
        QCOMPARE(kvrgui::currentLanguage(), QStringLiteral("en"));
        QCOMPARE(menuTitles(again).value(0), QStringLiteral("&File"));
    }

    void theDescriptionWindowIsMadeInTheCurrentLanguage_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("typedBefore");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        // The window's default text follows the language, whether the window was made
        // before the game's language took over or after; what the user typed stays.
        QTest::newRow("German game, made late") << 1 << false << "Beschreibung der Einstellungen"
                                                << "keine Beschreibung";
        QTest::newRow("English game, typed in, then Dutch") << 0 << true << "Instellingenbeschrijving"
                                                            << "mine";
    }
    void theDescriptionWindowIsMadeInTheCurrentLanguage()
    {
        QFETCH(int, version);
        QFETCH(bool, typedBefore);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Setup s;
        s.makeGame(version);
        s.configure();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(), TMainForm::StartResult::Ready);
        if (typedBefore) {
            form.descriptionForm()->memo()->setPlainText(QStringLiteral("mine"));
            choose(form, "nlLanguageAction");
        }
        QCOMPARE(form.descriptionForm()->windowTitle(), title);
        QCOMPARE(form.descriptionForm()->memo()->toPlainText(), text);
        QCOMPARE(form.descriptionForm()->description(), text.toStdString());
    }

    void saveAsOfAFreshRecordIsNoEditAndWritesTheDefaultOfTheMoment()
    {
        namespace rec = kvr::rec;
        Setup s;
        s.makeGame(1);
        s.configure();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(), TMainForm::StartResult::Ready);
        const kvr::SettingsRecord fresh = form.record();
        form.document().change("edit", [](kvr::SettingsRecord& r) { r.setWord(rec::kComputerWeight, 4321); });
        const int steps = form.document().undoStack()->count();
        // Started German, saved Dutch: the file gets the default of the moment.
        choose(form, "nlLanguageAction");
        prompt.fileAnswers = {s.root() / "fresh.KVS"};
        form.onSaveSettingsAs();
        QCOMPARE(prompt.fileRequests.size(), std::size_t(1));
        kvr::SettingsRecord saved;
        QVERIFY(kvr::readSettingsFile(s.root() / "fresh.KVS", saved));
        QCOMPARE(saved.shortString(rec::kDescription, rec::kDescriptionChars), std::string("geen beschrijving"));
        QCOMPARE(saved.word(rec::kComputerWeight), std::uint16_t(4321));
        QCOMPARE(form.document().undoStack()->count(), steps);
        // Ctrl+Z right after undoes the user's edit, and nothing of the description.
        QAction* undo = form.menuAction(QStringLiteral("undoAction"));
        QVERIFY(undo->shortcuts().contains(QKeySequence(QKeySequence::Undo)));
        undo->trigger();
        QVERIFY(form.record() == fresh);
        QCOMPARE(form.descriptionForm()->memo()->toPlainText(), QStringLiteral("geen beschrijving"));
        QVERIFY(prompt.unexpected.empty());
    }

    void coreMessagesAreShownTranslated()
    {
        QVERIFY(kvrgui::useLanguage(QStringLiteral("de")));
        // The file name is put into the German sentence as it is, "%2" and ANSI letters too.
        const kvr::Message message =
            kvr::fillIn(KVR_TR_NOOP("Settings files", "Cannot open the settings file %1"), {"C:\\Sp\xE4t %2.KVS"});
        QCOMPARE(message.english(), std::string("Cannot open the settings file C:\\Sp\xE4t %2.KVS"));
        QCOMPARE(kvrgui::translatedMessage(message),
                 QString::fromUtf8("Die Einstellungsdatei C:\\Sp\u00e4t %2.KVS kann nicht ge\u00f6ffnet werden"));
        // Messages put together are translated part by part; a text shown as it is stays.
        QCOMPARE(kvrgui::translatedMessage(message + "\nno translation here"),
                 QString::fromUtf8("Die Einstellungsdatei C:\\Sp\u00e4t %2.KVS kann nicht ge\u00f6ffnet werden\n"
                                   "no translation here"));
        // The pattern is looked up in its own context only: the same words filed elsewhere
        // are not taken for it.
        QCOMPARE(kvrgui::translatedMessage(kvr::Message(KVR_TR_NOOP("No such context", "Load settings"))),
                 QStringLiteral("Load settings"));
        QVERIFY(kvrgui::useLanguage(QStringLiteral("en")));
        QCOMPARE(kvrgui::translatedMessage(message),
                 QString::fromUtf8("Cannot open the settings file C:\\Sp\u00e4t %2.KVS"));
    }

    void coreErrorsAreShownTranslated()
    {
        // Real errors of the core, as the editor's message boxes show them in German: the
        // file names stay as they are, messages inside messages are translated too.
        struct Case {
            const char* name;
            std::function<QString(Setup&, ShowingPrompt&)> provoke; // the text shown
            std::function<QString(const Setup&)> german;
        };
        // The language the editor speaks then is the game's; no test sets it beforehand.
        const auto started = [](Setup& s, ShowingPrompt& prompt) {
            s.configure();
            auto form = std::make_unique<TMainForm>(s.home, prompt);
            if (form->startUp() != TMainForm::StartResult::Ready)
                return std::unique_ptr<TMainForm>();
            return form;
        };
        const auto text = [](const fs::path& p) { return QString::fromStdString(p.string()); };
        const auto inGerman = [](const kvr::Message& message) {
            return kvrgui::useLanguage(QStringLiteral("de")) ? kvrgui::translatedMessage(message) : QString();
        };
        const std::vector<Case> cases = {
            {"a damaged settings file",
             [&](Setup& s, ShowingPrompt& prompt) {
                 std::ofstream(s.root() / "BROKEN.KVS") << "0123456789";
                 const auto form = started(s, prompt);
                 prompt.fileAnswers = {s.root() / "BROKEN.KVS"};
                 form->menuAction(QStringLiteral("loadSettingsAction"))->trigger();
                 return prompt.shown.value(0);
             },
             [](const Setup&) {
                 return QString::fromUtf8(
                     "Keine Einstellungsdatei: BROKEN.KVS enthält 10 Bytes, eine Einstellungsdatei enthält 2846.");
             }},
            {"a patch naming an unknown field",
             [&](Setup& s, ShowingPrompt& prompt) {
                 std::ofstream(s.root() / "odd.kvpatch")
                     << R"({"kvpatch": 1, "changes": [{"field": "nope", "from": 1, "to": 2}]})";
                 const auto form = started(s, prompt);
                 prompt.fileAnswers = {s.root() / "odd.kvpatch"};
                 form->menuAction(QStringLiteral("applyPatchAction"))->trigger();
                 return prompt.shown.value(0);
             },
             [](const Setup&) {
                 return QString::fromUtf8("Der Patch %1 kann nicht angewendet werden; es wurde nichts geändert. "
                                          "Feld nope: Dieses Feld gibt es nicht")
                     .arg(QStringLiteral("odd.kvpatch"));
             }},
            {"a track file cut short",
             [&](Setup& s, ShowingPrompt& prompt) {
                 fs::resize_file(s.game() / "CIRCUITS" / "F1CT03.DAT", 100);
                 started(s, prompt);
                 return prompt.shown.value(0);
             },
             [&](const Setup& s) {
                 return QString::fromUtf8(
                            "2) Fehler beim Dateizugriff! \n%1: Sprung hinter das Ende (4116) an Position 0\n\n"
                            "Die Streckendaten wurden nicht gelesen, daher schreibt nichts Streckenwerte "
                            "ins Spiel. Der Strecken-Editor öffnet sich, sobald jede Streckendatei "
                            "gelesen werden kann.")
                     .arg(text((s.game() / "CIRCUITS" / "F1CT03.DAT").make_preferred()));
             }},
            {"a patch list that cannot be written",
             [&](Setup& s, ShowingPrompt&) {
                 try {
                     // A folder as a French desktop names its downloads: the name stays readable.
                     kvr::writePatchList(s.root() /
                                             "T\xc3\xa9l\xc3\xa9"
                                             "chargements" /
                                             "PATCH.LST",
                                         kvr::defaultPatchList());
                 } catch (const kvr::GeneralError& e) {
                     return inGerman(kvr::messageOf(e));
                 }
                 return QString();
             },
             // "%1: %2" reads the same in German; its second part does not.
             [&](const Setup& s) {
                 return QString::fromUtf8("%1: kann in seinem Ordner keine Datei anlegen: No such file or directory")
                     .arg(text(s.root() /
                               "T\xc3\xa9l\xc3\xa9"
                               "chargements" /
                               "PATCH.LST"));
             }},
            {"a game another program is writing to",
             [&](Setup& s, ShowingPrompt&) {
                 const kvr::GameFolderLock held(s.game());
                 try {
                     kvr::GameFolderLock(s.game(), std::chrono::milliseconds(0));
                 } catch (const kvr::FolderLockError& e) {
                     return inGerman(kvr::messageOf(e));
                 }
                 return QString();
             },
             [&](const Setup& s) {
                 return QString::fromUtf8("Ein anderes Programm schreibt gerade in das Spiel in %1; versuchen Sie es "
                                          "erneut, wenn es fertig ist.")
                     .arg(text(s.game()));
             }},
        };
        for (const Case& c : cases) {
            QVERIFY(kvrgui::useLanguage(QStringLiteral("en")));
            Setup s;
            s.makeGame(1);
            ShowingPrompt prompt;
            const QString shown = c.provoke(s, prompt);
            QVERIFY2(prompt.unexpected.empty(), c.name);
            QCOMPARE(shown, c.german(s));
        }
    }

    void qtsOwnDialogsFollow()
    {
        QVERIFY(kvrgui::useLanguage(QStringLiteral("de")));
        // A button of Qt's own, as its message boxes show it.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        QVERIFY(kvrgui::useLanguage(QStringLiteral("en")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
