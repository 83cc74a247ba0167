#include "app/main_window.h"
#include "core/settings_record.h"
#include "game/demo_game.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"

#include <QDialog>
#include <QPushButton>
#include <QtTest>

using kvrgui::TMainForm;
using Bytes = std::vector<std::uint8_t>;

namespace {

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

} // namespace

class RecordTruthTest : public QObject {
    Q_OBJECT

  private slots:
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
