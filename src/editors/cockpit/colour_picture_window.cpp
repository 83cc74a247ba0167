// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/cockpit/colour_picture_window.h"

#include "core/errors.h"
#include "core/platform/path_text.h"
#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "core/user_prompt.h"
#include "editors/cockpit/colour_picture.h"
#include "editors/cockpit/swatch_grid.h"
#include "editors/names/names_rules.h"
#include "graphics/game_palette.h"
#include "graphics/wing_image_view.h"
#include "widgets/editor_services.h"
#include "widgets/prompt_qt.h"
#include "widgets/qt_paths.h"
#include "widgets/translation_qt.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include <algorithm>

namespace kvrgui {

namespace {

constexpr int kListChars = 16;

// Written whole or not at all: an existing file is replaced only once the new one is
// complete.
void writePng(const QImage& image, const std::filesystem::path& file)
{
    const QString name = kvrgui::fromPath(file);
    QSaveFile out(name);
    QImageWriter writer(&out, "png");
    if (!out.open(QIODevice::WriteOnly) || !writer.write(image) || !out.commit())
        throw kvr::GeneralError(kvr::fillIn(KVR_TR_NOOP("Pictures", "Cannot write %1"), {toAnsi(name)}));
}

} // namespace

ColourPictureWindow::ColourPictureWindow(EditorServices& services, const Setup& setup, QWidget* parent)
    : EditorWindow(services, setup.editor, setup.caption, parent), m_scheme(setup.scheme), m_pngName(setup.pngName)
{
    m_picture = new kvr::TWinGImage(this);
    m_picture->setObjectName(QStringLiteral("picture"));
    m_picture->setCursor(Qt::CrossCursor);
    loadPicture(setup.pictureFile);

    m_detail = new QLabel(coreText(kvr::kDetailNothing), this);
    m_detail->setObjectName(QStringLiteral("detailLabel"));
    m_save = new QPushButton(tr("Save picture as PNG..."), this);
    m_save->setObjectName(QStringLiteral("savePictureButton"));
    m_save->setAutoDefault(false);

    m_teams = new TeamList(tr("Teams"), this);
    m_teams->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_teams->setFixedWidth(m_teams->fontMetrics().averageCharWidth() * kListChars + 2 * m_teams->frameWidth());

    auto* elementBox = new QGroupBox(this);
    auto* elementColumn = new QVBoxLayout(elementBox);
    m_elements = new QButtonGroup(this);
    for (int e = 0; e < m_scheme.elementCount(); ++e) {
        auto* b = new QRadioButton(coreText(m_scheme.caption(e).c_str()), elementBox);
        b->setObjectName(QStringLiteral("elementButton%1").arg(e));
        m_elements->addButton(b, e);
        m_elementButtons.push_back(b);
        elementColumn->addWidget(b);
    }

    auto* under = new QHBoxLayout;
    under->addWidget(m_detail, 1);
    under->addWidget(m_save);
    auto* left = new QVBoxLayout;
    left->addWidget(m_picture, 1);
    left->addLayout(under);
    auto* teams = new QVBoxLayout;
    teams->addWidget(m_teams);
    teams->addStretch();
    auto* elements = new QVBoxLayout;
    elements->addWidget(elementBox);
    elements->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(teams);
    top->addLayout(elements);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttonRow());
    // A larger window shows the picture at a larger whole multiple.
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    connect(m_teams, &TeamList::teamChosen, this, [this](int team) {
        m_team = team;
        refresh();
    });
    connect(m_elements, &QButtonGroup::idClicked, this, &ColourPictureWindow::onElementChosen);
    connect(m_picture, &kvr::TWinGImage::mousePressed, this, &ColourPictureWindow::onPicturePressed);
    connect(m_picture, &kvr::TWinGImage::mouseMoved, this, &ColourPictureWindow::onPointerMoved);
    connect(m_save, &QPushButton::clicked, this, &ColourPictureWindow::onSavePicture);
}

void ColourPictureWindow::loadPicture(const char* file)
{
    try {
        m_picture->setFileName(kvr::platform::pathText(services().context.home.data(file)));
    } catch (const kvr::GeneralError& e) {
        // Without its drawing the window still offers the swatches.
        services().prompt.warn(e.what());
        m_picture->setFileName({});
        m_picture->wing().setWidth(kvr::swatch::kPictureWidth);
        m_picture->wing().setHeight(kvr::swatch::kPictureHeight);
    }
    m_saved = kvr::SavedPicture::take(kvr::areaOf(m_picture->wing()), kvr::swatch::kDrawingRows);
}

void ColourPictureWindow::showEvent(QShowEvent* event)
{
    // Each showing starts at the first team listed, with nothing under the pointer yet.
    m_team = 0;
    m_detail->setText(coreText(kvr::kDetailNothing));
    EditorWindow::showEvent(event);
}

void ColourPictureWindow::showRecord()
{
    const kvr::SettingsRecord& r = record();
    const std::vector<int> listed = kvr::enabledTeams(r);
    m_team = kvr::listedTeam(listed, m_team);
    m_teams->showTeams(r, listed, m_team);

    elementButton(m_element)->setChecked(true);
    kvr::TWinG& wing = m_picture->wing();
    kvr::drawColourPicture(kvr::areaOf(wing), m_saved, m_scheme, r, m_team, m_element,
                           kvr::markerColours(services().palette, wing.colourTable()));
    m_picture->model().repaint();
}

void ColourPictureWindow::onElementChosen(int element)
{
    if (refreshing() || element < 0 || element >= m_scheme.elementCount())
        return;
    m_element = element;
    refresh();
}

void ColourPictureWindow::onPicturePressed(int x, int y, Qt::MouseButton button)
{
    // Beside a picture of another size nothing is shown, so nothing is chosen.
    if (button != Qt::LeftButton || !m_picture->wing().contains(x, y))
        return;
    if (const std::optional<int> element = kvr::elementClicked(m_saved, m_scheme, x, y)) {
        onElementChosen(*element);
        return;
    }
    // Only a team the list shows is changed.
    if (m_teams->currentRow() < 0)
        return;
    const int team = m_team;
    const int element = m_element;
    edit(coreText(m_scheme.caption(element).c_str()) + tr(" colour"),
         [&](kvr::SettingsRecord& r) { kvr::setColourFromSwatch(r, m_scheme, team, element, x, y); });
}

void ColourPictureWindow::onPointerMoved(int x, int y)
{
    const std::string detail =
        m_picture->wing().contains(x, y) ? kvr::pictureDetail(m_saved, m_scheme, x, y) : kvr::kDetailNothing;
    m_detail->setText(translatedMessage(detail));
}

void ColourPictureWindow::onSavePicture()
{
    kvr::FileRequest request;
    request.mode = kvr::FileRequest::Mode::Save;
    request.title = "Save picture";
    request.filter = "PNG picture|*.png";
    request.fileName = std::string(m_pngName) + "-team" + std::to_string(m_team) + ".png";
    request.defaultExtension = "png";
    const std::optional<std::filesystem::path> file = services().prompt.chooseFile(request);
    if (!file)
        return;
    const QImage drawing = m_picture->image({0, 0, m_saved.width(), m_saved.rows()});
    guarded([&] { writePng(drawing, *file); });
}

} // namespace kvrgui
