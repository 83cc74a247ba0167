#include "core/checksum.h"
#include "core/settings_record.h"
#include "editors/tuning/patch_list.h"
#include "gui_prompt.h"
#include "install/demo_game.h"
#include "install/game_context.h"
#include "install/ie_window.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace fs = std::filesystem;
namespace rec = kvr::rec;

class IEWindowTest : public QObject {
    Q_OBJECT

    struct Game {
        QTemporaryDir dir;
        kvr::GameContext context;
        Game()
        {
            const fs::path root(dir.path().toStdString());
            context.home = kvr::EditorHome{fs::path(KVR_DATA_DIR), root};
            kvr::makeDemoGame(root / "game", 0, context.patchList());
            context.config = kvr::Configuration::forExecutable(root / "game" / "KVR.EXE");
        }
        fs::path game() const { return context.gameDir(); }
    };

private slots:
    void choicesSetTheirOwnFlagOnly()
    {
        Game g;
        kvr::SettingsRecord record;
        GuiPrompt prompt;
        kvrgui::TIEForm form(g.context, record, prompt, [](const std::string&) { QFAIL("fatal"); });
        form.show();
        QVERIFY(form.namesFromState()->isChecked());
        QVERIFY(form.cockpitFromState()->isChecked());
        QTest::mouseClick(form.cockpitFromExe(), Qt::LeftButton);
        QVERIFY(!g.context.config.cockpitColoursInStateFile);
        QVERIFY(g.context.config.namesInStateFile);
        QTest::mouseClick(form.namesFromExe(), Qt::LeftButton);
        QVERIFY(!g.context.config.namesInStateFile);
        QTest::mouseClick(form.namesFromState(), Qt::LeftButton);
        QVERIFY(g.context.config.namesInStateFile);
        QCOMPARE(form.namesFromState()->text(), QStringLiteral("F1GPSTATE.SAV file"));
    }

    void importThenExportThroughTheButtons()
    {
        Game g;
        kvr::SettingsRecord record;
        GuiPrompt prompt;
        bool fatal = false;
        kvrgui::TIEForm form(g.context, record, prompt, [&](const std::string&) { fatal = true; });
        form.show();
        QTest::mouseClick(form.importButton(), Qt::LeftButton);
        QCOMPARE(prompt.informed, std::vector<std::string>{"All data has been imported!"});
        QCOMPARE(record.shortString(rec::teamName(2), 13), kvr::demoRecord().shortString(rec::teamName(2), 13));
        QVERIFY(form.trackDataRead());

        record.setShortString(rec::teamName(2), 13, "Exported");
        QTest::mouseClick(form.exportButton(), Qt::LeftButton);
        QVERIFY(!fatal);
        QVERIFY(kvr::verifyChecksumFile(g.game() / "F1GSTATE.SAV"));
        QTest::mouseClick(form.importButton(), Qt::LeftButton);
        QCOMPARE(record.shortString(rec::teamName(2), 13), std::string("Exported"));
        QVERIFY(prompt.unexpected.empty());
    }

    void aMissingGameIsFatal()
    {
        Game g;
        fs::remove(g.game() / "KVR.EXE");
        kvr::SettingsRecord record;
        GuiPrompt prompt;
        std::string message;
        kvrgui::TIEForm form(g.context, record, prompt, [&](const std::string& m) { message = m; });
        form.show();
        QTest::mouseClick(form.importButton(), Qt::LeftButton);
        QCOMPARE(message, std::string(" File access error! "));
        QVERIFY(prompt.informed.empty());
    }
};

QTEST_MAIN(IEWindowTest)
#include "ie_window_test.moc"
