#include "editors/jams/jam_window.h"

#include "graphics/dib_render.h"
#include "textures/converter.h"
#include "widgets/editor_services.h"
#include "widgets/enter_as_tab.h"
#include "widgets/picture_qt.h"
#include "widgets/process_runner_qt.h"
#include "widgets/prompt_qt.h"
#include "widgets/record_document.h"
#include "widgets/show_first_prompt.h"
#include "widgets/spoken_name.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvrgui {

namespace {
constexpr int kListWidth = 150;
} // namespace

TJamForm::TJamForm(EditorServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_services(services),
      m_runner(std::make_unique<QtProcessRunner>(this)), m_bound(kvr::kConverterBound)
{
    setWindowTitle(tr("Car JAMs"));
    setModal(true);

    auto list = [this](const char* name, const char* heading) {
        auto* group = new QGroupBox(tr(heading), this);
        auto* l = new QListWidget(group);
        l->setObjectName(QString::fromLatin1(name));
        setSpokenName(l, tr(heading));
        l->setFixedWidth(kListWidth);
        (new QVBoxLayout(group))->addWidget(l);
        return std::pair{group, l};
    };
    const auto [filesGroup, files] = list("fileList", QT_TR_NOOP(" Car paintings "));
    const auto [teamsGroup, teams] = list("teamList", QT_TR_NOOP(" Available teams "));
    m_files = files;
    m_teams = teams;
    for (std::string_view file : kvr::kCarJamFiles)
        m_files->addItem(QString::fromLatin1(file.data(), qsizetype(file.size())));

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picture = new QLabel(frame);
    m_picture->setObjectName(QStringLiteral("paintingPicture"));
    m_picture->setFixedSize(kvr::kPaintingWidth, kvr::kPaintingHeight);
    auto* frameLayout = new QVBoxLayout(frame);
    const int edge = frame->frameWidth();
    frameLayout->setContentsMargins(edge, edge, edge, edge);
    frameLayout->addWidget(m_picture);

    auto button = [this](const char* name, const char* text) {
        auto* b = new QPushButton(tr(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    m_load = button("loadButton", QT_TR_NOOP("Load bitmap"));
    m_save = button("saveButton", QT_TR_NOOP("Save as bitmap"));
    m_import = button("importButton", QT_TR_NOOP("Import from game"));
    m_export = button("exportButton", QT_TR_NOOP("Export to game"));
    m_back = button("backButton", QT_TR_NOOP("Back"));
    QFont bold = m_back->font();
    bold.setBold(true);
    m_back->setFont(bold);

    auto* buttons = new QGridLayout;
    buttons->addWidget(m_load, 0, 0);
    buttons->addWidget(m_save, 0, 1);
    buttons->addWidget(m_import, 1, 0);
    buttons->addWidget(m_export, 1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(frame, 0, Qt::AlignLeft);
    right->addLayout(buttons);
    right->addStretch();
    auto* back = new QHBoxLayout;
    back->addStretch();
    back->addWidget(m_back);
    right->addLayout(back);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(filesGroup);
    layout->addWidget(teamsGroup);
    layout->addLayout(right);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_files, &QListWidget::currentRowChanged, this, &TJamForm::onFileChosen);
    connect(m_teams, &QListWidget::currentRowChanged, this, &TJamForm::onTeamChosen);
    connect(m_load, &QPushButton::clicked, this, [this] {
        act([this](kvr::UserPrompt& prompt) { m_jams.loadBitmap(prompt, converter(), m_services.context.gameDir()); });
    });
    connect(m_save, &QPushButton::clicked, this,
            [this] { act([this](kvr::UserPrompt& prompt) { m_jams.saveAsBitmap(prompt); }); });
    connect(m_import, &QPushButton::clicked, this, [this] {
        act([this](kvr::UserPrompt& prompt) {
            m_jams.importFromGame(prompt, converter(), m_services.context.gameDir());
        });
    });
    connect(m_export, &QPushButton::clicked, this, [this] {
        act([this](kvr::UserPrompt& prompt) {
            m_jams.exportToGame(prompt, converter(), m_services.context.gameDir());
        });
    });
    connect(m_back, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_services.document, &RecordDocument::recordChanged, this, &TJamForm::onRecordChanged);
    EnterAsTab::enable(this);
}

TJamForm::~TJamForm() = default;

kvr::Converter TJamForm::converter() const
{
    return kvr::Converter(kvr::converterProgram(), m_services.context.home.tempDir(), *m_runner, m_bound);
}

void TJamForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_jams.show(m_services.document.record());
    showTeams();
    m_files->setFocus();
}

void TJamForm::done(int result)
{
    runGuarded(m_services, [this] { m_jams.close(converter()); });
    QDialog::done(result);
}

void TJamForm::forgetPainting()
{
    m_jams.clear();
    if (isVisible())
        showSelection();
}

void TJamForm::onRecordChanged()
{
    if (!isVisible())
        return;
    m_jams.showTeams(m_services.document.record());
    showTeams();
}

void TJamForm::showTeams()
{
    m_showing = true;
    m_teams->clear();
    for (const std::string& team : m_jams.teamLines())
        m_teams->addItem(fromAnsi(team));
    m_showing = false;
    showSelection();
}

void TJamForm::showSelection()
{
    m_showing = true;
    m_files->setCurrentRow(m_jams.fileLine());
    m_teams->setCurrentRow(m_jams.teamLine().value_or(-1));
    m_showing = false;
    if (m_jams.hasPicture())
        m_picture->setPixmap(QPixmap::fromImage(toImage(kvr::renderDib256(m_jams.picture()))));
    else
        m_picture->clear();
}

void TJamForm::act(const std::function<void(kvr::UserPrompt&)>& action)
{
    ShowFirstPrompt prompt(m_services.prompt, [this] { showSelection(); });
    runGuarded(m_services, [&] { action(prompt); });
    showSelection();
}

void TJamForm::onFileChosen(int line)
{
    if (m_showing || line < 0)
        return;
    act([&](kvr::UserPrompt&) { m_jams.selectFile(line); });
}

void TJamForm::onTeamChosen(int line)
{
    if (m_showing || line < 0)
        return;
    act([&](kvr::UserPrompt&) { m_jams.selectTeam(line); });
}

} // namespace kvrgui
