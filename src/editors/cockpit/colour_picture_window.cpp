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
#include "widgets/enter_as_tab.h"
#include "widgets/prompt_qt.h"
#include "widgets/qt_paths.h"
#include "widgets/spoken_name.h"
#include "widgets/translation_qt.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QKeyEvent>
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
    m_picture->setFocusPolicy(Qt::StrongFocus);
    m_picture->installEventFilter(this);
    EnterAsTab::keepEnter(m_picture);
    m_picture->setAccessibleDescription(
        tr("Arrow keys choose a colour, Space or Enter gives it to the part, Page Up and Page Down choose the part"));
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
        auto* b = new QRadioButton(coreText(m_scheme.caption(e)), elementBox);
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
        cursorToBase();
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
        services().prompt.warn(kvr::messageOf(e));
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
    m_team = kvr::listedTeam(kvr::enabledTeams(record()), m_team);
    cursorToBase();
    EditorWindow::showEvent(event);
}

void ColourPictureWindow::cursorToBase()
{
    m_cursor = kvr::swatchStep(m_scheme.base(record(), m_team, m_element), 0, 0);
    speakCursor();
}

void ColourPictureWindow::speakCursor()
{
    setSpokenName(m_picture, tr("Colour %1, %2").arg(m_cursor).arg(coreText(m_scheme.caption(m_element))));
}

bool ColourPictureWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picture) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && onPictureKey(key->key()))
                return true;
        }
        // The cursor shows only while the keyboard is in the picture.
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            refresh();
    }
    return EditorWindow::eventFilter(watched, event);
}

bool ColourPictureWindow::onPictureKey(int key)
{
    const auto move = [this](int columns, int rows) {
        m_cursor = kvr::swatchStep(m_cursor, columns, rows);
        m_detail->setText(translatedMessage(kvr::swatchDetail(m_cursor)));
        speakCursor();
        refresh();
    };
    switch (key) {
    case Qt::Key_Left:
        move(-1, 0);
        return true;
    case Qt::Key_Right:
        move(1, 0);
        return true;
    case Qt::Key_Up:
        move(0, -1);
        return true;
    case Qt::Key_Down:
        move(0, 1);
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int count = m_scheme.elementCount();
        const int element = (m_element + (key == Qt::Key_PageDown ? 1 : count - 1)) % count;
        onElementChosen(element);
        m_detail->setText(translatedMessage(kvr::elementDetail(m_scheme, element)));
        return true;
    }
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (m_teams->currentRow() < 0)
            return true;
        const int team = m_team;
        const int element = m_element;
        const int index = m_cursor;
        edit(coreText(m_scheme.caption(element)) + tr(" colour"),
             [&](kvr::SettingsRecord& r) { kvr::setColourFromIndex(r, m_scheme, team, element, index); });
        return true;
    }
    default:
        return false;
    }
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
                           kvr::markerColours(services().palette, wing.colourTable()),
                           m_picture->hasFocus() ? std::optional<int>(m_cursor) : std::nullopt);
    m_picture->model().repaint();
}

void ColourPictureWindow::onElementChosen(int element)
{
    if (refreshing() || element < 0 || element >= m_scheme.elementCount())
        return;
    m_element = element;
    cursorToBase();
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
    edit(coreText(m_scheme.caption(element)) + tr(" colour"),
         [&](kvr::SettingsRecord& r) { kvr::setColourFromSwatch(r, m_scheme, team, element, x, y); });
}

void ColourPictureWindow::onPointerMoved(int x, int y)
{
    const kvr::Message detail =
        m_picture->wing().contains(x, y) ? kvr::pictureDetail(m_saved, m_scheme, x, y) : kvr::kDetailNothing;
    m_detail->setText(translatedMessage(detail));
}

void ColourPictureWindow::onSavePicture()
{
    kvr::FileRequest request;
    request.mode = kvr::FileRequest::Mode::Save;
    request.kind = kvr::FileRequest::Kind::ColourPicture;
    request.title = KVR_TR_NOOP("Pictures", "Save picture");
    request.filter = kvr::fileFilter(KVR_TR_NOOP("Pictures", "PNG picture"), "*.png");
    request.fileName = std::string(m_pngName) + "-team" + std::to_string(m_team) + ".png";
    request.defaultExtension = "png";
    const std::optional<std::filesystem::path> file = services().prompt.chooseFile(request);
    if (!file)
        return;
    const QImage drawing = m_picture->image({0, 0, m_saved.width(), m_saved.rows()});
    guarded([&] { writePng(drawing, *file); });
}

} // namespace kvrgui
