#include "app/button_picture.h"
#include "app/main_window.h"
#include "app/start_window.h"
#include "core/editor_home.h"
#include "core/platform/program_arguments.h"
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
    "Usage: kvrdesk [options] [GAME_DIR]\n"
    "Editor for the data of the racing game Kavorra.\n"
    "\n"
    "Options:\n"
    "  -h, --help             Displays this help.\n"
    "  -v, --version          Displays version information.\n"
    "  --screenshots DIR      Save pictures of every window into DIR, then quit.\n"
    "  --startup-only         Quit as soon as the main window is on screen (for timing).\n"
    "\n"
    "Arguments:\n"
    "  GAME_DIR               The game folder to open (holds KVR.EXE).\n";

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
    parser.addPositionalArgument(QStringLiteral("GAME_DIR"), QStringLiteral("The game folder to open (holds KVR.EXE)"),
                                 QStringLiteral("[GAME_DIR]"));
    QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                   QStringLiteral("Save pictures of every window into DIR, then quit"),
                                   QStringLiteral("DIR"));
    parser.addOption(screenshots);
    QCommandLineOption startupOnly(QStringLiteral("startup-only"),
                                   QStringLiteral("Quit as soon as the main window is on screen (for timing)"));
    parser.addOption(startupOnly);
    parser.process(app);

    std::optional<std::filesystem::path> gameDir;
    if (!parser.positionalArguments().isEmpty())
        gameDir = kvrgui::toPath(parser.positionalArguments().first());

    const kvr::EditorHome home = kvr::EditorHome::forProgram(kvr::runningProgram(argv[0]));
    kvrgui::setPictureCache(kvrgui::fromPath(home.stateDir / "cache"));
    kvrgui::QtPrompt prompt;
    kvrgui::TMainForm form(home, prompt);
    prompt.setParent(&form);
    switch (form.startUp(gameDir)) {
    case kvrgui::TMainForm::StartResult::Cancelled: return 0;
    case kvrgui::TMainForm::StartResult::Fatal: return 1;
    case kvrgui::TMainForm::StartResult::Ready: break;
    }
    if (parser.isSet(screenshots))
        return form.saveScreenshots(parser.value(screenshots)) ? 0 : 3;
    form.show();
    if (parser.isSet(startupOnly))
        QTimer::singleShot(0, &app, [&app] {
            kvrgui::printTimeSinceLaunch("shown after");
            app.quit();
        });
    const int result = app.exec();
    return form.exitCode() ? form.exitCode() : result;
}
