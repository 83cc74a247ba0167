// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/button_picture.h"
#include "app/des_window.h"
#include "app/editor_buttons.h"
#include "app/ie_window.h"
#include "app/path_window.h"
#include "app/start_window.h"
#include "core/errors.h"
#include "core/tr_marker.h"
#include "editors/jams/jam_window.h"
#include "widgets/enter_as_tab.h"
#include "widgets/prompt_qt.h"
#include "widgets/qt_paths.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
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
      m_settings(fromPath(m_home.stateDir / "kvrdesk.ini"), QSettings::IniFormat), m_splash(makeSplash()),
      m_ie(new TIEForm(m_services, this))
{
    setObjectName(QStringLiteral("mainWindow"));
    m_services.helmets = &m_helmets;
    // "[*]" shows whether the record differs from where it came from.
    const auto showTitle = [this](const QString& title) { setWindowTitle(title + QStringLiteral("[*]")); };
    showTitle(m_document.title());
    connect(&m_document, &RecordDocument::titleChanged, this, showTitle);
    connect(&m_document, &RecordDocument::modifiedChanged, this, &QWidget::setWindowModified);
    m_context.home = m_home;
    m_locator = [this] { return TPathForm::locate(m_prompt, nullptr); };
    m_clientSize = QSize(kClientWidth, kClientHeight);
    buildButtons();
    buildMenus();
    // The menu bar sits above the fixed client area.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
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
    for (const EditorButton& e : editorButtons()) {
        if (e.column == 0)
            continue;
        const QString name = QLatin1String(e.name) + QStringLiteral("Button");
        QPushButton* b = addButton(name, tr(e.label), place(e.column, e.row), false);
        b->setEnabled(e.window != nullptr);
        connect(b, &QPushButton::clicked, this, [this, name] { openEditor(name); });
    }
    QPushButton* exit = addButton(QStringLiteral("exitButton"), tr("EXIT"), place(3, 6), true);
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

TDesForm* TMainForm::descriptionForm()
{
    if (!m_des) {
        m_des = new TDesForm(m_services, this);
        if (m_descriptionForNewWindow)
            m_des->setDescription(*m_descriptionForNewWindow);
        m_des->setSaveAction([this] { onSaveSettings(); });
    }
    return m_des;
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

void TMainForm::fatal(const kvr::Message& message, const kvr::Message& detail)
{
    m_splash->hide();
    // The file and the reason in the text itself: the only thing the user can act on.
    m_prompt.warn(detail.empty() ? message : message + "\n" + detail);
    m_exitCode = 1;
    QCoreApplication::exit(1);
}

void TMainForm::fatal(const kvr::FileAccessError& error)
{
    fatal(error.message(), error.detail());
}

void TMainForm::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QMainWindow::showEvent(event);
    if (m_splash->isVisible())
        m_splash->hide();
}

void TMainForm::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    // The window is on screen now; the helmet import waits no longer.
    if (m_helmetImport && !m_helmetImport->task)
        QMetaObject::invokeMethod(this, &TMainForm::startHelmetImport, Qt::QueuedConnection);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!m_exitCode && !mayDiscardWork(KVR_TR_NOOP("Messages", "the editor closes"))) {
        event->ignore();
        return;
    }
    if (m_configured) {
        std::error_code ec;
        fs::create_directories(m_home.stateDir, ec);
        kvr::Message reason;
        if (!kvr::writeConfiguration(m_home.configFile(), m_context.config, &reason))
            m_prompt.warn(kvr::fillIn(KVR_TR_NOOP("Messages", "The editor's configuration %1 could not be written: "
                                                              "%2. The next start does not remember this run's game "
                                                              "and choices."),
                                      {m_home.configFile().string(), reason}));
    }
    QMainWindow::closeEvent(event);
}

void TMainForm::guarded(const std::function<void()>& action)
{
    runGuarded(m_services, action);
}

bool TMainForm::mayDiscardWork(const kvr::Message& when)
{
    const bool settings = m_document.isModified();
    std::vector<kvr::Message> lost;
    if (settings)
        lost.push_back(KVR_TR_NOOP("Messages", "The settings have changes that no settings file holds."));
    if (m_helmets.unexported())
        lost.push_back(KVR_TR_NOOP("Messages", "The helmet sheet has changes that were not exported into the game."));
    if (const TJamForm* jams = jamWindow(); jams && jams->jams().unexported())
        lost.push_back(kvr::fillIn(
            KVR_TR_NOOP("Messages", "The car painting for %1 has changes that were not exported into the game."),
            {std::string(jams->jams().selectedFile())}));
    if (lost.empty())
        return true;
    kvr::Message text;
    for (const kvr::Message& line : lost)
        text += line + "\n";
    if (!settings)
        return m_prompt
            .choose(text + kvr::fillIn(KVR_TR_NOOP("Messages", "They are lost when %1, unless you Cancel and export "
                                                               "them in their windows first."),
                                       {when}),
                    {KVR_TR_NOOP("Messages", "Discard")})
            .has_value();
    text += kvr::fillIn(KVR_TR_NOOP("Messages", "Save the settings before %1?"), {when});
    if (lost.size() > 1)
        text += kvr::Message("\n") +
                KVR_TR_NOOP("Messages", "(Pictures are kept only by an export in their windows: Cancel to go back.)");
    const std::optional<int> answer =
        m_prompt.choose(text, {KVR_TR_NOOP("Messages", "Save settings"), KVR_TR_NOOP("Messages", "Discard")});
    if (answer == 0)
        onSaveSettings();
    // Cancel, or a save that did not happen, keeps everything.
    return answer && !(answer == 0 && m_document.isModified());
}

TJamForm* TMainForm::jamWindow() const
{
    const auto it = m_editors.find(QStringLiteral("jams"));
    return it == m_editors.end() ? nullptr : qobject_cast<TJamForm*>(it->second);
}

} // namespace kvrgui
