#include "app/main_window.h"

#include "app/button_picture.h"
#include "app/des_window.h"
#include "app/enter_as_tab.h"
#include "app/path_window.h"
#include "app/prompt_qt.h"
#include "app/start_window.h"
#include "core/errors.h"
#include "core/game_dir.h"
#include "core/user_prompt.h"
#include "core/version.h"
#include "install/ie_window.h"
#include "install/startup_load.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace kvrgui {
namespace fs = std::filesystem;

namespace {

constexpr int kClientWidth = 521;
constexpr int kClientHeight = 363;
constexpr int kButtonWidth = 173;
constexpr int kButtonHeight = 59;
constexpr int kLeft = 1;
constexpr int kTop = 4;

struct ButtonPlace {
    const char* name;
    const char* label;
    int column;
    int row;
};

// Every editor button; each is enabled once its window exists.
constexpr ButtonPlace kButtons[] = {
    {"Button951", "Names + Numbers", 1, 1},    {"Button952", "Engine Power", 1, 2},
    {"Button953", "CC Grip", 1, 3},            {"Button954", "Car Failure", 1, 4},
    {"Button958", "Car Tuning", 1, 5},         {"Button955", "Nose Cones", 1, 6},
    {"Button957", "Pit Lane Settings", 2, 2},  {"Button959", "Cockpit Colours", 2, 3},
    {"Button9510", "Pit Crew Colours", 2, 4},  {"Button956", "Car Jams", 2, 5},
    {"Button9511", "Helmets", 2, 6},           {"Button9512", "Cameras", 3, 2},
    {"Button9517", "Track Editor", 3, 3},      {"Button9513", "Cockpit Manager", 3, 4},
    {"Button9515", "Track Manager", 3, 5},
};

QRect place(int column, int row, int columns = 1)
{
    return QRect(kLeft + (column - 1) * kButtonWidth, kTop + (row - 1) * kButtonHeight, kButtonWidth * columns,
                 kButtonHeight);
}

} // namespace

TMainForm::TMainForm(kvr::EditorHome home, kvr::UserPrompt& prompt, QWidget* parent)
    : QMainWindow(parent), m_home(std::move(home)), m_prompt(prompt), m_session(m_record, prompt, m_home),
      m_splash(new TStartForm), m_des(new TDesForm(this)),
      m_ie(new TIEForm(m_context, m_record, m_prompt, [this](const std::string& m) { fatal(m); }, this))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromLatin1(kvr::SettingsSession::kTitle));
    m_context.home = m_home;
    m_locator = [this] { return TPathForm::locate(m_prompt, nullptr); };
    buildButtons();
    buildMenus();
    // The menu bar sits above the fixed client area.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    m_des->setSaveAction([this] { Savesettings1Click(); });
    EnterAsTab::enable(this);
}

TMainForm::~TMainForm() { delete m_splash; }

void TMainForm::buildButtons()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    auto addButton = [&](const char* name, const QString& label, QRect where, bool red) {
        auto* b = new QPushButton(client);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(where);
        b->setIcon(QIcon(buttonPicture(label, red)));
        b->setIconSize(QSize(kButtonPictureWidth, kButtonPictureHeight));
        b->setToolTip(label);
        b->setAccessibleName(label);
        m_buttons[b->objectName()] = b;
        return b;
    };
    for (const ButtonPlace& p : kButtons)
        addButton(p.name, QString::fromLatin1(p.label), place(p.column, p.row), false)->setEnabled(false);
    QPushButton* exit = addButton("Button9516", QStringLiteral("EXIT"), place(3, 6), true);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    // The car set manager's button is there but neither visible nor enabled.
    auto* carSets = new QPushButton(client);
    carSets->setObjectName(QStringLiteral("Button9514"));
    carSets->setGeometry(kClientWidth - 27, 0, 27, 20);
    carSets->setVisible(false);
    carSets->setEnabled(false);
    m_buttons[carSets->objectName()] = carSets;

    m_versionLabel = new QLabel(client);
    m_versionLabel->setObjectName(QStringLiteral("Label1"));
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
    add(file, "Loadsettings1", QStringLiteral("&Load settings"), QKeySequence(Qt::CTRL | Qt::Key_L),
        &TMainForm::Loadsettings1Click);
    file->addSeparator();
    add(file, "Savesettings1", QStringLiteral("&Save settings"), QKeySequence(Qt::CTRL | Qt::Key_S),
        &TMainForm::Savesettings1Click);
    add(file, "SaveAssettings1", QStringLiteral("Save settings &As"), QKeySequence(),
        &TMainForm::SaveAssettings1Click);
    file->addSeparator();
    add(file, "Restoreoriginalsettings1", QStringLiteral("&Restore original settings"),
        QKeySequence(Qt::CTRL | Qt::Key_R), &TMainForm::Restoreoriginalsettings1Click);
    file->addSeparator();
    add(file, "Exit1", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X), &QWidget::close);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    add(options, "Settingsdescription1", QStringLiteral("&Settings description"), QKeySequence(),
        &TMainForm::Settingsdescription1Click);
    add(options, "ImportExport1", QStringLiteral("&Import/Export"), QKeySequence(Qt::CTRL | Qt::Key_I),
        &TMainForm::ImportExport1Click);
    options->addSeparator();
    add(options, "LocateGame1", QStringLiteral("&Locate the game again..."), QKeySequence(),
        &TMainForm::LocateGame1Click);
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

void TMainForm::fatal(const std::string& message)
{
    m_splash->hide();
    m_prompt.warn(message);
    m_exitCode = 1;
    QCoreApplication::exit(1);
}

TMainForm::StartResult TMainForm::startUp(const std::optional<fs::path>& gameDir)
{
    m_helmetsPending = true;
    m_trackDataPending = true;
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
    try {
        kvr::startupLoad(m_context, m_record, [this](int bar) { m_splash->setProgress(bar); });
    } catch (const kvr::FileAccessError& e) {
        fatal(e.what());
        return false;
    } catch (const kvr::GeneralError& e) {
        // The rest of the load is skipped; the program goes on with what it has.
        m_prompt.warn(e.what());
    }
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
        fatal(e.what());
    } catch (const kvr::GeneralError& e) {
        m_prompt.warn(e.what());
    }
}

void TMainForm::setCaption(const std::optional<std::string>& caption)
{
    if (caption)
        setWindowTitle(fromAnsi(*caption));
}

void TMainForm::Savesettings1Click()
{
    guarded([this] { setCaption(m_session.save(m_des->description())); });
}

void TMainForm::SaveAssettings1Click()
{
    guarded([this] { setCaption(m_session.saveAs(m_des->description())); });
}

void TMainForm::Loadsettings1Click()
{
    guarded([this] { setCaption(m_session.load()); });
    m_des->setDescription(m_session.description());
}

void TMainForm::Restoreoriginalsettings1Click()
{
    guarded([this] { m_session.restoreOriginal(); });
}

void TMainForm::Settingsdescription1Click() { m_des->exec(); }

void TMainForm::ImportExport1Click()
{
    m_ie->exec();
    if (m_ie->trackDataRead())
        m_trackDataPending = false;
}

void TMainForm::LocateGame1Click()
{
    const auto config = m_locator();
    if (!config)
        return;
    m_context.config = *config;
    m_configured = true;
    if (loadGame())
        m_splash->hide();
}

} // namespace kvrgui
