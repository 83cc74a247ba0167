// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/start_window.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"
#include "widgets/font_warm_up.h"

#include <QFontDatabase>
#include <QProcess>
#include <QProgressBar>

#include <chrono>

// The program's own start: the font configuration read ahead on a thread, the splash
// window made with its hourglass before its first text is measured.
class ProgramStartTest : public QObject {
    Q_OBJECT

private slots:
    void theEditorStartsAndSaysWhenItsWindowIsShown()
    {
#ifdef _WIN32
        QSKIP("the program's own start under wine is checked by the real-window run");
#else
        Setup s;
        s.makeGame();
        QProcess editor;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString((s.root() / "config").string()));
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        env.insert(QStringLiteral("KVR_LAUNCH_NS"),
                   QString::number(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        editor.setProcessEnvironment(env);
        editor.start(QStringLiteral(KVR_PROGRAM),
                     {QString::fromStdString(s.game().string()), QStringLiteral("--startup-only")});
        QVERIFY2(editor.waitForFinished(60000), "the editor ends by itself once its window is shown");
        const QString out = QString::fromLocal8Bit(editor.readAllStandardOutput());
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), 0);
        QVERIFY2(out.startsWith(QStringLiteral("shown after ")), qPrintable(out));
#endif
    }

    void aWarmUpIsWaitedForOnceWhateverTheOrder()
    {
        // Waited for by the first window, by a second one, then at its end; and one that
        // no window waited for: none may end the program.
        {
            const kvrgui::FontWarmUp fonts;
            kvrgui::FontWarmUp::await();
            kvrgui::FontWarmUp::await();
        }
        kvrgui::FontWarmUp::await();
        {
            const kvrgui::FontWarmUp fonts;
        }
        // Told that the window system runs, it fills the font database: waited for, or at its end.
        for (const bool waited : {true, false}) {
            kvrgui::FontWarmUp fonts;
            fonts.windowSystemStarted();
            fonts.windowSystemStarted();
            if (waited)
                kvrgui::FontWarmUp::await();
        }
        QVERIFY(!QFontDatabase::families().isEmpty());
    }

    void theSplashWearsTheHourglassFromTheStart()
    {
        Setup s;
        GuiPrompt prompt;
        kvrgui::TMainForm form(s.home, prompt);
        const kvrgui::TStartForm* splash = form.splash();
        QCOMPARE(splash->cursor().shape(), Qt::WaitCursor);
        QCOMPARE(splash->progressBar()->cursor().shape(), Qt::WaitCursor);
        QVERIFY2(splash->windowHandle() && splash->windowHandle()->cursor().shape() == Qt::WaitCursor,
                 "the window is made with its hourglass");
    }
};

QTEST_MAIN(ProgramStartTest)
#include "program_start_test.moc"
