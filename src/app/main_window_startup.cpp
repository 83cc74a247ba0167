// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/ie_window.h"
#include "app/start_window.h"
#include "core/errors.h"
#include "core/folder_lock.h"
#include "core/game_dir.h"
#include "core/system_process_runner.h"
#include "core/tr_marker.h"
#include "core/version.h"
#include "editors/jams/jam_window.h"
#include "game/startup_load.h"
#include "textures/converter.h"
#include "widgets/process_runner_qt.h"
#include "widgets/prompt_qt.h"

#include <QApplication>
#include <QLabel>

namespace kvrgui {
namespace fs = std::filesystem;

namespace {

// The helmet import at start-up takes a few milliseconds; a converter that takes much
// longer is stopped early, since the helmets window can import the sheet again.
constexpr std::chrono::milliseconds kStartupConverterBound = std::chrono::seconds(5);

} // namespace

TMainForm::StartResult TMainForm::startUp(const std::optional<fs::path>& gameDir)
{
    std::optional<kvr::Configuration> config;
    try {
        config = kvr::readConfiguration(m_home.configFile());
    } catch (const kvr::GeneralError& e) {
        // A damaged configuration is reported, then the game is located afresh.
        m_prompt.warn(kvr::messageOf(e));
    }
    if (gameDir) {
        const fs::path exe = kvr::findInDir(*gameDir, "KVR.EXE");
        std::error_code ec;
        if (!fs::is_regular_file(exe, ec)) {
            fatal(kvr::fillIn(KVR_TR_NOOP("Messages", "There is no KVR.EXE in %1"), {gameDir->string()}));
            return StartResult::Fatal;
        }
        try {
            kvr::Configuration located = kvr::Configuration::forExecutable(exe);
            if (config && config->gameDirectory == located.gameDirectory) {
                located.namesInStateFile = config->namesInStateFile;
                located.cockpitColoursInStateFile = config->cockpitColoursInStateFile;
            }
            config = located;
        } catch (const kvr::GeneralError& e) {
            fatal(kvr::messageOf(e));
            return StartResult::Fatal;
        }
    }
    if (!config) {
        config = m_locator();
        if (!config)
            return StartResult::Cancelled;
    }
    m_context.config = *config;
    m_configured = true;
    return loadGame() ? StartResult::Ready : StartResult::Fatal;
}

bool TMainForm::loadGame()
{
    speakGameLanguageFirst();
    m_splash->setProgress(0);
    m_splash->show();
    QApplication::processEvents();
    m_splash->setProgress(kvr::kProgressAtStart);
    // The converter is a program of its own: it makes the helmet sheet while the user
    // looks at the window. An import for a game opened before is dropped.
    m_helmetImport.reset();
    m_helmets = kvr::HelmetEditor();
    auto import = std::make_unique<HelmetImport>();
    import->number = ++m_helmetImports;
    import->work = [&sheet = import->helmets, program = kvr::converterProgram(), gameDir = m_context.gameDir(),
                    tempDir = m_home.tempDir()] {
        kvr::SystemProcessRunner runner;
        sheet.importSheet(kvr::Converter(program, tempDir, runner, kStartupConverterBound), gameDir);
    };
    m_helmetImport = std::move(import);
    if (isVisible())
        startHelmetImport();
    kvr::SettingsRecord loaded = m_document.record();
    bool trackDataRead = false;
    kvr::Message trackDataProblem;
    kvr::Message loadProblem;
    try {
        trackDataRead = kvr::startupLoad(
            m_context, loaded, [this](int bar) { m_splash->setProgress(bar); }, &trackDataProblem);
    } catch (const kvr::FileAccessError& e) {
        m_helmetImport.reset();
        fatal(e);
        return false;
    } catch (const kvr::UnfinishedSetError& e) {
        // Nothing was read: a window on a game half old, half new could write it back.
        m_helmetImport.reset();
        fatal(kvr::messageOf(e));
        return false;
    } catch (const kvr::GeneralError& e) {
        // The rest of the load is skipped, the helmet sheet too; the program goes on
        // with what it has.
        m_helmetImport.reset();
        loadProblem = e.message();
    }
    m_document.reset(loaded);
    m_document.setTrackDataKnown(trackDataRead);
    // Told in the game's language, which is known once its executable has been read.
    followGameLanguage();
    const kvr::Message versionWarning = kvr::unknownVersionWarning(m_context).value_or(kvr::Message());
    for (const kvr::Message* problem : std::initializer_list<const kvr::Message*>{&versionWarning, &loadProblem, &trackDataProblem})
        if (!problem->empty())
            m_prompt.warn(*problem);
    m_versionLabel->setText(versionText());
    m_palette = kvr::readGamePaletteAtStart(m_home, m_prompt);
    m_ie->showChoices();
    m_splash->setProgress(100);
    return true;
}

void TMainForm::startHelmetImport()
{
    if (!m_helmetImport || m_helmetImport->task)
        return;
    m_helmetImport->task = std::make_unique<BackgroundTask>(
        std::move(m_helmetImport->work), this, [this, number = m_helmetImport->number] {
            // Its result waits for the window, so that no warning pops up amid the load.
            if (isVisible() && m_helmetImport && m_helmetImport->number == number)
                finishHelmetImport();
        });
}

void TMainForm::finishHelmetImport()
{
    if (!m_helmetImport)
        return;
    startHelmetImport();
    const std::unique_ptr<HelmetImport> import = std::move(m_helmetImport);
    try {
        import->task->finish();
        m_helmets = std::move(import->helmets);
    } catch (const kvr::GeneralError& e) {
        m_prompt.warn(e.message() + "\n\n" +
                      KVR_TR_NOOP("Messages", "The editor starts without the helmet sheet; \"Import from game\" in "
                                              "the helmets window reads it again."));
    }
}

void TMainForm::onLocateGame()
{
    if (!mayDiscardWork(KVR_TR_NOOP("Messages", "another game is opened")))
        return;
    const auto config = m_locator();
    if (!config)
        return;
    m_context.config = *config;
    m_configured = true;
    if (TJamForm* jams = jamWindow())
        jams->forgetPainting();
    if (loadGame())
        m_splash->hide();
}

} // namespace kvrgui
