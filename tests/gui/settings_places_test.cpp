// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "core/editor_home.h"
#include "core/input_file.h"
#include "core/settings_file.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"
#include "widgets/qt_paths.h"

#include <QMenu>
#include <QSettings>
#include <QtTest>

using kvrgui::TMainForm;

namespace {

// Names a Linux user and a Windows user may give their files, beyond any one code page.
const char16_t* const kNames[] = {
    u"plain.KVS", u"Fahrer Müller.KVS", u"Ελληνικά και русский.KVS", u"日本語のファイル.KVS", u"chequered 🏁 flag.KVS",
};

} // namespace

// Where the editor's own files go, and names outside ASCII on the way between Qt and the
// core: the same file, whichever side names it.
class SettingsPlacesTest : public QObject {
    Q_OBJECT

  private slots:
    void namesReachTheSameFileFromQtAndFromTheCore()
    {
        QTemporaryDir dir;
        const fs::path root = kvrgui::toPath(dir.path());
        QCOMPARE(kvrgui::fromPath(root), dir.path());
        for (const char16_t* text : kNames) {
            const QString name = QString::fromUtf16(text);
            // Made by Qt, found and read by the core.
            QFile qt(dir.filePath(name));
            QVERIFY(qt.open(QIODevice::WriteOnly));
            qt.write("from Qt");
            qt.close();
            const fs::path file = kvrgui::toPath(dir.filePath(name));
            QCOMPARE(file, root / kvrgui::toPath(name));
            QCOMPARE(kvr::readInputFile(file, 100), (std::vector<std::uint8_t>{'f', 'r', 'o', 'm', ' ', 'Q', 't'}));
            fs::remove(file);
            // Made by the core, seen by Qt under the same name.
            std::ofstream(file, std::ios::binary) << "from the core";
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
            QCOMPARE(kvrgui::fromPath(file), dir.filePath(name));
            QFile back(kvrgui::fromPath(file));
            QVERIFY(back.open(QIODevice::ReadOnly));
            QCOMPARE(back.readAll(), QByteArray("from the core"));
            back.close();
            fs::remove(file);
        }
    }

    // kvrdesk.ini is an INI file in the user's settings folder (%APPDATA%\kvrdesk on
    // Windows, where Qt would otherwise use the registry).
    void theEditorsSettingsAreAnIniFileInTheUsersFolder()
    {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(QDir::toNativeSeparators(dir.path()));
        qputenv("APPDATA", folder);
        qputenv("XDG_CONFIG_HOME", folder);
        const kvr::EditorHome home = kvr::EditorHome::forProgram(kvrgui::toPath(dir.path()) / "bin" / "kvrdesk");
        QCOMPARE(home.stateDir, kvrgui::toPath(dir.path()) / "kvrdesk");

        Setup s;
        s.home.stateDir = home.stateDir;
        fs::create_directories(s.home.stateDir);
        s.makeGame();
        s.configure();
        const fs::path settingsFile = s.root() / fs::path(u8"Fahrer Müller 日本 🏁.KVS");
        kvr::SettingsRecord saved;
        {
            GuiPrompt prompt;
            TMainForm form(s.home, prompt);
            QCOMPARE(form.startUp(), TMainForm::StartResult::Ready);
            prompt.fileAnswers = {settingsFile};
            form.onSaveSettings();
            QVERIFY(kvr::readSettingsFile(settingsFile, saved));
            QCOMPARE(caption(form), QStringLiteral("* Morvane Softcrafts KVR Editor *- ") +
                                        QString::fromUtf8(u8"Fahrer Müller 日本 🏁.KVS"));
            QVERIFY(prompt.unexpected.empty());
        }
        const fs::path ini = home.stateDir / "kvrdesk.ini";
        QVERIFY(fs::is_regular_file(ini));
        const std::vector<std::uint8_t> text = kvr::readInputFile(ini, 100000);
        QVERIFY(std::string(text.begin(), text.end()).starts_with("[General]"));
        QSettings read(kvrgui::fromPath(ini), QSettings::IniFormat);
        QCOMPARE(read.value(QStringLiteral("recentFiles")).toStringList(), QStringList{kvrgui::fromPath(settingsFile)});

        // The next start offers the file in its recent list and loads it from there.
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(), TMainForm::StartResult::Ready);
        form.document().change("edit", [](kvr::SettingsRecord& r) { r.setWord(kvr::rec::kHumanWeight, 1); });
        auto* recent = form.findChild<QMenu*>(QStringLiteral("recentMenu"));
        QVERIFY(recent);
        QCOMPARE(recent->actions().size(), 1);
        recent->actions().first()->trigger();
        QCOMPARE(form.record(), saved);
        QVERIFY(prompt.warned.empty());
        QVERIFY(prompt.unexpected.empty());
        qunsetenv("APPDATA");
        qunsetenv("XDG_CONFIG_HOME");
    }
};

QTEST_MAIN(SettingsPlacesTest)
#include "settings_places_test.moc"
