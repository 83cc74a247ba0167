// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/button_picture.h"
#include "app/main_window.h"
#include "app/start_window.h"
#include "core/editor_home.h"
#include "core/errors.h"
#include "core/platform/program_arguments.h"
#include "core/platform/running_mark.h"
#include "game/launch_files.h"
#include "widgets/font_warm_up.h"
#include "widgets/launch_clock.h"
#include "widgets/prompt_qt.h"
#include "widgets/qt_paths.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstring>
#include <iostream>

namespace {

constexpr const char* kUsage =
    "Usage: kvrdesk [options] [GAME_DIR | KVR.EXE] [FILE.KVS | FILE.kvpatch]...\n"
    "Editor for the data of the racing game Kavorra.\n"
    "\n"
    "Options:\n"
    "  -h, --help             Displays this help.\n"
    "  -v, --version          Displays version information.\n"
    "  --screenshots DIR      Save pictures of every window into DIR, then quit.\n"
    "  --startup-only         Quit as soon as the main window is on screen (for timing).\n"
    "\n"
    "Arguments:\n"
    "  GAME_DIR, KVR.EXE      The game to open (a folder holding KVR.EXE, or the file itself)\n"
    "                         instead of the configured one.\n"
    "  FILE.KVS               A settings file, loaded as File > Load settings does (asking\n"
    "                         first when the settings have unsaved changes).\n"
    "  FILE.kvpatch           A patch, opened as File > Apply patch... does, with its preview.\n"
    "                         Files are opened one after another in the order given; each\n"
    "                         start is an editor of its own.\n"
    "\n"
    "Exit status:\n"
    "  0 when the editor was closed, 1 when a game file failed, 2 for a wrong command line,\n"
    "  3 when --screenshots could not save a picture.\n";

// Help and version need no display, so they are answered before the window system starts.
bool answeredWithoutWindows(int argc, char** argv, int& code)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            kvr::platform::useParentConsole();
            std::cout << kUsage;
            code = std::cout.flush() ? 0 : 3;
            return true;
        }
        if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-v")) {
            kvr::platform::useParentConsole();
            std::cout << "kvrdesk " << KVR_VERSION << '\n';
            code = std::cout.flush() ? 0 : 3;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    int code = 0;
    if (answeredWithoutWindows(argc, argv, code))
        return code;

    // The fonts are read while the window system starts and the first window is made.
    kvrgui::FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.windowSystemStarted();
    QApplication::setApplicationName(QStringLiteral("kvrdesk"));
    QApplication::setApplicationVersion(QStringLiteral(KVR_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("net.kvrdesk.kvrdesk"));

    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The game folder or its KVR.EXE, settings files and patches"),
                                 QStringLiteral("[GAME_DIR | KVR.EXE] [FILE.KVS | FILE.kvpatch]..."));
    QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                   QStringLiteral("Save pictures of every window into DIR, then quit"),
                                   QStringLiteral("DIR"));
    parser.addOption(screenshots);
    QCommandLineOption startupOnly(QStringLiteral("startup-only"),
                                   QStringLiteral("Quit as soon as the main window is on screen (for timing)"));
    parser.addOption(startupOnly);
    parser.process(app);

    // Until it ends, the Windows installer asks that the editor be closed first.
    const kvr::platform::RunningMark running;
    const kvr::EditorHome home = kvr::EditorHome::forProgram(kvr::runningProgram(argv[0]));
    kvrgui::setPictureCache(kvrgui::fromPath(home.stateDir / "cache"));
    kvrgui::QtPrompt prompt;
    // The main window's settings file: Qt shows a change made through one to the other.
    prompt.rememberIn(kvrgui::fromPath(home.stateDir / "kvrdesk.ini"));
    kvrgui::TMainForm form(home, prompt);
    prompt.setParent(&form);

    std::vector<std::filesystem::path> named;
    for (const QString& argument : parser.positionalArguments()) {
        // Whole names, so that the recent files find them from anywhere.
        std::error_code ec;
        const std::filesystem::path path = kvrgui::toPath(argument);
        const std::filesystem::path whole = std::filesystem::absolute(path, ec);
        named.push_back(ec ? path : whole);
    }
    kvr::LaunchRequest launch;
    try {
        launch = kvr::sortLaunchArguments(named);
    } catch (const kvr::GeneralError& e) {
        // Told in a window: a file manager's start has no console.
        prompt.warn(kvr::messageOf(e));
        return 2;
    }
    switch (form.startUp(launch.gameDir)) {
    case kvrgui::TMainForm::StartResult::Cancelled: return 0;
    case kvrgui::TMainForm::StartResult::Fatal: return 1;
    case kvrgui::TMainForm::StartResult::Ready: break;
    }
    if (parser.isSet(screenshots))
        return form.saveScreenshots(parser.value(screenshots)) ? 0 : 3;
    form.show();
    if (!launch.files.empty())
        QTimer::singleShot(0, &form, [&form, files = launch.files] { form.openLaunchFiles(files); });
    if (parser.isSet(startupOnly))
        QTimer::singleShot(0, &app, [&app] {
            kvrgui::printTimeSinceLaunch("shown after");
            app.quit();
        });
    const int result = app.exec();
    return form.exitCode() ? form.exitCode() : result;
}
