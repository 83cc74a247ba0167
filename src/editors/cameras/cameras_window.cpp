// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/cameras/cameras_window.h"

#include "core/errors.h"
#include "core/platform/path_text.h"
#include "core/settings_record.h"
#include "core/user_prompt.h"
#include "graphics/wing_image_view.h"
#include "widgets/decimal_text_qt.h"
#include "widgets/editor_services.h"
#include "widgets/prompt_qt.h"
#include "widgets/spoken_name.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace kvrgui {

namespace {

using namespace kvr::cameras;

constexpr const char* kSheetFile = "Dib3.dib";
constexpr int kBoxChars = 9;

constexpr std::array<const char*, kWords> kBoxNames = {
    "distanceXEdit", "heightEdit", "distanceYEdit", "angleXEdit",
    "angleZEdit",    "angleYEdit", "tuning1Edit",   "tuning2Edit",
};

// What a screen reader says for each box, of the camera shown.
constexpr std::array<const char*, kWords> kSpokenBoxes = {
    QT_TRANSLATE_NOOP("kvrgui::TCameraForm", "Camera %1 distance, X axis"),
    QT_TRANSLATE_NOOP("kvrgui::TCameraForm", "Camera %1 height, Z axis"),
    QT_TRANSLATE_NOOP("kvrgui::TCameraForm", "Camera %1 distance, Y axis"),
    QT_TRANSLATE_NOOP("kvrgui::TCameraForm", "Camera %1 angle, X axis"),
    QT_TRANSLATE_NOOP("kvrgui::TCameraForm", "Camera %1 angle, Z axis"),
    QT_TRANSLATE_NOOP("kvrgui::TCameraForm", "Camera %1 angle, Y axis"),
    QT_TRANSLATE_NOOP("kvrgui::TCameraForm", "Camera %1 image tuning, value 1"),
    QT_TRANSLATE_NOOP("kvrgui::TCameraForm", "Camera %1 image tuning, value 2"),
};

} // namespace

TCameraForm::TCameraForm(EditorServices& services, QWidget* parent)
    : EditorWindow(services, kvr::Editor::Cameras, tr("Cameras editor"), parent)
{
    for (int w = 0; w < kWords; ++w) {
        auto* b = new QLineEdit(this);
        b->setObjectName(QString::fromLatin1(kBoxNames[std::size_t(w)]));
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kBoxChars + 12);
        b->setAlignment(Qt::AlignRight);
        connect(b, &QLineEdit::editingFinished, this, [this, w] { onBoxLeft(w); });
        m_boxes[std::size_t(w)] = b;
    }

    auto* cameraGroup = new QGroupBox(tr(" Select car camera "), this);
    m_cameras = new QListWidget(cameraGroup);
    setSpokenName(m_cameras, cameraGroup->title());
    m_cameras->setObjectName(QStringLiteral("cameraList"));
    for (int c = 1; c <= kShown; ++c)
        m_cameras->addItem(tr("Camera %1").arg(c));
    m_cameras->setFixedHeight(m_cameras->sizeHintForRow(0) * kShown + 2 * m_cameras->frameWidth());
    m_cameras->setFixedWidth(m_cameras->sizeHintForColumn(0) + 2 * m_cameras->frameWidth() + 16);
    (new QVBoxLayout(cameraGroup))->addWidget(m_cameras);

    auto* viewGroup = new QGroupBox(tr(" Default view "), this);
    m_view = new kvr::TWinGImage(viewGroup);
    m_view->setObjectName(QStringLiteral("defaultView"));
    try {
        m_view->setFileName(kvr::platform::pathText(services.context.home.data(kSheetFile)));
    } catch (const kvr::GeneralError& e) {
        services.prompt.warn(kvr::messageOf(e));
    }
    (new QVBoxLayout(viewGroup))->addWidget(m_view, 0, Qt::AlignCenter);
    showView();

    auto label = [this](const char* text) { return new QLabel(tr(text), this); };
    // A group of two boxes: the first with its one or two label lines, the second an angle
    // or the second tuning value.
    auto group = [&](const char* title, std::initializer_list<const char*> firstLines, int first,
                     const char* secondLabel, int second, bool degrees) {
        auto* g = new QGroupBox(tr(title), this);
        auto* grid = new QGridLayout(g);
        auto* lines = new QVBoxLayout;
        lines->setSpacing(0);
        for (const char* line : firstLines)
            lines->addWidget(label(line));
        grid->addLayout(lines, 0, 0);
        grid->addWidget(box(first), 0, 1);
        grid->addWidget(label(secondLabel), 1, 0);
        grid->addWidget(box(second), 1, 1);
        if (degrees)
            grid->addWidget(label(QT_TR_NOOP("deg")), 1, 2);
        grid->setColumnStretch(0, 1);
        return g;
    };
    QGroupBox* xAxis = group(QT_TR_NOOP("X - axis"), {QT_TR_NOOP(" Distance from "), QT_TR_NOOP(" centre of car ")},
                             DistanceX, QT_TR_NOOP(" Angle "), AngleX, true);
    QGroupBox* yAxis = group(QT_TR_NOOP("Y - axis"), {QT_TR_NOOP(" Distance from "), QT_TR_NOOP(" centre of car ")},
                             DistanceY, QT_TR_NOOP(" Angle "), AngleY, true);
    QGroupBox* zAxis =
        group(QT_TR_NOOP("Z - axis"), {QT_TR_NOOP(" Height ")}, Height, QT_TR_NOOP(" Angle "), AngleZ, true);
    QGroupBox* tuning =
        group(QT_TR_NOOP("Img. tuning"), {QT_TR_NOOP(" Value 1 ")}, Tuning1, QT_TR_NOOP(" Value 2 "), Tuning2, false);

    auto* left = new QVBoxLayout;
    left->addWidget(cameraGroup);
    left->addWidget(viewGroup);
    left->addStretch();
    auto* groups = new QGridLayout;
    groups->addWidget(xAxis, 0, 0);
    groups->addWidget(yAxis, 0, 1);
    groups->addWidget(zAxis, 1, 0);
    groups->addWidget(tuning, 1, 1);
    groups->setRowStretch(2, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(groups);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The boxes in the order the groups read.
    setTabOrder(m_cameras, box(DistanceX));
    for (auto [from, to] : {std::pair{DistanceX, AngleX},
                            {AngleX, DistanceY},
                            {DistanceY, AngleY},
                            {AngleY, Height},
                            {Height, AngleZ},
                            {AngleZ, Tuning1},
                            {Tuning1, Tuning2}})
        setTabOrder(box(from), box(to));

    m_cameras->setCurrentRow(m_camera - 1);
    connect(m_cameras, &QListWidget::currentRowChanged, this, &TCameraForm::onCameraChosen);
}

void TCameraForm::showView()
{
    const kvr::CameraView at = kvr::cameraView(m_camera);
    m_view->view().setPortion(std::int16_t(at.left), std::int16_t(at.top), kvr::CameraView::kWidth,
                              kvr::CameraView::kHeight);
}

void TCameraForm::showRecord()
{
    const kvr::SettingsRecord& r = record();
    m_cameras->setCurrentRow(m_camera - 1);
    for (int w = 0; w < kWords; ++w) {
        const std::string text = kvr::cameraWordText(r.word(kvr::rec::camera(m_camera - 1, w)), w);
        showText(box(w), isAngle(w) ? shownDecimal(text) : fromAnsi(text));
        setSpokenName(box(w), tr(kSpokenBoxes[std::size_t(w)]).arg(m_camera));
    }
}

void TCameraForm::onCameraChosen(int line)
{
    if (refreshing() || line < 0 || line >= kShown)
        return;
    m_camera = line + 1;
    showView();
    refresh();
}

void TCameraForm::onBoxLeft(int word)
{
    const std::string text = toAnsi(box(word)->text());
    const int record = m_camera - 1;
    edit(tr("Camera %1").arg(m_camera), [&](kvr::SettingsRecord& r) { kvr::editCameraWord(r, record, word, text); });
}

} // namespace kvrgui
