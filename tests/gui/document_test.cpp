// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ie_window.h"
#include "app/main_window.h"
#include "core/settings_file.h"
#include "editors/failures/failure_blocks.h"
#include "editors/failures/failures_window.h"
#include "game/demo_game.h"
#include "gui_prompt.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace fs = std::filesystem;
using kvrgui::TMainForm;

namespace {

// The editor started on a demo game, with its own data and configuration folders.
struct Editor {
    QTemporaryDir dir;
    GuiPrompt prompt;
    std::unique_ptr<TMainForm> form;

    Editor()
    {
        kvr::EditorHome home{fs::path(KVR_DATA_DIR), root() / "state"};
        fs::create_directories(home.stateDir);
        kvr::makeDemoGame(root() / "game", 0, home.data("PLT.DAT"));
        form = std::make_unique<TMainForm>(home, prompt);
        if (form->startUp(root() / "game") != TMainForm::StartResult::Ready)
            qFatal("no start");
        form->show();
    }
    fs::path root() const { return fs::path(dir.path().toStdString()); }
    std::uint16_t failure(int team) const { return kvr::failureValue(form->record(), team); }
};

QAction* action(QWidget* window, const QString& text)
{
    for (QAction* a : window->findChildren<QAction*>())
        if (a->text().startsWith(text))
            return a;
    return nullptr;
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private slots:
    void anEditIsUndoneAndRedoneFromBothWindows()
    {
        Editor e;
        const std::uint16_t before = e.failure(1);
        auto* window = static_cast<kvrgui::TFailuresForm*>(e.form->editorWindow(QStringLiteral("failures")));
        window->show();
        window->valueEdit()->selectAll();
        QTest::keyClicks(window->valueEdit(), QStringLiteral("1234"));
        QTest::keyClick(window->valueEdit(), Qt::Key_Return);
        QCOMPARE(e.failure(1), std::uint16_t(1234));
        QVERIFY(e.form->isWindowModified());

        action(window, QStringLiteral("&Undo"))->trigger();
        QCOMPARE(e.failure(1), before);
        QCOMPARE(window->valueEdit()->text(), QString::number(before));
        QVERIFY(!e.form->isWindowModified());
        e.form->menuAction(QStringLiteral("redoAction"))->trigger();
        QCOMPARE(e.failure(1), std::uint16_t(1234));
        QCOMPARE(window->valueEdit()->text(), QStringLiteral("1234"));
        QCOMPARE(e.form->menuAction(QStringLiteral("undoAction"))->shortcut(), QKeySequence::Undo);
    }

    void importsAndLoadsAreOneStepEach()
    {
        Editor e;
        const kvr::SettingsRecord started = e.form->record();
        kvr::SettingsRecord other = started;
        kvr::setFailureValue(other, 2, 999);
        QVERIFY(kvr::writeSettingsFile(e.root() / "other.KVS", other));
        e.prompt.fileAnswers = {e.root() / "other.KVS"};
        e.form->onLoadSettings();
        QCOMPARE(e.form->record(), other);
        QVERIFY2(!e.form->isWindowModified(), "the record is what the file holds");

        QTest::mouseClick(e.form->importExportForm()->importButton(), Qt::LeftButton);
        QCOMPARE(e.form->record(), started);
        e.form->document().undoStack()->undo();
        QCOMPARE(e.form->record(), other);
        e.form->document().undoStack()->undo();
        QCOMPARE(e.form->record(), started);
        QVERIFY(e.prompt.unexpected.empty());
    }

    void closingWithChangesAsks()
    {
        for (const std::optional<int> answer : {std::optional<int>(), std::optional<int>(1), std::optional<int>(0)}) {
            Editor e;
            e.form->document().change("edit", [](kvr::SettingsRecord& r) { kvr::setFailureValue(r, 1, 1); });
            e.prompt.chooseAnswers = {answer};
            e.prompt.fileAnswers = {e.root() / "saved.KVS"};
            const bool closed = e.form->close();
            QCOMPARE(e.prompt.chosen.size(), std::size_t(1));
            QCOMPARE(closed, answer.has_value()); // Cancel keeps the program open
            QCOMPARE(fs::exists(e.root() / "saved.KVS"), answer == 0);
            QVERIFY(fs::exists(e.root() / "state" / "kvrdesk.set") == closed);
        }
        Editor clean;
        QVERIFY(clean.form->close());
        QVERIFY2(clean.prompt.chosen.empty(), "nothing to lose, nothing asked");
    }
};

QTEST_MAIN(DocumentTest)
#include "document_test.moc"
