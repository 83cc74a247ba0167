// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/path_window.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"

#include <QPushButton>
#include <QtTest>

class PathWindowTest : public QObject {
    Q_OBJECT

private slots:
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
        QCOMPARE(form.located()->gameDirectory, (s.game() / "").make_preferred().string());
        QCOMPARE(form.located()->executablePath, (s.game() / "KVR.EXE").make_preferred().string());
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
};

QTEST_MAIN(PathWindowTest)
#include "path_window_test.moc"
