// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/start_window.h"
#include "core/configuration.h"
#include "core/positions.h"
#include "core/safe_write.h"
#include "core/settings_record.h"
#include "editors/helmets/helmet_editor.h"
#include "editors/helmets/helmet_window.h"
#include "game/demo_game.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"
#include "textures/converter.h"
#include "widgets/prompt_qt.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <fstream>

using kvrgui::TMainForm;
namespace rec = kvr::rec;

class MainWindowStartUpTest : public QObject {
    Q_OBJECT

  private slots:
    void firstRunShowsTheLocateWindowAndCancelEnds()
    {
        Setup s;
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        int located = 0;
        bool splashFirst = false;
        form.setLocator([&]() -> std::optional<kvr::Configuration> {
            ++located;
            splashFirst = form.splash()->isVisible();
            return std::nullopt;
        });
        QCOMPARE(form.startUp(), TMainForm::StartResult::Cancelled);
        QCOMPARE(located, 1);
        QVERIFY2(!splashFirst, "the locate window comes before the splash");
        QCOMPARE(form.splash()->progressBar()->value(), 0);
        QVERIFY2(form.record() == kvr::SettingsRecord(), "no game file was read");
        form.close();
        QVERIFY2(!fs::exists(s.home.configFile()), "nothing to remember after a cancel");
        QVERIFY(prompt.unexpected.empty());
    }

    void versionLabel_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("label");
        QTest::newRow("0") << 0 << QStringLiteral("KVR: English Version 1.0b");
        QTest::newRow("1") << 1 << QStringLiteral("KVR: Deutsche Ausgabe 1.0b");
        QTest::newRow("2") << 2 << QStringLiteral("KVR: Versione Italiana 1.0b");
        QTest::newRow("3") << 3 << QStringLiteral("KVR: Versi\u00f3n en espa\u00a5ol 1.0b");
        QTest::newRow("4") << 4 << QStringLiteral("KVR: Version francaise 1.0b");
        QTest::newRow("6") << 6 << QStringLiteral("KVR: Nederlandse versie 1.0b");
    }

    void versionLabel()
    {
        QFETCH(int, language);
        QFETCH(QString, label);
        Setup s;
        s.makeGame(language);
        s.configure();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        bool asked = false;
        form.setLocator([&]() -> std::optional<kvr::Configuration> {
            asked = true;
            return std::nullopt;
        });
        QCOMPARE(form.startUp(), TMainForm::StartResult::Ready);
        QVERIFY2(!asked, "the configuration is used");
        QCOMPARE(form.versionLabel()->text(), label);
        QCOMPARE(caption(form), QStringLiteral("* Morvane Softcrafts KVR Editor *"));
        QCOMPARE(form.record().shortString(rec::teamName(1), 13), kvr::demoRecord().shortString(rec::teamName(1), 13));
        QVERIFY2(prompt.warned.empty(), prompt.warned.empty() ? "" : prompt.warned.front().c_str());

        // Closing remembers the game and the version found.
        form.close();
        const auto config = kvr::readConfiguration(s.home.configFile());
        QVERIFY(config);
        QCOMPARE(int(config->languageVersion), language);
        QCOMPARE(config->executablePath, (s.game() / "KVR.EXE").make_preferred().string());
    }

    void unknownVersionByteStartsAsEnglish()
    {
        Setup s;
        s.makeGame(2);
        auto exe = bytesOf(s.game() / "KVR.EXE");
        exe[0x569973] = 'j';
        std::ofstream(s.game() / "KVR.EXE", std::ios::binary)
            .write(reinterpret_cast<const char*>(exe.data()), std::streamsize(exe.size()));
        s.configure();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(), TMainForm::StartResult::Ready);
        QCOMPARE(form.versionLabel()->text(), QStringLiteral("KVR: English Version 1.0b"));
    }

    void progressValuesArriveInOrder()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QSignalSpy spy(form.splash(), &kvrgui::TStartForm::progressChanged);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        QList<int> values;
        for (const auto& args : spy)
            values << args.at(0).toInt();
        QList<int> expected;
        for (int v = 4; v <= 88; v += 4)
            expected << v;
        expected << 92 << 100;
        QCOMPARE(values, expected);
        form.show();
        QVERIFY2(!form.splash()->isVisible(), "showing the main window closes the splash");
    }

    void theHelmetSheetIsImportedAtStartUp()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        QVERIFY2(prompt.warned.empty(), prompt.warned.empty() ? "" : prompt.warned.front().c_str());
        QVERIFY(form.helmets().available());
        auto* window = qobject_cast<kvrgui::THelmetForm*>(form.editorWindow("helmets"));
        QVERIFY(window);
        QCOMPARE(&window->helmets(), &form.helmets());
        QVERIFY(qobject_cast<QDialog*>(form.editorWindow("jams")));
    }

    void aFailedHelmetImportIsAWarning_data()
    {
        QTest::addColumn<bool>("textures");
        QTest::addColumn<QString>("converter");
        QTest::addColumn<QString>("said");
        QTest::newRow("no texture") << false << QString() << QStringLiteral("HELMETS1.JAM");
        QTest::newRow("no converter") << true << QStringLiteral("/nonexistent/kvrjam")
                                      << QStringLiteral("cannot be started");
    }

    void aFailedHelmetImportIsAWarning()
    {
        QFETCH(bool, textures);
        QFETCH(QString, converter);
        QFETCH(QString, said);
        Setup s;
        s.makeGame(0, textures);
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        if (!converter.isEmpty())
            qputenv(kvr::kConverterVariable, converter.toUtf8());
        const TMainForm::StartResult started = form.startUp(s.game());
        qunsetenv(kvr::kConverterVariable);
        QCOMPARE(started, TMainForm::StartResult::Ready);
        QCOMPARE(form.splash()->progressBar()->value(), 100);
        // The warning follows the window, without anyone asking for the sheet.
        form.show();
        QTRY_COMPARE(prompt.warned.size(), std::size_t(1));
        QVERIFY(!form.helmetImportRunning());
        QVERIFY2(QString::fromStdString(prompt.warned[0]).contains(said), prompt.warned[0].c_str());
        QVERIFY(!form.helmets().available());

        // The helmets window says so and imports the sheet once the game has it.
        auto* window = qobject_cast<kvrgui::THelmetForm*>(form.editorWindow("helmets"));
        window->show();
        QVERIFY(window->sheetMissingLabel()->isVisible());
        QCOMPARE(window->sheetMissingLabel()->text(), kvrgui::fromAnsi(kvr::kHelmetSheetMissing));
        QVERIFY(window->importButton()->isEnabled());
        if (!textures) {
            // File by file: a recursive copy into the game throws under wine.
            fs::create_directories(s.game() / "GAMEJAMS");
            for (const auto& jam : fs::directory_iterator(s.home.data("DEMOJAMS")))
                fs::copy_file(jam.path(), s.game() / "GAMEJAMS" / jam.path().filename(),
                              fs::copy_options::overwrite_existing);
        }
        QTest::mouseClick(window->importButton(), Qt::LeftButton);
        QCOMPARE(prompt.informed, std::vector<std::string>{"Data has been imported!"});
        QVERIFY(form.helmets().available());
        QVERIFY(!window->sheetMissingLabel()->isVisible());
        window->close();
    }

    void theWindowDoesNotWaitForTheHelmetImport_data()
    {
        QTest::addColumn<bool>("helmetsWindowFirst");
        QTest::addColumn<bool>("mainWindowShown");
        QTest::newRow("sheet arrives by itself") << false << true;
        QTest::newRow("helmets window opened before") << true << true;
        // The converter waits for the main window's first paint, unless asked for sooner.
        QTest::newRow("sheet asked for before the main window shows") << true << false;
    }

    void theWindowDoesNotWaitForTheHelmetImport()
    {
#ifdef _WIN32
        QSKIP("the slow converter is a shell script");
#else
        QFETCH(bool, helmetsWindowFirst);
        QFETCH(bool, mainWindowShown);
        Setup s;
        s.makeGame();
        const fs::path slow = s.root() / "slow-kvrjam";
        std::ofstream(slow) << "#!/bin/sh\nsleep 1\nexec '" << kvr::converterProgram().string() << "' \"$@\"\n";
        fs::permissions(slow, fs::perms::owner_all, fs::perm_options::add);
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        qputenv(kvr::kConverterVariable, QByteArray::fromStdString(slow.string()));
        const TMainForm::StartResult started = form.startUp(s.game());
        qunsetenv(kvr::kConverterVariable);
        QCOMPARE(started, TMainForm::StartResult::Ready);
        QVERIFY2(form.helmetImportRunning(), "the start-up load does not wait for the converter");
        if (mainWindowShown)
            form.show();
        if (helmetsWindowFirst) {
            // The window must never offer a missing sheet, nor export one, while the game's is coming.
            auto* window = qobject_cast<kvrgui::THelmetForm*>(form.editorWindow("helmets"));
            QVERIFY(!form.helmetImportRunning());
            window->show();
            QVERIFY(!window->sheetMissingLabel()->isVisible());
            window->close();
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(!form.helmetImportRunning(), 10000);
        }
        QVERIFY2(prompt.warned.empty(), prompt.warned.empty() ? "" : prompt.warned.front().c_str());
        QVERIFY(form.helmets().available());
        QVERIFY(!form.helmets().unexported());
#endif
    }

    void unreadableGameFileIsFatalAndNamed_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("keptBytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing executable") << "KVR.EXE" << -1 << "";
        QTest::newRow("truncated executable") << "KVR.EXE" << 100 << "beyond the end";
        QTest::newRow("empty state file") << "F1GSTATE.SAV" << 0 << "beyond the end";
    }

    void unreadableGameFileIsFatalAndNamed()
    {
        QFETCH(QString, file);
        QFETCH(int, keptBytes);
        QFETCH(QString, reason);
        Setup s;
        s.makeGame();
        s.configure();
        const fs::path path = s.game() / file.toStdString();
        if (keptBytes < 0)
            fs::remove(path);
        else
            fs::resize_file(path, std::uintmax_t(keptBytes));
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(), TMainForm::StartResult::Fatal);
        QCOMPARE(prompt.warned.size(), std::size_t(1));
        const std::string& text = prompt.warned.front();
        QVERIFY2(text.rfind(" File access error! \n", 0) == 0, text.c_str());
        QVERIFY2(text.find(fs::path(path).make_preferred().string()) != std::string::npos, text.c_str());
        QVERIFY2(text.find(reason.toStdString()) != std::string::npos, text.c_str());
        QCOMPARE(form.exitCode(), 1);
    }

    void unwritableConfigurationIsToldAtExit()
    {
        Setup s;
        s.makeGame();
        s.configure();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(), TMainForm::StartResult::Ready);
        fs::remove(s.home.configFile());
        kvr::setWriteFileHook([&](kvr::WriteStep, const fs::path& file) {
            if (file == s.home.configFile())
                throw kvr::WriteFailure("Read-only file system");
        });
        form.close();
        kvr::setWriteFileHook(nullptr);
        QCOMPARE(prompt.warned.size(), std::size_t(1));
        QVERIFY2(prompt.warned.front().find(s.home.configFile().string()) != std::string::npos,
                 prompt.warned.front().c_str());
        QVERIFY2(prompt.warned.front().find("Read-only file system") != std::string::npos,
                 prompt.warned.front().c_str());
    }

    void unknownVersionByteIsToldOnce()
    {
        Setup s;
        s.makeGame();
        s.configure();
        {
            std::fstream exe(s.game() / "KVR.EXE", std::ios::binary | std::ios::in | std::ios::out);
            exe.seekp(kvr::kVersionBytePosition);
            exe.put('Z');
        }
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(), TMainForm::StartResult::Ready);
        QCOMPARE(prompt.warned.size(), std::size_t(1));
        QVERIFY2(prompt.warned.front().find("0x5A") != std::string::npos, prompt.warned.front().c_str());
    }

    // A window on a game whose last change cannot be finished would show, and could
    // write back, a mix of old and new files: the editor does not open on it.
    void aGameWhoseLastChangeCannotBeFinishedDoesNotOpen()
    {
        Setup s;
        s.makeGame();
        const std::string journal = "kvrdesk file set 1\n../notes.txt\t.notes.txt.kvrtmp-abcdef\nend 1\n";
        std::ofstream(s.game() / ".kvrdesk.journal", std::ios::binary) << journal;
        const auto state = bytesOf(s.game() / "F1GSTATE.SAV");
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Fatal);
        // Windows shows the folder with its own separators.
        const fs::path game = fs::path(s.game()).make_preferred();
        const std::vector<std::string> expected{
            "The game in " + game.string() + " is not read, as its files may be part old, part new. " +
            "Cannot finish the last change of the game: " + (game / ".kvrdesk.journal").string() +
            " names a file outside the game folder: " + (game / "../notes.txt").string() +
            ". Look at the game's files, then remove it."};
        QVERIFY2(prompt.warned == expected,
                 (prompt.warned.empty() ? std::string("no warning") : prompt.warned.front()).c_str());
        QCOMPARE(form.exitCode(), 1);
        QVERIFY2(form.record() == kvr::SettingsRecord(), "nothing was read");
        QVERIFY(bytesOf(s.game() / "F1GSTATE.SAV") == state);
        QVERIFY2(fs::exists(s.game() / ".kvrdesk.journal"), "kept for the user to look at");
    }
};

QTEST_MAIN(MainWindowStartUpTest)
#include "main_window_startup_test.moc"
