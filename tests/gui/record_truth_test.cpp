// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/des_window.h"
#include "app/main_window.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "editors/failures/failure_blocks.h"
#include "editors/track/track_window.h"
#include "game/demo_game.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"

#include <QAction>
#include <QDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

using kvrgui::TMainForm;
using Bytes = std::vector<std::uint8_t>;

namespace {

const QString kTitle = QStringLiteral("* Morvane Softcrafts KVR Editor *");
constexpr std::size_t kTyreTable = 0x138A48;

// The 16 track files and the tyre table of KVR.EXE: every byte the track data lives in.
std::vector<Bytes> trackBytes(const fs::path& game)
{
    std::vector<Bytes> all;
    for (int t = 1; t <= 16; ++t)
        all.push_back(
            bytesOf(game / "CIRCUITS" / QStringLiteral("F1CT%1.DAT").arg(t, 2, 10, QLatin1Char('0')).toStdString()));
    const Bytes exe = bytesOf(game / "KVR.EXE");
    all.emplace_back(exe.begin() + kTyreTable, exe.begin() + kTyreTable + 32);
    return all;
}

void trigger(TMainForm& form, const char* action)
{
    form.menuAction(QString::fromLatin1(action))->trigger();
}

} // namespace

class RecordTruthTest : public QObject {
    Q_OBJECT

  private slots:
    void undoAfterTheTrackEditorReadTheGameExportsNothingUnread_data()
    {
        QTest::addColumn<bool>("editedBefore");
        QTest::newRow("nothing edited before") << false;
        QTest::newRow("a value edited before") << true;
    }

    void undoAfterTheTrackEditorReadTheGameExportsNothingUnread()
    {
        QFETCH(bool, editedBefore);
        Setup s;
        s.makeGame();
        fs::remove_all(s.game() / "CIRCUITS");
        kvr::makeDemoCd(s.root() / "cd", 0, s.home.data("PLT.DAT"));
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        form.show();
        if (editedBefore)
            form.document().change("edit", [](kvr::SettingsRecord& r) { kvr::setFailureValue(r, 1, 1234); });

        // A plain Cancel of the CD dialog says only that nothing was installed.
        auto* tracks = static_cast<kvrgui::TTrackEdForm*>(form.editorWindow(QStringLiteral("tracks")));
        prompt.confirmAnswers = {true};
        prompt.fileAnswers = {std::nullopt};
        form.button(QStringLiteral("tracksButton"))->click();
        QVERIFY(!tracks->isVisible());
        QCOMPARE(prompt.informed.back(), std::string("The track files were not installed."));
        QVERIFY2(prompt.warned.empty(), prompt.warned.empty() ? "" : prompt.warned.front().c_str());

        // Installed from the CD and read: opening the editor is no edit, and no undo
        // brings back values nobody read.
        prompt.confirmAnswers = {true};
        prompt.fileAnswers = {s.root() / "cd" / "KVR.EXE"};
        std::vector<Bytes> installed;
        bool modifiedOnEntry = !editedBefore;
        WhenShown inside([tracks](QObject* o) { return o == tracks; },
                         [&](QWidget*) {
                             installed = trackBytes(s.game());
                             modifiedOnEntry = form.isWindowModified();
                             QVERIFY(QTest::qWaitForWindowActive(tracks));
                             // The offscreen platform may leave the main window the active one
                             // behind the modal editor, where a window manager would not.
                             QApplication::setActiveWindow(tracks);
                             tracks->trackList()->setFocus();
                             for (int i = 0; i < 3; ++i)
                                 QTest::keyClick(tracks->trackList(), Qt::Key_Z, Qt::ControlModifier);
                             QTest::mouseClick(tracks->exportButton(), Qt::LeftButton);
                         });
        form.button(QStringLiteral("tracksButton"))->click();
        QVERIFY(inside.ran);
        QCOMPARE(modifiedOnEntry, editedBefore);
        QCOMPARE(prompt.informed.back(), std::string("Tracks data has been exported!"));
        QCOMPARE(kvr::failureValue(form.record(), 1), kvr::failureValue(kvr::demoRecord(), 1));
        const std::vector<Bytes> exported = trackBytes(s.game());
        QCOMPARE(exported.size(), installed.size());
        for (std::size_t f = 0; f < exported.size(); ++f)
            QVERIFY2(exported[f] == installed[f], QByteArray::number(qulonglong(f + 1)) + " changed");
        QVERIFY(!form.isWindowModified());
        QVERIFY(prompt.unexpected.empty());
        QCOMPARE(form.exitCode(), 0);
    }

    void restoreThatCannotReadTheOriginalChangesNothing()
    {
        Setup s;
        s.makeGame();
        fs::remove_all(s.game() / "CIRCUITS");
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        QVERIFY(!form.document().trackDataKnown());

        // Missing: said, and the record, its marks and its title stay.
        form.document().change("edit", [](kvr::SettingsRecord& r) { kvr::setFailureValue(r, 1, 1234); });
        const kvr::SettingsRecord edited = form.record();
        fs::remove(s.home.data("ORIGIN.SET"));
        trigger(form, "restoreOriginalAction");
        QCOMPARE(prompt.warned.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(prompt.warned[0]).contains(QStringLiteral("ORIGIN.SET")),
                 prompt.warned[0].c_str());
        QCOMPARE(form.record(), edited);
        QVERIFY(form.isWindowModified());
        QVERIFY2(!form.document().trackDataKnown(), "the track data is still unread");
        QCOMPARE(caption(form), kTitle);

        // Damaged, after a load: a Save still writes the loaded file without asking.
        const fs::path a = s.root() / "a.KVS";
        QVERIFY(kvr::writeSettingsFile(a, edited));
        prompt.fileAnswers = {a};
        trigger(form, "loadSettingsAction");
        QVERIFY2(!form.document().trackDataKnown(), "a file saved before the track data was read holds none");
        form.document().change("edit", [](kvr::SettingsRecord& r) { kvr::setFailureValue(r, 2, 777); });
        std::ofstream(s.home.data("ORIGIN.SET"), std::ios::binary) << std::string(100, 'x');
        trigger(form, "restoreOriginalAction");
        QCOMPARE(prompt.warned.size(), std::size_t(2));
        QCOMPARE(kvr::failureValue(form.record(), 2), std::uint16_t(777));
        QVERIFY(form.isWindowModified());
        QCOMPARE(caption(form), kTitle + QStringLiteral("- a.KVS"));
        trigger(form, "saveSettingsAction");
        QVERIFY2(prompt.fileRequests.size() == 1, "only the load asked for a file");
        kvr::SettingsRecord saved;
        QVERIFY(kvr::readSettingsFile(a, saved));
        QCOMPARE(saved, form.record());
        QVERIFY(!form.isWindowModified());
        QVERIFY(prompt.unexpected.empty());
    }

    void theTitleNamesWhereTheRecordCameFrom()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        QUndoStack* undo = form.document().undoStack();
        QCOMPARE(caption(form), kTitle);
        QVERIFY(!form.isWindowModified());

        // A name beyond ASCII is shown as it is spelt.
        const fs::path file = s.root() / fs::path(u8"\u00fc5.KVS");
        kvr::SettingsRecord other = form.record();
        kvr::setFailureValue(other, 2, 999);
        QVERIFY(kvr::writeSettingsFile(file, other));
        prompt.fileAnswers = {file};
        trigger(form, "loadSettingsAction");
        const QString loaded = kTitle + QStringLiteral("- \u00fc5.KVS");
        QCOMPARE(caption(form), loaded);
        QVERIFY(!form.isWindowModified());

        // Saving is no edit of its own; the description it takes in is.
        const int steps = undo->count();
        trigger(form, "saveSettingsAction");
        QCOMPARE(undo->count(), steps);
        form.descriptionForm()->memo()->setPlainText(QStringLiteral("mine"));
        trigger(form, "saveSettingsAction");
        QVERIFY(undo->undoText() != QStringLiteral("Save settings"));
        QVERIFY(!form.isWindowModified());

        form.document().change("edit", [](kvr::SettingsRecord& r) { kvr::setFailureValue(r, 3, 333); });
        QVERIFY(form.isWindowModified());
        QCOMPARE(caption(form), loaded);

        trigger(form, "restoreOriginalAction");
        QCOMPARE(caption(form), kTitle + QStringLiteral("- original settings"));
        QVERIFY(!form.isWindowModified());

        // Undo walks back through where the record came from.
        trigger(form, "undoAction");
        QCOMPARE(caption(form), loaded);
        QVERIFY(form.isWindowModified());
        trigger(form, "undoAction");
        QCOMPARE(caption(form), loaded);
        QVERIFY(!form.isWindowModified());
        while (undo->canUndo())
            trigger(form, "undoAction");
        QCOMPARE(caption(form), kTitle);
        QVERIFY2(!form.isWindowModified(), "the game's own values again");
        trigger(form, "redoAction");
        QCOMPARE(caption(form), loaded);
        QVERIFY2(form.isWindowModified(), "the file now holds the description");
        QVERIFY(prompt.unexpected.empty());
    }

    void aDamagedTrackFileIsNamedAndTheEditorStarts()
    {
        Setup s;
        s.makeGame();
        const fs::path track = s.game() / "CIRCUITS" / "F1CT05.DAT";
        Bytes bytes = bytesOf(track);
        bytes.resize(0x1000);
        std::ofstream(track, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        const std::vector<Bytes> before = trackBytes(s.game());
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        QCOMPARE(form.exitCode(), 0);
        QCOMPARE(prompt.warned.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(prompt.warned[0]).contains(QStringLiteral("F1CT05.DAT")),
                 prompt.warned[0].c_str());
        QVERIFY(!form.document().trackDataKnown());
        QVERIFY(!form.isWindowModified());

        // The track editor cannot use the data either: it says so and stays closed.
        auto* opened = new ShowCounter(form.editorWindow(QStringLiteral("tracks")));
        form.button(QStringLiteral("tracksButton"))->click();
        QCOMPARE(opened->shown, 0);
        QCOMPARE(prompt.warned.size(), std::size_t(2));
        QVERIFY(QString::fromStdString(prompt.warned[1]).contains(QStringLiteral("F1CT05.DAT")));
        QCOMPARE(form.exitCode(), 0);
        QVERIFY(trackBytes(s.game()) == before);
        QVERIFY(prompt.unexpected.empty());
    }
};

QTEST_MAIN(RecordTruthTest)
#include "record_truth_test.moc"
