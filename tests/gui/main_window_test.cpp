#include "app/des_window.h"
#include "app/main_window.h"
#include "app/path_window.h"
#include "app/start_window.h"
#include "core/configuration.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "editors/helmets/helmet_editor.h"
#include "editors/helmets/helmet_window.h"
#include "editors/tuning/patch_list.h"
#include "game/demo_game.h"
#include "gui_prompt.h"
#include "textures/converter.h"
#include "widgets/prompt_qt.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using kvrgui::TMainForm;
namespace rec = kvr::rec;

namespace {

std::vector<std::uint8_t> bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An editor home with the shipped data and an empty place for kvrdesk.set.
struct Setup {
    QTemporaryDir dir;
    kvr::EditorHome home;

    Setup()
    {
        home.stateDir = root() / "state";
        home.dataDir = root() / "DATA";
        fs::create_directories(home.stateDir);
        fs::copy(KVR_DATA_DIR, home.dataDir, fs::copy_options::recursive);
    }
    fs::path root() const { return fs::path(dir.path().toStdString()); }
    fs::path game() const { return root() / "game"; }

    void makeGame(int language = 0, bool textures = true)
    {
        kvr::makeDemoGame(game(), language, home.data("PLT.DAT"), textures ? home.data("DEMOJAMS") : fs::path());
    }
    void configure()
    {
        QVERIFY(kvr::writeConfiguration(home.configFile(), kvr::Configuration::forExecutable(game() / "KVR.EXE")));
    }
};

// The caption as the user reads it, without Qt's mark for unsaved changes.
QString caption(const TMainForm& form) { return form.windowTitle().remove(QStringLiteral("[*]")); }

// Counts the showings of a modal window and closes it again from its own event loop.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* window) : QObject(window) { window->installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            ++shown;
            QMetaObject::invokeMethod(watched, "reject", Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

class MainWindowTest : public QObject {
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

    void locateWindowAcceptsOnlyAnExistingFile()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        kvrgui::TPathForm form(prompt);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        prompt.fileAnswers = {s.root() / "nowhere" / "KVR.EXE", std::nullopt};
        QTest::mouseClick(form.locateButton(), Qt::LeftButton);
        QVERIFY(!form.located());
        QTest::mouseClick(form.locateButton(), Qt::LeftButton); // dialog cancelled
        QVERIFY(!form.located());
        QCOMPARE(prompt.fileRequests.at(0).title, std::string("Locate kvr.exe file"));
        QCOMPARE(prompt.fileRequests.at(0).filter, std::string("KVR main executable|KVR.EXE"));
        QCOMPARE(prompt.fileRequests.at(0).fileName, std::string("KVR.EXE"));

        form.close();
        QVERIFY2(form.isVisible(), "the close box is refused until a game is located");

        prompt.fileAnswers = {s.game() / "KVR.EXE"};
        QTest::mouseClick(form.locateButton(), Qt::LeftButton);
        QVERIFY(form.located());
        QCOMPARE(form.located()->gameDirectory, s.game().string() + "/");
        QCOMPARE(form.located()->executablePath, (s.game() / "KVR.EXE").string());
        QVERIFY(form.located()->namesInStateFile);
        QVERIFY(form.located()->cockpitColoursInStateFile);
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void locateWindowCancelRejects()
    {
        GuiPrompt prompt;
        kvrgui::TPathForm form(prompt);
        form.show();
        QTest::mouseClick(form.cancelButton(), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(!form.isVisible());
        QVERIFY(prompt.fileRequests.empty());
    }

    void enterMovesTheFocusLikeTab()
    {
        GuiPrompt prompt;
        kvrgui::TPathForm form(prompt);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.locateButton()->setFocus();
        QTest::keyClick(form.locateButton(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form.cancelButton());
        QVERIFY2(prompt.fileRequests.empty(), "Enter moved on instead of pressing the button");
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
        QCOMPARE(config->executablePath, (s.game() / "KVR.EXE").string());
    }

    void unknownVersionByteStartsAsEnglish()
    {
        Setup s;
        s.makeGame(2);
        auto exe = bytesOf(s.game() / "KVR.EXE");
        exe[0x569973] = 'j';
        std::ofstream(s.game() / "KVR.EXE", std::ios::binary).write(reinterpret_cast<const char*>(exe.data()),
                                                                    std::streamsize(exe.size()));
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
        QCOMPARE(prompt.warned.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(prompt.warned[0]).contains(said), prompt.warned[0].c_str());
        QVERIFY(!form.helmets().available());

        // The helmets window says so and imports the sheet once the game has it.
        auto* window = qobject_cast<kvrgui::THelmetForm*>(form.editorWindow("helmets"));
        window->show();
        QVERIFY(window->sheetMissingLabel()->isVisible());
        QCOMPARE(window->sheetMissingLabel()->text(), kvrgui::fromAnsi(kvr::kHelmetSheetMissing));
        QVERIFY(window->importButton()->isEnabled());
        if (!textures)
            fs::copy(s.home.data("DEMOJAMS"), s.game() / "GAMEJAMS",
                     fs::copy_options::overwrite_existing | fs::copy_options::recursive);
        QTest::mouseClick(window->importButton(), Qt::LeftButton);
        QCOMPARE(prompt.informed, std::vector<std::string>{"Data has been imported!"});
        QVERIFY(form.helmets().available());
        QVERIFY(!window->sheetMissingLabel()->isVisible());
        window->close();
    }

    void missingExecutableIsFatal()
    {
        Setup s;
        s.makeGame();
        s.configure();
        fs::remove(s.game() / "KVR.EXE");
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(), TMainForm::StartResult::Fatal);
        QCOMPARE(prompt.warned, std::vector<std::string>{" File access error! "});
        QCOMPARE(form.exitCode(), 1);
    }

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
        form.setWindowTitle(QStringLiteral("x"));
        prompt.fileAnswers = {a};
        form.onLoadSettings();
        QCOMPARE(form.record(), atSave);
        QCOMPARE(form.descriptionForm()->memo()->toPlainText(), QStringLiteral("no description at all"));
        QCOMPARE(caption(form), QStringLiteral("* Morvane Softcrafts KVR Editor *- a.KVS"));

        // A short file changes nothing, caption included, and says why.
        std::ofstream(s.root() / "short.KVS", std::ios::binary) << std::string(100, 'x');
        form.setWindowTitle(QStringLiteral("before"));
        prompt.fileAnswers = {s.root() / "short.KVS"};
        form.onLoadSettings();
        QCOMPARE(form.record(), atSave);
        QCOMPARE(caption(form), QStringLiteral("before"));
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
        form.setWindowTitle(QStringLiteral("kept"));
        form.descriptionForm()->memo()->setPlainText(QStringLiteral("mine"));
        form.onRestoreOriginalSettings();
        QCOMPARE(std::vector<std::uint8_t>(form.record().bytes().begin(), form.record().bytes().end()), original);
        QCOMPARE(caption(form), QStringLiteral("kept"));
        QCOMPARE(form.descriptionForm()->memo()->toPlainText(), QStringLiteral("mine"));
        QVERIFY(prompt.fileRequests.empty());

        prompt.fileAnswers = {s.root() / "mine.KVS"};
        form.onSaveSettings();
        QCOMPARE(prompt.fileRequests.size(), std::size_t(1));
        QCOMPARE(bytesOf(s.home.data("ORIGIN.SET")), original);
        QVERIFY(fs::exists(s.root() / "mine.KVS"));
    }

    void descriptionHoldsAtMost255Characters()
    {
        kvrgui::TDesForm des;
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
