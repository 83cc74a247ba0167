// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/des_window.h"
#include "app/ie_window.h"
#include "app/main_window.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "editor_harness.h"
#include "game/demo_game.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <fstream>

using kvrgui::TMainForm;
namespace rec = kvr::rec;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsOpenTheirWindowsAndMenusHaveTheirKeys()
    {
        Setup s;
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        for (const char* name : {"names", "power", "grip", "failures", "tuning", "noses", "pitline", "cockpit",
                                 "pitcrew", "jams", "helmets", "cameras", "tracks", "cockpitManager",
                                 "trackManager"}) {
            QPushButton* b = form.button(QString::fromLatin1(name) + "Button");
            QVERIFY2(b, name);
            QCOMPARE(b->isEnabled(), form.editorWindow(QString::fromLatin1(name)) != nullptr);
        }
        QVERIFY(form.button("exitButton")->isEnabled());
        QCOMPARE(form.menuAction("loadSettingsAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
        QCOMPARE(form.menuAction("saveSettingsAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(form.menuAction("restoreOriginalAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
        QCOMPARE(form.menuAction("exitAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
        QCOMPARE(form.menuAction("importExportAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
        QVERIFY(form.menuAction("saveSettingsAsAction")->shortcut().isEmpty());
        QVERIFY(form.menuAction("carSetManagerAction"));
    }

    void trackEditorEntryNeedsTheTrackFiles()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        fs::remove(s.game() / "CIRCUITS" / "F1CT01.DAT");
        auto* opened = new ShowCounter(form.editorWindow(QStringLiteral("tracks")));

        // Declining the installation does not open the editor.
        prompt.confirmAnswers = {false};
        form.button(QStringLiteral("tracksButton"))->click();
        QCOMPARE(prompt.confirmed.size(), std::size_t(1));
        QCOMPARE(opened->shown, 0);
        QVERIFY(prompt.fileRequests.empty());

        // Agreeing and choosing the CD copies the files; the editor opens with the data read.
        kvr::makeDemoCd(s.root() / "cd", 0, s.home.data("PLT.DAT"));
        prompt.confirmAnswers = {true};
        prompt.fileAnswers = {s.root() / "cd" / "KVR.EXE"};
        form.document().setTrackDataKnown(false);
        form.button(QStringLiteral("tracksButton"))->click();
        QCOMPARE(opened->shown, 1);
        QVERIFY(fs::exists(s.game() / "CIRCUITS" / "F1CT01.DAT"));
        QVERIFY(form.document().trackDataKnown());
        QVERIFY(prompt.unexpected.empty());
        QCOMPARE(form.exitCode(), 0);
    }

    void saveLoadAndDescription()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        const fs::path a = s.root() / "a.KVS";

        // The first save always asks; the description is the window's default.
        prompt.fileAnswers = {a};
        form.onSaveSettings();
        QCOMPARE(prompt.fileRequests.size(), std::size_t(1));
        QCOMPARE(prompt.fileRequests[0].title, std::string("Save settings"));
        QCOMPARE(prompt.fileRequests[0].filter, std::string("All settings files|*.KVS"));
        QCOMPARE(caption(form), QStringLiteral("* Morvane Softcrafts KVR Editor *- a.KVS"));
        kvr::SettingsRecord saved;
        QVERIFY(kvr::readSettingsFile(a, saved));
        QCOMPARE(saved.shortString(rec::kDescription, 255), std::string("no description"));
        QCOMPARE(bytesOf(a), std::vector<std::uint8_t>(form.record().bytes().begin(), form.record().bytes().end()));

        // Later saves write under the same name without asking; the description window's
        // own button saves too.
        form.descriptionForm()->memo()->moveCursor(QTextCursor::End);
        QTest::keyClicks(form.descriptionForm()->memo(), " at all");
        form.document().change("edit", [](kvr::SettingsRecord& r) { r.setWord(rec::kHumanWeight, 1500); });
        QTest::mouseClick(form.descriptionForm()->saveButton(), Qt::LeftButton);
        QCOMPARE(prompt.fileRequests.size(), std::size_t(1));
        QVERIFY(kvr::readSettingsFile(a, saved));
        QCOMPARE(saved.word(rec::kHumanWeight), std::uint16_t(1500));
        QCOMPARE(saved.shortString(rec::kDescription, 255), std::string("no description at all"));

        // Loading brings back every byte and the description.
        const kvr::SettingsRecord atSave = form.record();
        form.document().change("edit", [](kvr::SettingsRecord& r) { r.setWord(rec::kHumanWeight, 1); });
        form.descriptionForm()->memo()->setPlainText(QStringLiteral("changed"));
        prompt.fileAnswers = {a};
        form.onLoadSettings();
        QCOMPARE(form.record(), atSave);
        QCOMPARE(form.descriptionForm()->memo()->toPlainText(), QStringLiteral("no description at all"));
        QCOMPARE(caption(form), QStringLiteral("* Morvane Softcrafts KVR Editor *- a.KVS"));

        // A short file changes nothing, caption included, and says why.
        std::ofstream(s.root() / "short.KVS", std::ios::binary) << std::string(100, 'x');
        prompt.fileAnswers = {s.root() / "short.KVS"};
        form.onLoadSettings();
        QCOMPARE(form.record(), atSave);
        QCOMPARE(caption(form), QStringLiteral("* Morvane Softcrafts KVR Editor *- a.KVS"));
        QCOMPARE(prompt.warned.size(), std::size_t(1));

        // A cancelled load still shows the record's description.
        form.descriptionForm()->memo()->setPlainText(QStringLiteral("typed"));
        prompt.fileAnswers = {std::nullopt};
        form.onLoadSettings();
        QCOMPARE(form.descriptionForm()->memo()->toPlainText(), QStringLiteral("no description at all"));
        QVERIFY(prompt.unexpected.empty());
    }

    void restoreThenSaveAsksForAName()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        const auto original = bytesOf(s.home.data("ORIGIN.SET"));
        QCOMPARE(original.size(), std::size_t(2846));

        form.document().change("edit", [](kvr::SettingsRecord& r) { r.setWord(rec::kComputerWeight, 4321); });
        form.descriptionForm()->memo()->setPlainText(QStringLiteral("mine"));
        form.onRestoreOriginalSettings();
        QCOMPARE(std::vector<std::uint8_t>(form.record().bytes().begin(), form.record().bytes().end()), original);
        QCOMPARE(caption(form), QStringLiteral("* Morvane Softcrafts KVR Editor *- original settings"));
        QCOMPARE(form.descriptionForm()->memo()->toPlainText(), QStringLiteral("mine"));
        QVERIFY(prompt.fileRequests.empty());

        prompt.fileAnswers = {s.root() / "mine.KVS"};
        form.onSaveSettings();
        QCOMPARE(prompt.fileRequests.size(), std::size_t(1));
        QCOMPARE(bytesOf(s.home.data("ORIGIN.SET")), original);
        QVERIFY(fs::exists(s.root() / "mine.KVS"));
    }

    void textsUsersSee_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("neverShown");
        QTest::newRow("import/export") << "importExport"
                                       << "F1GSTATE.SAV file"
                                       << "F1GPSTATE";
        QTest::newRow("car set manager") << "carSetManager"
                                         << "Car set manager"
                                         << "InstCarSetForm";
        QTest::newRow("car JAMs") << "jams"
                                  << " Available teams "
                                  << "Avaiable";
        QTest::newRow("car tuning") << "tuning"
                                    << "Initial qualifying fuel load"
                                    << "qualifing";
        QTest::newRow("cameras") << "cameras"
                                 << "Img. tuning"
                                 << "tunning";
        QTest::newRow("cockpit colours") << "cockpit"
                                         << "Cockpit colours"
                                         << "Cockpit colors";
    }

    void textsUsersSee()
    {
        QFETCH(QString, window);
        QFETCH(QString, shown);
        QFETCH(QString, neverShown);
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        QWidget* w = window == QLatin1String("importExport") ? static_cast<QWidget*>(form.importExportForm())
                                                             : form.editorWindow(window);
        QVERIFY(w);
        QStringList texts{w->windowTitle()};
        for (const QWidget* child : w->findChildren<QWidget*>()) {
            if (const auto* label = qobject_cast<const QLabel*>(child))
                texts << label->text();
            else if (const auto* group = qobject_cast<const QGroupBox*>(child))
                texts << group->title();
            else if (const auto* button = qobject_cast<const QAbstractButton*>(child))
                texts << button->text();
        }
        QVERIFY2(texts.contains(shown), qPrintable(texts.join(QStringLiteral(" | "))));
        QVERIFY2(texts.filter(neverShown).isEmpty(), qPrintable(texts.filter(neverShown).join(QStringLiteral(" | "))));
    }

    void descriptionHoldsAtMost255Characters()
    {
        EditorHarness h;
        kvrgui::TDesForm des(h.services);
        des.show();
        des.memo()->clear();
        QTest::keyClicks(des.memo(), QString(300, QLatin1Char('d')));
        QCOMPARE(des.memo()->toPlainText().size(), 255);
        des.memo()->setPlainText(QStringLiteral("line one\nline two"));
        QCOMPARE(des.description(), std::string("line one\r\nline two"));
    }

    // A file longer than a settings file loads only when the user agrees, from the menu
    // and from the recent files alike; Cancel changes nothing.
    void aFileOfAnotherSizeLoadsOnlyWhenTheUserAgrees()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        kvr::SettingsRecord other = form.record();
        other.setWord(rec::kHumanWeight, 1234);
        std::vector<std::uint8_t> bytes(other.bytes().begin(), other.bytes().end());
        bytes.resize(5000, 0xEE);
        const fs::path big = s.root() / "big.JAM";
        std::ofstream(big, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), 5000);
        const fs::path exact = s.root() / "exact.KVS";
        QVERIFY(kvr::writeSettingsFile(exact, other));
        const kvr::SettingsRecord before = form.record();
        const std::string question = "big.JAM holds 5000 bytes, a settings file exactly 2846: only its first 2846 "
                                     "bytes would be read, and if it is some other file they make no sense as "
                                     "settings.\n\nLoad it anyway?";

        form.setWindowTitle(QStringLiteral("before"));
        prompt.fileAnswers = {big};
        prompt.confirmAnswers = {false};
        form.onLoadSettings();
        QCOMPARE(prompt.confirmed, std::vector<std::string>{question});
        QCOMPARE(form.record(), before);
        QCOMPARE(caption(form), QStringLiteral("before"));

        // Loaded once, it is among the recent files, which ask as well.
        prompt.fileAnswers = {big};
        prompt.confirmAnswers = {true};
        form.onLoadSettings();
        QCOMPARE(form.record(), other);
        prompt.fileAnswers = {exact};
        form.onLoadSettings();
        QVERIFY2(prompt.confirmed.size() == 2, "a file of one record loads without a question");
        form.document().change("edit", [](kvr::SettingsRecord& r) { r.setWord(rec::kHumanWeight, 1); });
        const kvr::SettingsRecord edited = form.record();
        QAction* recent = form.findChild<QMenu*>(QStringLiteral("recentMenu"))->actions().at(1);
        QCOMPARE(recent->toolTip(), QString::fromStdString(big.string()));
        prompt.confirmAnswers = {false};
        recent->trigger();
        QCOMPARE(prompt.confirmed.size(), std::size_t(3));
        QCOMPARE(prompt.confirmed.back(), question);
        QCOMPARE(form.record(), edited);
        prompt.confirmAnswers = {true};
        recent->trigger();
        QCOMPARE(form.record(), other);
        QVERIFY(prompt.unexpected.empty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
