// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/path_window.h"
#include "core/settings_record.h"
#include "editors/failures/failure_blocks.h"
#include "editors/helmets/helmet_sheet.h"
#include "editors/helmets/helmet_window.h"
#include "editors/jams/jam_window.h"
#include "game/demo_game.h"
#include "graphics/bitmap_writer.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"
#include "widgets/pixel_view.h"

#include <QAction>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

using kvrgui::TMainForm;
namespace rec = kvr::rec;

namespace {

bool isLocateWindow(QObject* o)
{
    return qobject_cast<kvrgui::TPathForm*>(o) != nullptr;
}

// Presses the locate window's button once for each answer the prompt holds, then
// Cancel if the window is still open.
std::function<void(QWidget*)> locateWith(GuiPrompt& prompt)
{
    return [&prompt](QWidget* w) {
        auto* form = static_cast<kvrgui::TPathForm*>(w);
        while (!prompt.fileAnswers.empty() && form->isVisible())
            QTest::mouseClick(form->locateButton(), Qt::LeftButton);
        if (form->isVisible())
            QTest::mouseClick(form->cancelButton(), Qt::LeftButton);
    };
}

QPoint inCell(int helmet)
{
    const kvr::CellCorner c = kvr::helmetCell(helmet);
    return {c.x + 30, c.y + 7};
}

} // namespace

class LocateAgainTest : public QObject {
    Q_OBJECT

  private slots:
    void aFileThatIsNotTheGamesExecutableIsRefused()
    {
        Setup s;
        s.makeGame();
        const fs::path shortExe = s.root() / "short" / "KVR.EXE";
        fs::create_directories(shortExe.parent_path());
        std::ofstream(shortExe, std::ios::binary) << std::string(0x1000, 'J');
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        prompt.fileAnswers = {shortExe, s.game() / "KVR.EXE"};
        WhenShown locate(isLocateWindow, locateWith(prompt));
        QCOMPARE(form.startUp(), TMainForm::StartResult::Ready);
        QVERIFY(locate.ran);
        QCOMPARE(prompt.fileRequests.size(), std::size_t(2));
        QCOMPARE(prompt.warned.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(prompt.warned[0]).contains(QStringLiteral("short")), prompt.warned[0].c_str());
        QCOMPARE(form.context().config.executablePath, (s.game() / "KVR.EXE").make_preferred().string());
        QCOMPARE(form.record().shortString(rec::teamName(1), 13), kvr::demoRecord().shortString(rec::teamName(1), 13));
        QVERIFY(prompt.unexpected.empty());
    }

    void locatingAgainAsksBeforeAnythingIsLost()
    {
        Setup s;
        s.makeGame();
        const fs::path other = s.root() / "other";
        kvr::makeDemoGame(other, 2, s.home.data("PLT.DAT"), s.home.data("DEMOJAMS"));
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        form.document().change("edit", [](kvr::SettingsRecord& r) { kvr::setFailureValue(r, 1, 1234); });
        const kvr::SettingsRecord edited = form.record();
        const int steps = form.document().undoStack()->count();

        // Cancel keeps everything, undo included; the locate window never shows.
        WhenShown locate(isLocateWindow, locateWith(prompt));
        prompt.chooseAnswers = {std::nullopt};
        form.menuAction(QStringLiteral("locateGameAction"))->trigger();
        QCOMPARE(prompt.chosen.size(), std::size_t(1));
        QVERIFY(!locate.ran);
        QCOMPARE(form.record(), edited);
        QCOMPARE(form.document().undoStack()->count(), steps);
        QVERIFY(form.isWindowModified());

        // A helmet swapped and a painting loaded, neither exported: named in the question.
        auto* helmets = static_cast<kvrgui::THelmetForm*>(form.editorWindow(QStringLiteral("helmets")));
        helmets->show();
        QTest::mousePress(helmets->sheetPicture(), Qt::LeftButton, {}, inCell(3));
        QTest::mouseRelease(helmets->sheetPicture(), Qt::LeftButton, {}, inCell(20));
        helmets->close();
        auto* jams = static_cast<kvrgui::TJamForm*>(form.editorWindow(QStringLiteral("jams")));
        jams->show();
        kvr::IndexedPicture painting(256, 164, 7);
        const fs::path bitmap = s.root() / "painting.bmp";
        const auto bytes = kvr::encodeBitmap8(painting);
        std::ofstream(bitmap, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        prompt.fileAnswers = {bitmap};
        QTest::mouseClick(jams->loadButton(), Qt::LeftButton);
        jams->close();
        prompt.chooseAnswers = {std::nullopt};
        QVERIFY2(!form.close(), "Cancel keeps the editor open");
        const QString asked = QString::fromStdString(prompt.chosen.back());
        QVERIFY2(asked.contains(QStringLiteral("helmet sheet")) && asked.contains(QStringLiteral("car painting")),
                 prompt.chosen.back().c_str());

        // Discard: the other game is located and read, with a fresh history.
        prompt.chooseAnswers = {1};
        prompt.fileAnswers = {other / "KVR.EXE"};
        form.menuAction(QStringLiteral("locateGameAction"))->trigger();
        QVERIFY(locate.ran);
        const QString askedOnLocate = QString::fromStdString(prompt.chosen.back());
        QVERIFY(askedOnLocate.contains(QStringLiteral("helmet sheet")) &&
                askedOnLocate.contains(QStringLiteral("car painting")));
        QCOMPARE(form.context().config.executablePath, (other / "KVR.EXE").make_preferred().string());
        QCOMPARE(form.context().version, 2);
        QCOMPARE(kvr::failureValue(form.record(), 1), kvr::failureValue(kvr::demoRecord(), 1));
        QVERIFY(!form.document().undoStack()->canUndo());
        QVERIFY(!form.isWindowModified());

        // Nothing is left to lose: closing asks nothing.
        const std::size_t questions = prompt.chosen.size();
        QVERIFY(form.close());
        QCOMPARE(prompt.chosen.size(), questions);
        QVERIFY(prompt.unexpected.empty());
    }
};

QTEST_MAIN(LocateAgainTest)
#include "locate_again_test.moc"
