#include "app/main_window.h"

#include "app/button_picture.h"
#include "app/des_window.h"
#include "app/ie_window.h"
#include "app/path_window.h"
#include "app/start_window.h"
#include "core/errors.h"
#include "core/game_dir.h"
#include "core/game_file.h"
#include "core/system_process_runner.h"
#include "core/user_prompt.h"
#include "core/version.h"
#include "editors/cameras/cameras_window.h"
#include "editors/cockpit/cockpit_colours_window.h"
#include "editors/failures/failures_window.h"
#include "editors/grip/grip_window.h"
#include "editors/helmets/helmet_window.h"
#include "editors/jams/jam_window.h"
#include "editors/names/names_window.h"
#include "editors/noses/noses_window.h"
#include "editors/pitcrew/pitcrew_colours_window.h"
#include "editors/pitline/pitline_window.h"
#include "editors/power/power_window.h"
#include "editors/track/track_data.h"
#include "editors/track/track_window.h"
#include "editors/tuning/tuning_window.h"
#include "game/startup_load.h"
#include "game/track_files.h"
#include "install/car_set_window.h"
#include "install/cockpit_manager_window.h"
#include "install/track_manager_window.h"
#include "textures/converter.h"
#include "widgets/enter_as_tab.h"
#include "widgets/process_runner_qt.h"
#include "widgets/prompt_qt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionFocusRect>

namespace kvrgui {
namespace fs = std::filesystem;

namespace {

constexpr int kClientWidth = 521;
constexpr int kClientHeight = 363;
constexpr int kButtonWidth = 173;
constexpr int kButtonHeight = 59;
constexpr int kLeft = 1;
constexpr int kTop = 4;
constexpr int kRecentFiles = 6;
// The helmet import at start-up takes a few milliseconds; a converter that takes much
// longer is stopped early, since the helmets window can import the sheet again.
constexpr std::chrono::milliseconds kStartupConverterBound = std::chrono::seconds(5);

using WindowFactory = QDialog* (*)(EditorServices&, QWidget*);

template <class Window> QDialog* make(EditorServices& services, QWidget* parent)
{
    return new Window(services, parent);
}

struct EditorButton {
    const char* name;  // the button's object name; the screenshot is named after it
    const char* label; // on the button's picture
    int column;        // 0: offered in the Options menu instead
    int row;
    bool hidesMain;       // the main window hides while the editor is open
    WindowFactory window; // none yet: the button stays disabled
};

// Every editor the main window opens.
const EditorButton kEditors[] = {
    {"names", "Names + Numbers", 1, 1, false, make<TNamesForm>},
    {"power", "Engine Power", 1, 2, false, make<TEPowerForm>},
    {"grip", "CC Grip", 1, 3, false, make<TGripForm>},
    {"failures", "Car Failure", 1, 4, false, make<TFailuresForm>},
    {"tuning", "Car Tuning", 1, 5, true, make<TCTuningForm>},
    {"noses", "Nose Cones", 1, 6, false, make<TNosesForm>},
    {"pitline", "Pit Lane Settings", 2, 2, false, make<TPitLineForm>},
    {"cockpit", "Cockpit Colours", 2, 3, true, make<TCColorsForm>},
    {"pitcrew", "Pit Crew Colours", 2, 4, true, make<TPCColorsForm>},
    {"jams", "Car Jams", 2, 5, true, make<TJamForm>},
    {"helmets", "Helmets", 2, 6, true, make<THelmetForm>},
    {"cameras", "Cameras", 3, 2, true, make<TCameraForm>},
    {"tracks", "Track Editor", 3, 3, false, make<TTrackEdForm>},
    {"cockpitManager", "Cockpit Manager", 3, 4, false, make<TInstCForm>},
    {"trackManager", "Track Manager", 3, 5, false, make<Tinsttform>},
    {"carSetManager", "Car set manager...", 0, 0, false, make<TInstCarSetForm>},
};

const EditorButton* editorButton(const QString& name)
{
    for (const EditorButton& e : kEditors)
        if (name == QLatin1String(e.name))
            return &e;
    return nullptr;
}

QRect place(int column, int row, int columns = 1)
{
    return QRect(kLeft + (column - 1) * kButtonWidth, kTop + (row - 1) * kButtonHeight, kButtonWidth * columns,
                 kButtonHeight);
}

// A picture button that shows where the keyboard is: the style draws no focus frame
// over an icon that fills the button.
class PictureButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPushButton::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(3, 3, -3, -3);
        painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
        painter.drawRect(frame.rect.adjusted(0, 0, -1, -1));
    }
};

} // namespace

TMainForm::TMainForm(kvr::EditorHome home, kvr::UserPrompt& prompt, QWidget* parent)
    : QMainWindow(parent), m_home(std::move(home)), m_prompt(prompt),
      m_session(m_document.storage(), prompt, m_home), m_services{m_document,
                                                                  m_context,
                                                                  m_prompt,
                                                                  m_palette,
                                                                  [this] { onRestoreOriginalSettings(); },
                                                                  [this](const kvr::FileAccessError& e) { fatal(e); }},
      m_settings(QString::fromStdString((m_home.stateDir / "kvrdesk.ini").string()), QSettings::IniFormat),
      m_splash(new TStartForm), m_des(new TDesForm(this)), m_ie(new TIEForm(m_services, this))
{
    setObjectName(QStringLiteral("mainWindow"));
    m_services.helmets = &m_helmets;
    setCaption(std::string(kvr::SettingsSession::kTitle));
    connect(&m_document, &RecordDocument::modifiedChanged, this, &QWidget::setWindowModified);
    m_context.home = m_home;
    m_locator = [this] { return TPathForm::locate(m_prompt, nullptr); };
    buildButtons();
    buildMenus();
    // The menu bar sits above the fixed client area.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    m_des->setSaveAction([this] { onSaveSettings(); });
    EnterAsTab::enable(this);
}

TMainForm::~TMainForm()
{
    delete m_splash;
}

void TMainForm::buildButtons()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    auto addButton = [&](const QString& name, const QString& label, QRect where, bool red) {
        auto* b = new PictureButton(client);
        b->setObjectName(name);
        b->setGeometry(where);
        b->setIcon(QIcon(buttonPicture(label, red)));
        b->setIconSize(QSize(kButtonPictureWidth, kButtonPictureHeight));
        b->setToolTip(label);
        b->setAccessibleName(label);
        m_buttons[name] = b;
        return b;
    };
    for (const EditorButton& e : kEditors) {
        if (e.column == 0)
            continue;
        const QString name = QLatin1String(e.name) + QStringLiteral("Button");
        QPushButton* b = addButton(name, QString::fromLatin1(e.label), place(e.column, e.row), false);
        b->setEnabled(e.window != nullptr);
        connect(b, &QPushButton::clicked, this, [this, name] { openEditor(name); });
    }
    QPushButton* exit = addButton(QStringLiteral("exitButton"), QStringLiteral("EXIT"), place(3, 6), true);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    m_versionLabel = new QLabel(client);
    m_versionLabel->setObjectName(QStringLiteral("versionLabel"));
    m_versionLabel->setGeometry(place(2, 1, 2).adjusted(6, 8, -6, -8));
    m_versionLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_versionLabel->setLineWidth(2);
    m_versionLabel->setAlignment(Qt::AlignCenter);
    QFont bold = m_versionLabel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    m_versionLabel->setFont(bold);
}

void TMainForm::buildMenus()
{
    auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys, auto slot) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (!keys.isEmpty())
            a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        m_actions[a->objectName()] = a;
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, "loadSettingsAction", QStringLiteral("&Load settings"), QKeySequence(Qt::CTRL | Qt::Key_L),
        &TMainForm::onLoadSettings);
    file->addSeparator();
    add(file, "saveSettingsAction", QStringLiteral("&Save settings"), QKeySequence(Qt::CTRL | Qt::Key_S),
        &TMainForm::onSaveSettings);
    add(file, "saveSettingsAsAction", QStringLiteral("Save settings &As"), QKeySequence(),
        &TMainForm::onSaveSettingsAs);
    m_recentMenu = file->addMenu(QStringLiteral("Recent settings &files"));
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    showRecentFiles();
    file->addSeparator();
    add(file, "restoreOriginalAction", QStringLiteral("&Restore original settings"), QKeySequence(Qt::CTRL | Qt::Key_R),
        &TMainForm::onRestoreOriginalSettings);
    file->addSeparator();
    add(file, "exitAction", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X), &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    const QList<QAction*> undoRedo = m_document.createEditActions(this);
    undoRedo[0]->setObjectName(QStringLiteral("undoAction"));
    undoRedo[1]->setObjectName(QStringLiteral("redoAction"));
    for (QAction* a : undoRedo) {
        edit->addAction(a);
        m_actions[a->objectName()] = a;
    }

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    add(options, "descriptionAction", QStringLiteral("&Settings description"), QKeySequence(),
        &TMainForm::onSettingsDescription);
    add(options, "importExportAction", QStringLiteral("&Import/Export"), QKeySequence(Qt::CTRL | Qt::Key_I),
        &TMainForm::onImportExport);
    for (const EditorButton& e : kEditors) {
        if (e.column != 0)
            continue;
        const QString name = QLatin1String(e.name);
        QAction* a = options->addAction(QString::fromLatin1(e.label));
        a->setObjectName(name + QStringLiteral("Action"));
        a->setEnabled(e.window != nullptr);
        connect(a, &QAction::triggered, this, [this, name] { openEditor(name); });
        m_actions[a->objectName()] = a;
    }
    options->addSeparator();
    const auto preview = [&](const char* name, const QString& text, bool EditorServices::*wanted, bool byDefault) {
        QAction* a = options->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        const QString key = QString::fromLatin1(name);
        m_services.*wanted = m_settings.value(key, byDefault).toBool();
        a->setChecked(m_services.*wanted);
        connect(a, &QAction::toggled, this, [this, wanted, key](bool on) {
            m_services.*wanted = on;
            m_settings.setValue(key, on);
        });
        m_actions[a->objectName()] = a;
    };
    preview("previewAllDataAction", QStringLiteral("&Preview changes before Export all data"),
            &EditorServices::previewAllData, true);
    preview("previewEditorExportAction", QStringLiteral("Preview changes before an &editor's export"),
            &EditorServices::previewEditorExport, false);
    options->addSeparator();
    add(options, "locateGameAction", QStringLiteral("&Locate the game again..."), QKeySequence(),
        &TMainForm::onLocateGame);
}

QPushButton* TMainForm::button(const QString& name) const
{
    const auto it = m_buttons.find(name);
    return it == m_buttons.end() ? nullptr : it->second;
}

QAction* TMainForm::menuAction(const QString& name) const
{
    const auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

QDialog* TMainForm::editorWindow(const QString& buttonName)
{
    QString name = buttonName;
    name.remove(QStringLiteral("Button"));
    const EditorButton* e = editorButton(name);
    if (!e || !e->window)
        return nullptr;
    auto it = m_editors.find(name);
    if (it == m_editors.end()) {
        QDialog* w = e->window(m_services, this);
        w->setObjectName(name + QStringLiteral("Window"));
        it = m_editors.emplace(name, w).first;
    }
    return it->second;
}

void TMainForm::openEditor(const QString& buttonName)
{
    QString name = buttonName;
    name.remove(QStringLiteral("Button"));
    const EditorButton* e = editorButton(name);
    QDialog* window = editorWindow(name);
    if (!e || !window)
        return;
    if (name == QLatin1String("tracks") && !enterTrackEditor())
        return;
    if (e->hidesMain)
        hide();
    window->exec();
    if (e->hidesMain && !m_exitCode)
        show();
}

bool TMainForm::enterTrackEditor()
{
    bool ready = false;
    guarded([&] {
        // It locks the game only to copy from the CD, after its questions.
        switch (kvr::ensureTrackFiles(m_context.gameDir(), m_prompt)) {
        case kvr::TrackFiles::Declined:
            return;
        case kvr::TrackFiles::Missing:
            m_prompt.warn(kvr::track::errorText(kvr::track::kTrackOpenStep));
            return;
        case kvr::TrackFiles::Present:
            break;
        }
        if (!m_document.trackDataKnown()) {
            m_document.change(QStringLiteral("Read the track data"), [&](kvr::SettingsRecord& r) {
                kvr::GameFile exe = kvr::GameFile::open(m_context.executable());
                kvr::readTrackData(exe, m_context.gameDir(), r, m_context.version);
            });
            m_document.setTrackDataKnown(true);
        }
        ready = true;
    });
    return ready;
}

void TMainForm::fatal(const std::string& message, const std::string& detail)
{
    m_splash->hide();
    if (auto* qt = dynamic_cast<QtPrompt*>(&m_prompt))
        qt->warnWithDetail(message, detail);
    else
        m_prompt.warn(message);
    m_exitCode = 1;
    QCoreApplication::exit(1);
}

void TMainForm::fatal(const kvr::FileAccessError& error)
{
    fatal(error.what(), error.detail());
}

TMainForm::StartResult TMainForm::startUp(const std::optional<fs::path>& gameDir)
{
    std::optional<kvr::Configuration> config;
    try {
        config = kvr::readConfiguration(m_home.configFile());
    } catch (const kvr::GeneralError& e) {
        // A damaged configuration is reported, then the game is located afresh.
        m_prompt.warn(e.what());
    }
    if (gameDir) {
        const fs::path exe = kvr::findInDir(*gameDir, "KVR.EXE");
        std::error_code ec;
        if (!fs::is_regular_file(exe, ec)) {
            fatal("There is no KVR.EXE in " + gameDir->string());
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
            fatal(e.what());
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
    m_splash->setProgress(0);
    m_splash->show();
    QApplication::processEvents();
    m_splash->setProgress(kvr::kProgressAtStart);
    // The converter is a program of its own: it makes the helmet sheet while the game
    // files are read.
    kvr::HelmetEditor helmets;
    BackgroundTask helmetImport([&helmets, gameDir = m_context.gameDir(), tempDir = m_home.tempDir()] {
        kvr::SystemProcessRunner runner;
        helmets.importSheet(kvr::Converter(kvr::converterProgram(), tempDir, runner, kStartupConverterBound), gameDir);
    });
    kvr::SettingsRecord loaded = m_document.record();
    bool trackDataRead = false;
    bool blocksRead = false;
    try {
        trackDataRead = kvr::startupLoad(m_context, loaded, [this](int bar) { m_splash->setProgress(bar); });
        blocksRead = true;
    } catch (const kvr::FileAccessError& e) {
        fatal(e);
        return false;
    } catch (const kvr::GeneralError& e) {
        // The rest of the load is skipped; the program goes on with what it has.
        m_prompt.warn(e.what());
    }
    // No sheet rather than the one of a game opened before.
    m_helmets = kvr::HelmetEditor();
    try {
        helmetImport.finish();
        if (blocksRead)
            m_helmets = std::move(helmets);
    } catch (const kvr::GeneralError& e) {
        if (blocksRead)
            m_prompt.warn(std::string(e.what()) +
                          "\n\nThe editor starts without the helmet sheet; \"Import from game\" in the helmets "
                          "window reads it again.");
    }
    m_document.reset(loaded);
    m_document.setTrackDataKnown(trackDataRead);
    m_versionLabel->setText(QStringLiteral("KVR: ") + fromAnsi(kvr::versionName(m_context.version)));
    m_palette = kvr::readGamePaletteAtStart(m_home, m_prompt);
    m_ie->showChoices();
    m_splash->setProgress(100);
    return true;
}

void TMainForm::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QMainWindow::showEvent(event);
    if (m_splash->isVisible())
        m_splash->hide();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (m_document.isModified() && !m_exitCode) {
        const std::optional<int> answer =
            m_prompt.choose("The settings have changes that no settings file holds. Save them before the editor "
                            "closes?",
                            {"Save settings", "Discard"});
        if (answer == 0)
            onSaveSettings();
        // Cancel, or a save that did not happen, keeps the program open.
        if (!answer || (answer == 0 && m_document.isModified())) {
            event->ignore();
            return;
        }
    }
    if (m_configured) {
        std::error_code ec;
        fs::create_directories(m_home.stateDir, ec);
        kvr::writeConfiguration(m_home.configFile(), m_context.config);
    }
    QMainWindow::closeEvent(event);
}

void TMainForm::guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const kvr::FileAccessError& e) {
        fatal(e);
    } catch (const kvr::GeneralError& e) {
        m_prompt.warn(e.what());
    }
}

void TMainForm::setCaption(const std::optional<std::string>& caption)
{
    // "[*]" shows whether the record has changes no file holds.
    if (caption)
        setWindowTitle(fromAnsi(*caption) + QStringLiteral("[*]"));
}

void TMainForm::onSaveSettings()
{
    guarded([this] {
        std::optional<std::string> caption;
        m_document.change(QStringLiteral("Save settings"),
                          [&](kvr::SettingsRecord&) { caption = m_session.save(m_des->description()); });
        settingsFileDone(m_session.wrote());
        setCaption(caption);
    });
}

void TMainForm::onSaveSettingsAs()
{
    guarded([this] {
        std::optional<std::string> caption;
        m_document.change(QStringLiteral("Save settings As"),
                          [&](kvr::SettingsRecord&) { caption = m_session.saveAs(m_des->description()); });
        settingsFileDone(m_session.wrote());
        setCaption(caption);
    });
}

void TMainForm::onLoadSettings()
{
    loadSettings([this] { return m_session.load(); });
}

void TMainForm::loadSettings(const std::function<std::optional<std::string>()>& load)
{
    guarded([&] {
        std::optional<std::string> caption;
        m_document.change(QStringLiteral("Load settings"), [&](kvr::SettingsRecord&) { caption = load(); });
        // A loaded file carries its own track data.
        if (caption) {
            m_document.setTrackDataKnown(true);
            settingsFileDone(true);
        }
        setCaption(caption);
    });
    m_des->setDescription(m_session.description());
}

void TMainForm::settingsFileDone(bool done)
{
    if (!done)
        return;
    m_document.markClean();
    QStringList files = m_settings.value(QStringLiteral("recentFiles")).toStringList();
    const QString file = QString::fromStdString(m_session.currentName());
    files.removeAll(file);
    files.prepend(file);
    while (files.size() > kRecentFiles)
        files.removeLast();
    m_settings.setValue(QStringLiteral("recentFiles"), files);
    showRecentFiles();
}

void TMainForm::showRecentFiles()
{
    m_recentMenu->clear();
    const QStringList files = m_settings.value(QStringLiteral("recentFiles")).toStringList();
    for (int i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        QAction* a = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(file).fileName()));
        a->setToolTip(file);
        connect(a, &QAction::triggered, this, [this, file] {
            loadSettings([this, file] { return m_session.loadFrom(fs::path(QFile::encodeName(file).toStdString())); });
        });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}

void TMainForm::onRestoreOriginalSettings()
{
    guarded([this] {
        m_document.change(QStringLiteral("Restore original settings"),
                          [&](kvr::SettingsRecord&) { m_session.restoreOriginal(); });
        m_document.setTrackDataKnown(true);
        m_document.markClean();
    });
}

void TMainForm::onSettingsDescription()
{
    m_des->exec();
}

void TMainForm::onImportExport()
{
    m_ie->exec();
}

void TMainForm::onLocateGame()
{
    const auto config = m_locator();
    if (!config)
        return;
    m_context.config = *config;
    m_configured = true;
    if (loadGame())
        m_splash->hide();
}

bool TMainForm::saveScreenshots(const QString& dir)
{
    bool saved = true;
    auto grab = [&](QWidget* w, const QString& name) {
        w->show();
        QApplication::processEvents();
        saved = w->grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))) && saved;
    };
    grab(m_splash, QStringLiteral("splash"));
    m_splash->hide();
    grab(this, QStringLiteral("main"));
    for (const EditorButton& e : kEditors) {
        const QString name = QLatin1String(e.name);
        if (QDialog* w = editorWindow(name)) {
            grab(w, name);
            w->hide();
        }
    }
    grab(m_ie, QStringLiteral("importExport"));
    m_ie->hide();
    grab(m_des, QStringLiteral("description"));
    m_des->hide();
    return saved;
}

} // namespace kvrgui
