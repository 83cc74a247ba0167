// SPDX-License-Identifier: GPL-3.0-or-later
// File > "Save changes as patch..." and "Apply patch...": what they write and change, in
// the settings record's bytes, and that the command line reads the same patches.
#include "app/main_window.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"
#include "widgets/translation_qt.h"

#include <QAction>
#include <QProcess>
#include <QUndoStack>
#include <QtTest>

#include <fstream>

#include <string>

using kvrgui::TMainForm;
namespace rec = kvr::rec;

namespace {

// Runs the command-line tool; its exit code.
int cli(const QStringList& args, QString* err = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(KVR_CLI), args);
    if (!p.waitForFinished(60000))
        return -1;
    if (err)
        *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// QVERIFY2 builds its message whether or not the check fails.
const char* firstOf(const std::vector<std::string>& lines)
{
    return lines.empty() ? "" : lines.front().c_str();
}

QString path(const fs::path& p)
{
    return QString::fromStdString(p.string());
}

std::string textOf(const fs::path& file)
{
    const std::vector<std::uint8_t> bytes = bytesOf(file);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

class PatchMenuTest : public QObject {
    Q_OBJECT

  private slots:
    // A German game opens a German editor: the patch's list speaks German and names the
    // team's engine and the driver as the windows do.
    void aGermanGameShowsThePatchInGerman()
    {
        Setup s;
        s.makeGame(1);
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        QCOMPARE(kvrgui::currentLanguage(), QStringLiteral("de"));
        form.document().change(QStringLiteral("Grip"), [](kvr::SettingsRecord& r) {
            r.setWord(rec::gripRace(4), 15000);
            r.setWord(rec::enginePowerQualifying(3), 700);
        });
        std::ofstream(s.root() / "mod.kvpatch") << R"({"kvpatch": 1, "changes": [)"
                                                << R"({"field": "engine_power.qualifying[2]", "from": 700, "to": 795},)"
                                                << R"({"field": "grip.race[3]", "from": 14000, "to": 16000}]})";
        prompt.fileAnswers = {s.root() / "mod.kvpatch"};
        prompt.listAnswers = {false};
        form.menuAction(QStringLiteral("applyPatchAction"))->trigger();
        QVERIFY2(prompt.unexpected.empty(), firstOf(prompt.unexpected));
        QCOMPARE(prompt.listMessages.size(), std::size_t(1));
        QStringList shown;
        for (const kvr::Message& line : prompt.listMessages[0])
            shown << kvrgui::translatedMessage(line);
        QCOMPARE(shown, (QStringList{QString::fromUtf8("Sablewing-Kalvex V10, Qualifikation: 700 \u2192 795 BHP"),
                                     QString::fromUtf8("Dario Festanni, Grip in den \u00FCbrigen Sitzungen: 15000 "
                                                       "\u2192 16000 (der Patch erwartet 14000)")}));
        QVERIFY(kvrgui::translatedMessage(prompt.said.back()).startsWith(QStringLiteral("Diese Werte werden ge")));
        kvrgui::useLanguage(QStringLiteral("en"));
    }

    // A patch the command line printed, over settings it was not made from: the list shows
    // each change and marks the value the patch did not expect; OK applies it as one step.
    void applyShowsTheChangesAndIsOneUndoStep()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        form.document().change(QStringLiteral("Grip"), [](kvr::SettingsRecord& r) {
            r.setWord(rec::gripRace(4), 15000);
            r.setWord(rec::enginePowerQualifying(3), 700);
        });
        const kvr::SettingsRecord before = form.record();

        kvr::SettingsRecord a = before;
        a.setWord(rec::gripRace(4), 14000); // the patch was made over another grip
        kvr::SettingsRecord b = a;
        b.setWord(rec::gripRace(4), 16000);
        b.setWord(rec::enginePowerQualifying(3), 795);
        QVERIFY(kvr::writeSettingsFile(s.root() / "A.KVS", a));
        QVERIFY(kvr::writeSettingsFile(s.root() / "B.KVS", b));
        QProcess diff;
        diff.setStandardOutputFile(path(s.root() / "mod.kvpatch"));
        diff.start(QStringLiteral(KVR_CLI), {QStringLiteral("diff"), path(s.root() / "A.KVS"), path(s.root() / "B.KVS"),
                                             QStringLiteral("--patch")});
        QVERIFY(diff.waitForFinished(60000));
        QCOMPARE(diff.exitCode(), 1);

        // Cancel changes nothing.
        prompt.fileAnswers = {s.root() / "mod.kvpatch"};
        prompt.listAnswers = {false};
        form.menuAction(QStringLiteral("applyPatchAction"))->trigger();
        QVERIFY(form.record() == before);

        prompt.fileAnswers = {s.root() / "mod.kvpatch"};
        prompt.listAnswers = {true};
        form.menuAction(QStringLiteral("applyPatchAction"))->trigger();
        QVERIFY2(prompt.unexpected.empty(), firstOf(prompt.unexpected));
        QCOMPARE(prompt.listsShown.size(), std::size_t(2));
        QCOMPARE(prompt.listsShown[1],
                 (std::vector<std::string>{
                     "Sablewing-Kalvex V10, qualifying: 700 \u2192 795 BHP",
                     "Dario Festanni grip, other sessions: 15000 \u2192 16000 (the patch expects 14000)",
                 }));
        kvr::SettingsRecord expected = before;
        expected.setWord(rec::gripRace(4), 16000);
        expected.setWord(rec::enginePowerQualifying(3), 795);
        QVERIFY(form.record() == expected);
        QCOMPARE(form.record().bytes()[rec::gripRace(4)], std::uint8_t(16000 & 0xff));

        form.menuAction(QStringLiteral("undoAction"))->trigger();
        QVERIFY(form.record() == before);
        QCOMPARE(form.exitCode(), 0);
    }

    // Against the game as it is, the patch holds the one edit; against the original
    // settings, the command line applies it to ORIGIN.SET and gets the record back.
    void savedPatchAppliesWithTheCommandLine()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        QVERIFY(form.document().trackDataKnown());
        const std::uint16_t grip = form.record().word(rec::gripRace(4));
        form.document().change(QStringLiteral("Grip"),
                               [&](kvr::SettingsRecord& r) { r.setWord(rec::gripRace(4), grip + 500); });

        prompt.chooseAnswers = {0};
        prompt.formAnswers = {GuiPrompt::FormAnswer{{"Grip up", "Ann", "Car 4 only.\nTry it wet."}, {false}}};
        prompt.fileAnswers = {s.root() / "game.kvpatch"};
        form.menuAction(QStringLiteral("saveChangesAsPatchAction"))->trigger();
        QCOMPARE(textOf(s.root() / "game.kvpatch"),
                 "{\n  \"kvpatch\": 1,\n  \"title\": \"Grip up\",\n  \"author\": \"Ann\",\n  \"description\": \"Car 4 "
                 "only.\\nTry it wet.\",\n  \"made_with\": \"kvrdesk " KVR_VERSION
                 "\",\n  \"changes\": [\n    {\n      "
                 "\"field\": \"grip.race[3]\",\n      \"label\": \"Car 4 grip, other sessions\",\n      \"from\": " +
                     std::to_string(grip) + ",\n      \"to\": " + std::to_string(grip + 500) + "\n    }\n  ]\n}\n");
        QCOMPARE(prompt.formsShown.size(), std::size_t(1));
        QCOMPARE(prompt.formsShown[0][3].label,
                 std::string("&Exact copy, every byte (also the settings description and "
                             "bytes no window shows)"));

        // Against the original settings every byte goes in, so the command line gets the record back.
        prompt.chooseAnswers = {1};
        prompt.formAnswers = {GuiPrompt::FormAnswer{{}, {true}}};
        prompt.fileAnswers = {s.root() / "origin.kvpatch"};
        form.menuAction(QStringLiteral("saveChangesAsPatchAction"))->trigger();
        QString err;
        QCOMPARE(cli({QStringLiteral("apply"), path(s.root() / "origin.kvpatch"), QStringLiteral("--input"),
                      path(s.home.data("ORIGIN.SET")), QStringLiteral("-o"), path(s.root() / "OUT.KVS")},
                     &err),
                 0);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        kvr::SettingsRecord out;
        QVERIFY(kvr::readSettingsFile(s.root() / "OUT.KVS", out));
        QVERIFY(out == form.record());

        // Never over a game file.
        prompt.chooseAnswers = {0};
        prompt.formAnswers = {GuiPrompt::FormAnswer{}};
        prompt.fileAnswers = {s.game() / "KVR.EXE"};
        const std::vector<std::uint8_t> exe = bytesOf(s.game() / "KVR.EXE");
        form.menuAction(QStringLiteral("saveChangesAsPatchAction"))->trigger();
        QCOMPARE(bytesOf(s.game() / "KVR.EXE"), exe);
        QCOMPARE(prompt.warned.size(), std::size_t(1));
        QVERIFY(prompt.warned[0].find("it is the game's KVR.EXE") != std::string::npos);
        QVERIFY2(prompt.unexpected.empty(), firstOf(prompt.unexpected));
    }

    // A patch nested far too deep, with a key twice, or naming a byte twice is refused with
    // the reason; the record, the unsaved edits and their undo steps stay as they were.
    void hostilePatchKeepsTheRecordAndItsHistory()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        form.document().change(QStringLiteral("Grip"),
                               [](kvr::SettingsRecord& r) { r.setWord(rec::gripRace(4), 15000); });
        const std::uint16_t power = form.record().word(rec::enginePowerQualifying(3));
        QVERIFY(power != 700);
        form.document().change(QStringLiteral("Power"),
                               [](kvr::SettingsRecord& r) { r.setWord(rec::enginePowerQualifying(3), 700); });
        const kvr::SettingsRecord before = form.record();
        const int steps = form.document().undoStack()->count();

        const std::size_t depth = 100000;
        std::ofstream(s.root() / "deep.kvpatch")
            << R"({"kvpatch": )" << std::string(depth, '[') << std::string(depth, ']') << R"(, "changes": []})";
        std::ofstream(s.root() / "twice.kvpatch")
            << R"({"kvpatch": 1, "changes": [{"field": "grip.race[3]", "from": 15000, "to": 1, "to": 2}]})";
        std::ofstream(s.root() / "aliases.kvpatch")
            << R"({"kvpatch": 1, "changes": [{"field": "grip.race[3]", "from": 15000, "to": 16500},)"
            << R"( {"field": "raw_bytes.0x668", "from": 58, "to": 1}]})";
        prompt.fileAnswers = {s.root() / "deep.kvpatch", s.root() / "twice.kvpatch", s.root() / "aliases.kvpatch"};
        for (int i = 0; i < 3; ++i)
            form.menuAction(QStringLiteral("applyPatchAction"))->trigger();

        QCOMPARE(prompt.warned, (std::vector<std::string>{
                                    "The patch deep.kvpatch cannot be applied; nothing was changed. "
                                    "kvpatch[0][0][0][0][0][0][0][0][0][0][0][0][0][0...: nested deeper than 32 levels",
                                    "The patch twice.kvpatch cannot be applied; nothing was changed. "
                                    "key \"changes[0].to\" is given twice",
                                    "The patch aliases.kvpatch cannot be applied; nothing was changed. "
                                    "field raw_bytes.0x668: changes byte 0x668, which grip.race[3] changes too"}));
        QVERIFY(prompt.listsShown.empty());
        QVERIFY(form.record() == before);
        QCOMPARE(form.record().word(rec::gripRace(4)), std::uint16_t(15000));
        QCOMPARE(form.document().undoStack()->count(), steps);
        QVERIFY(form.document().isModified());
        form.menuAction(QStringLiteral("undoAction"))->trigger();
        // The last edit before the patches is still the one Undo takes back.
        QCOMPARE(form.record().word(rec::enginePowerQualifying(3)), power);
        QCOMPARE(form.record().word(rec::gripRace(4)), std::uint16_t(15000));
        QVERIFY2(prompt.unexpected.empty(), firstOf(prompt.unexpected));
    }

    // Track data nobody read from the game is neither saved as a change nor mixed with a
    // patch's track values.
    void unreadTrackDataIsNoChange()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), TMainForm::StartResult::Ready);
        kvr::SettingsRecord base = form.record();
        base.setByte(rec::trackData(0, 0), std::uint8_t(form.record().byte(rec::trackData(0, 0)) + 1));
        QVERIFY(kvr::writeSettingsFile(s.root() / "BASE.KVS", base));
        form.document().setTrackDataKnown(false);

        prompt.chooseAnswers = {2};
        prompt.fileAnswers = {s.root() / "BASE.KVS", s.root() / "none.kvpatch"};
        form.menuAction(QStringLiteral("saveChangesAsPatchAction"))->trigger();
        QCOMPARE(prompt.informed, (std::vector<std::string>{"The settings hold the same values: there is no change "
                                                            "to save."}));
        QVERIFY(!fs::exists(s.root() / "none.kvpatch"));

        const std::string patch = R"({"kvpatch": 1, "changes": [{"field": "track_data[0][0]", "from": 0, "to": 9}]})";
        std::ofstream(s.root() / "track.kvpatch") << patch;
        const kvr::SettingsRecord before = form.record();
        prompt.fileAnswers = {s.root() / "track.kvpatch"};
        form.menuAction(QStringLiteral("applyPatchAction"))->trigger();
        QVERIFY(form.record() == before);
        QCOMPARE(prompt.warned.size(), std::size_t(1));
        QVERIFY(prompt.warned[0].starts_with("The patch changes track data, which has not been read"));
        QVERIFY(prompt.listsShown.empty());
        QVERIFY2(prompt.unexpected.empty(), firstOf(prompt.unexpected));
    }
};

QTEST_MAIN(PatchMenuTest)
#include "patch_menu_test.moc"
