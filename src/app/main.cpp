#include "app/main_window.h"
#include "app/prompt_qt.h"
#include "app/start_window.h"

#include "core/editor_home.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kvrdesk"));
    QApplication::setApplicationDisplayName(QString::fromLatin1(kvr::SettingsSession::kTitle));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Editor for the data of the racing game Kavorra"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("GAME_DIR"), QStringLiteral("The game folder to open (holds KVR.EXE)"),
                                 QStringLiteral("[GAME_DIR]"));
    QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                   QStringLiteral("Save pictures of the splash and main windows into DIR, then quit"),
                                   QStringLiteral("DIR"));
    parser.addOption(screenshots);
    parser.process(app);

    std::optional<std::filesystem::path> gameDir;
    if (!parser.positionalArguments().isEmpty())
        gameDir = std::filesystem::path(QFile::encodeName(parser.positionalArguments().first()).toStdString());

    kvrgui::QtPrompt prompt;
    kvrgui::TMainForm form(kvr::EditorHome::forProgram(kvr::runningProgram(argv[0])), prompt);
    prompt.setParent(&form);
    switch (form.startUp(gameDir)) {
    case kvrgui::TMainForm::StartResult::Cancelled: return 0;
    case kvrgui::TMainForm::StartResult::Fatal: return 1;
    case kvrgui::TMainForm::StartResult::Ready: break;
    }
    if (parser.isSet(screenshots)) {
        const QString dir = parser.value(screenshots);
        form.splash()->show();
        QApplication::processEvents();
        const bool splashSaved = form.splash()->grab().save(dir + QStringLiteral("/splash.png"));
        form.show();
        QApplication::processEvents();
        const bool mainSaved = form.grab().save(dir + QStringLiteral("/main.png"));
        return splashSaved && mainSaved ? 0 : 3;
    }
    form.show();
    const int code = app.exec();
    return form.exitCode() ? form.exitCode() : code;
}
