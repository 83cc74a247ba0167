// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/jams/jam_window.h"

#include "core/user_prompt.h"
#include "graphics/dib_render.h"
#include "graphics/game_palette.h"
#include "textures/converter.h"
#include "widgets/editor_services.h"
#include "widgets/picture_qt.h"
#include "widgets/pixel_view.h"

#include "widgets/process_runner_qt.h"
#include "widgets/prompt_qt.h"
#include "widgets/record_document.h"
#include "widgets/spoken_name.h"
#include <QScrollArea>

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
    : WindowFrame(services, tr("Car JAMs"), parent), m_runner(std::make_unique<QtProcessRunner>(this)),
      m_bound(kvr::kConverterBound)
{
    auto list = [this](const char* name, const QString& heading) {
        auto* group = new QGroupBox(heading, this);
        auto* l = new QListWidget(group);
        l->setObjectName(QString::fromLatin1(name));
        setSpokenName(l, heading);
        l->setFixedWidth(kListWidth);
        (new QVBoxLayout(group))->addWidget(l);
        return std::pair{group, l};
    };
    const auto [filesGroup, files] = list("fileList", tr(" Car paintings "));
    const auto [teamsGroup, teams] = list("teamList", tr(" Available teams "));
    m_files = files;
    m_teams = teams;
    for (std::string_view file : kvr::kCarJamFiles)
        m_files->addItem(QString::fromLatin1(file.data(), qsizetype(file.size())));

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picture = new PixelView(QSize(kvr::kPaintingWidth, kvr::kPaintingHeight), 1, frame);
    m_picture->setObjectName(QStringLiteral("paintingPicture"));
    setSpokenName(m_picture, tr("Painting"));
    m_picture->setToolTip(tr("Ctrl + wheel, Ctrl++ or Ctrl+- zooms the picture"));
    auto* frameLayout = new QVBoxLayout(frame);
    const int edge = frame->frameWidth();
    frameLayout->setContentsMargins(edge, edge, edge, edge);
    // Beside the painting: the two lists; below it the buttons.
    frameLayout->addWidget(scrolledToFit(m_picture, QSize(420, 200), frame));

    m_load = addButton(tr("Load bitmap"), "loadButton");
    m_save = addButton(tr("Save as bitmap"), "saveButton");
    m_import = addButton(tr("Import from game"), "importButton");
    m_export = addButton(tr("Export to game"), "exportButton");

    auto* buttons = new QGridLayout;
    buttons->addWidget(m_load, 0, 0);
    buttons->addWidget(m_save, 0, 1);
    buttons->addWidget(m_import, 1, 0);
    buttons->addWidget(m_export, 1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(frame, 0, Qt::AlignLeft);
    right->addLayout(buttons);
    right->addStretch();
    right->addLayout(buttonRow());

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(filesGroup);
    layout->addWidget(teamsGroup);
    layout->addLayout(right);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    useOwnHistory(m_jams);

    using Prompt = kvr::UserPrompt;
    connect(m_files, &QListWidget::currentRowChanged, this, &TJamForm::onFileChosen);
    connect(m_teams, &QListWidget::currentRowChanged, this, &TJamForm::onTeamChosen);
    connect(m_load, &QPushButton::clicked, this, [this] {
        guarded([this](Prompt& prompt) {
            m_jams.loadBitmap(prompt, converter(), this->services().context.gameDir(), m_pictureFiles,
                              this->services().palette.entries);
        });
    });
    connect(m_save, &QPushButton::clicked, this,
            [this] { guarded([this](Prompt& prompt) { m_jams.saveAsBitmap(prompt, m_pictureFiles); }); });
    connect(m_import, &QPushButton::clicked, this, [this] {
        guarded(
            [this](Prompt& prompt) { m_jams.importFromGame(prompt, converter(), this->services().context.gameDir()); });
    });
    connect(m_export, &QPushButton::clicked, this, [this] {
        guarded(
            [this](Prompt& prompt) { m_jams.exportToGame(prompt, converter(), this->services().context.gameDir()); });
    });
    connect(&services.document, &RecordDocument::recordChanged, this, &TJamForm::onRecordChanged);
}

TJamForm::~TJamForm() = default;

kvr::Converter TJamForm::converter() const
{
    return kvr::Converter(kvr::converterProgram(), services().context.home.tempDir(), *m_runner, m_bound);
}

void TJamForm::showEvent(QShowEvent* event)
{
    m_jams.show(services().document.record());
    fillTeamList();
    WindowFrame::showEvent(event);
    m_files->setFocus();
}

void TJamForm::done(int result)
{
    runGuarded(services(), [this] { m_jams.close(converter()); });
    WindowFrame::done(result);
}

void TJamForm::forgetPainting()
{
    // As an action of the window: it and its Edit menu show that nothing is left.
    guarded([this] { m_jams.clear(); });
}

void TJamForm::onRecordChanged()
{
    if (!isVisible())
        return;
    m_jams.showTeams(services().document.record());
    fillTeamList();
    showState();
}

void TJamForm::fillTeamList()
{
    m_showing = true;
    m_teams->clear();
    for (const std::string& team : m_jams.teamLines())
        m_teams->addItem(fromAnsi(team));
    m_showing = false;
}

void TJamForm::showState()
{
    m_showing = true;
    m_files->setCurrentRow(m_jams.fileLine());
    m_teams->setCurrentRow(m_jams.teamLine().value_or(-1));
    m_showing = false;
    if (m_jams.hasPicture())
        m_picture->setImage(toImage(kvr::renderDib256(m_jams.picture())));
    else
        m_picture->setImage({});
}

void TJamForm::keyPressEvent(QKeyEvent* event)
{
    // Ctrl++ / Ctrl+- zoom the painting wherever the focus is.
    if (const int step = zoomKey(event)) {
        m_picture->setZoom(m_picture->zoom() + step);
        return;
    }
    WindowFrame::keyPressEvent(event);
}

void TJamForm::onFileChosen(int line)
{
    if (m_showing || line < 0)
        return;
    guarded([&] { m_jams.selectFile(line); });
}

void TJamForm::onTeamChosen(int line)
{
    if (m_showing || line < 0)
        return;
    guarded([&] { m_jams.selectTeam(line); });
}

} // namespace kvrgui
