// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/tuning/tuning_window.h"

#include "core/codecs.h"
#include "core/number_text.h"
#include "core/platform/path_text.h"
#include "core/settings_record.h"
#include "editors/tuning/led_preview.h"
#include "editors/tuning/tuning_blocks.h"
#include "editors/tuning/tuning_rules.h"
#include "graphics/wing_image_view.h"
#include "widgets/editor_services.h"
#include "widgets/prompt_qt.h"
#include "widgets/spoken_name.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kvrgui {

namespace rec = kvr::rec;

namespace {

constexpr int kWeightLargeStep = 20;
constexpr int kShownWidth = 64;
constexpr const char* kLedPicture = "LEDS.DIB";

QLineEdit* numberBox(QWidget* parent, const QString& name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(kShownWidth);
    return box;
}

} // namespace

TCTuningForm::TCTuningForm(EditorServices& services, QWidget* parent)
    : EditorWindow(services, kvr::Editor::Tuning, tr("Car tuning"), parent)
{
    auto* left = new QVBoxLayout;
    left->addWidget(buildWeights());
    left->addWidget(buildFuel());
    auto* groups = new QHBoxLayout;
    groups->addLayout(left);
    groups->addWidget(buildLeds(), 0, Qt::AlignTop);

    m_teamPerformance = new QCheckBox(tr("player's car performance depends on selected team"), this);
    m_teamPerformance->setObjectName(QStringLiteral("teamPerformanceBox"));
    connect(m_teamPerformance, &QCheckBox::toggled, this,
            [this](bool on) { onSwitchClicked(m_teamPerformance, rec::kTeamPerformanceSwitch, on); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(m_teamPerformance, 0, Qt::AlignLeft);
    layout->addLayout(buttonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TCTuningForm::buildWeights()
{
    auto* group = new QGroupBox(tr(" Car weight "), this);
    auto* grid = new QGridLayout(group);
    auto addCar = [&](int row, bool human, const QString& label, const QString& name) {
        auto* caption = new QLabel(label, group);
        grid->addWidget(caption, row, 0);
        QLineEdit* pounds = shownValueBox(group, name + QStringLiteral("Pounds"));
        QLineEdit* kilograms = shownValueBox(group, name + QStringLiteral("Kilograms"));
        setSpokenName(pounds, human ? tr("Human player car weight in pounds") : tr("Computer car weight in pounds"));
        setSpokenName(kilograms,
                      human ? tr("Human player car weight in kilograms") : tr("Computer car weight in kilograms"));
        grid->addWidget(pounds, row, 1);
        grid->addWidget(kilograms, row, 2);
        auto* bar = new QScrollBar(Qt::Horizontal, group);
        bar->setObjectName(name + QStringLiteral("WeightBar"));
        bar->setRange(0, kvr::tuning::kWeightBarMax);
        bar->setPageStep(kWeightLargeStep);
        bar->setFocusPolicy(Qt::StrongFocus);
        grid->addWidget(bar, row + 1, 0, 1, 3);
        nameByLabel(caption, bar, {});
        connect(bar, &QScrollBar::valueChanged, this, [this, human](int v) { onWeightBarMoved(human, v); });
        connect(bar, &QScrollBar::sliderReleased, this, [this] { endMerge(); });
        (human ? m_humanBar : m_computerBar) = bar;
        (human ? m_humanPounds : m_computerPounds) = pounds;
        (human ? m_humanKilograms : m_computerKilograms) = kilograms;
    };
    addCar(0, true, tr("Human player car weight"), QStringLiteral("human"));
    addCar(2, false, tr("Computer car weight"), QStringLiteral("computer"));
    m_linked = new QCheckBox(tr("Linked"), group);
    m_linked->setObjectName(QStringLiteral("linkedBox"));
    grid->addWidget(m_linked, 4, 0, 1, 3, Qt::AlignLeft);
    return group;
}

QWidget* TCTuningForm::buildLeds()
{
    auto* group = new QGroupBox(tr(" RPM LEDs "), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("RPM"), group), 0, 2, Qt::AlignHCenter);
    // The highest LED stands at the top, as on the rev counter.
    for (int led = kvr::tuning::kLeds; led >= 1; --led) {
        const int row = kvr::tuning::kLeds - led + 1;
        auto* colour = new QComboBox(group);
        colour->setObjectName(QStringLiteral("ledColour%1").arg(led));
        colour->addItems({tr("Green"), tr("Yellow"), tr("Red")});
        // The row's label names its colour box, which a screen reader reads from it.
        auto* number = new QLabel(tr("LED %1").arg(led), group);
        nameByLabel(number, colour, tr("LED %1 colour").arg(led));
        grid->addWidget(number, row, 0);
        grid->addWidget(colour, row, 1);
        connect(colour, &QComboBox::currentIndexChanged, this, [this, led](int item) { onLedColourChosen(led, item); });
        m_ledColours[std::size_t(led - 1)] = colour;
        if (led == 1)
            continue;
        QLineEdit* threshold = numberBox(group, QStringLiteral("threshold%1").arg(led));
        setSpokenName(threshold, tr("LED %1 RPM").arg(led));
        grid->addWidget(threshold, row, 2);
        connect(threshold, &QLineEdit::editingFinished, this, [this, led] { onThresholdTyped(led); });
        m_thresholds[std::size_t(led - 1)] = threshold;
    }
    m_preview = new kvr::TWinGImage(group);
    m_preview->setObjectName(QStringLiteral("ledPreview"));
    m_preview->hide();
    grid->addWidget(m_preview, 1, 3, kvr::tuning::kLeds, 1, Qt::AlignCenter);
    grid->setColumnMinimumWidth(3, 110);
    grid->addWidget(new QLabel(tr("(colors works only with original cockpits)"), group), kvr::tuning::kLeds + 1, 0, 1,
                    4);
    return group;
}

QWidget* TCTuningForm::buildFuel()
{
    auto* group = new QGroupBox(tr(" Fuel settings "), this);
    auto* grid = new QGridLayout(group);
    m_opponentFuel = new QCheckBox(tr("show opponents fuel load"), group);
    m_opponentFuel->setObjectName(QStringLiteral("opponentFuelBox"));
    connect(m_opponentFuel, &QCheckBox::toggled, this,
            [this](bool on) { onSwitchClicked(m_opponentFuel, rec::kOpponentFuelSwitch, on); });
    grid->addWidget(m_opponentFuel, 0, 0, 1, 3, Qt::AlignLeft);
    auto addLoad = [&](int row, bool qualifying, const QString& label, const QString& name) {
        QLineEdit* box = numberBox(group, name);
        auto* caption = new QLabel(label, group);
        nameByLabel(caption, box,
                    qualifying ? tr("Initial qualifying fuel load in laps") : tr("Initial practice fuel load in laps"));
        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(new QLabel(tr("laps"), group), row, 2);
        connect(box, &QLineEdit::editingFinished, this, [this, qualifying] { onFuelTyped(qualifying); });
        (qualifying ? m_qualifyingFuel : m_practiceFuel) = box;
    };
    addLoad(1, false, tr("Initial practice fuel load"), QStringLiteral("practiceFuel"));
    addLoad(2, true, tr("Initial qualifying fuel load"), QStringLiteral("qualifyingFuel"));
    return group;
}

void TCTuningForm::showEvent(QShowEvent* event)
{
    if (!m_pictureTried) {
        // Once: a missing or damaged picture is reported and the window works without it.
        m_pictureTried = true;
        guarded([this] { loadLedPicture(); });
    }
    EditorWindow::showEvent(event);
}

void TCTuningForm::loadLedPicture()
{
    m_preview->setFileName(kvr::platform::pathText(services().context.home.data(kLedPicture)));
    const auto pixels = m_preview->wing().pixels();
    m_pristine.assign(pixels.begin(), pixels.end());
    m_preview->setFixedSize(m_preview->sizeHint());
    m_preview->show();
}

void TCTuningForm::drawLeds()
{
    if (m_pristine.empty())
        return;
    kvr::TWinG& wing = m_preview->wing();
    const kvr::PixelArea pristine{m_pristine, wing.width(), wing.height(), wing.stride()};
    for (int led = 0; led < kvr::tuning::kLeds; ++led)
        kvr::drawLed(kvr::areaOf(wing), pristine, led, record().byte(rec::kLedColour[led]));
    m_preview->model().repaint();
}

void TCTuningForm::showRecord()
{
    const kvr::SettingsRecord& r = record();
    const auto showWeight = [](const kvr::SettingsRecord& rr, std::size_t offset, QScrollBar* bar, QLineEdit* pounds,
                               QLineEdit* kilograms) {
        const int weight = rr.word(offset);
        bar->setValue(weight);
        showText(pounds, fromAnsi(kvr::poundsText(weight)));
        showText(kilograms, fromAnsi(kvr::kilogramsText(weight)));
    };
    showWeight(r, rec::kHumanWeight, m_humanBar, m_humanPounds, m_humanKilograms);
    showWeight(r, rec::kComputerWeight, m_computerBar, m_computerPounds, m_computerKilograms);

    for (int led = 1; led <= kvr::tuning::kLeds; ++led) {
        const std::optional<int> item = kvr::ledColourItem(r.byte(rec::kLedColour[led - 1]));
        ledColourBox(led)->setCurrentIndex(item.value_or(-1));
        if (led > 1)
            showText(thresholdEdit(led), QString::number(kvr::thresholdShown(r.word(rec::kLedThreshold[led - 1]))));
    }
    drawLeds();

    m_opponentFuel->setChecked(r.byte(rec::kOpponentFuelSwitch) != 0);
    showText(m_practiceFuel, QString::number(r.byte(rec::kPracticeFuel)));
    showText(m_qualifyingFuel, QString::number(kvr::qualifyingLapsShown(r.byte(rec::kQualifyingFuel))));
    m_teamPerformance->setChecked(r.byte(rec::kTeamPerformanceSwitch) != 0);
}

void TCTuningForm::onWeightBarMoved(bool human, int position)
{
    const bool both = m_linked->isChecked();
    QScrollBar* bar = human ? m_humanBar : m_computerBar;
    edit(
        tr("Car weight"),
        [&](kvr::SettingsRecord& r) {
            const std::uint16_t weight = kvr::weightFromBar(position);
            if (human || both)
                r.setWord(rec::kHumanWeight, weight);
            if (!human || both)
                r.setWord(rec::kComputerWeight, weight);
        },
        bar);
}

void TCTuningForm::onLedColourChosen(int led, int item)
{
    if (item < 0)
        return;
    edit(tr("LED colour"),
         [&](kvr::SettingsRecord& r) { r.setByte(rec::kLedColour[led - 1], kvr::ledColourOfItem(item)); });
}

void TCTuningForm::onThresholdTyped(int led)
{
    // Text that is not a whole number keeps the stored threshold.
    const std::optional<std::int64_t> typed = kvr::parseWholeNumber(toAnsi(thresholdEdit(led)->text()));
    if (!typed) {
        refresh();
        return;
    }
    edit(tr("LED threshold"),
         [&](kvr::SettingsRecord& r) { r.setWord(rec::kLedThreshold[led - 1], kvr::thresholdFromTyped(*typed)); });
}

void TCTuningForm::onFuelTyped(bool qualifying)
{
    QLineEdit* box = qualifying ? m_qualifyingFuel : m_practiceFuel;
    const std::optional<std::int64_t> typed = kvr::parseWholeNumber(toAnsi(box->text()));
    if (!typed) {
        refresh();
        return;
    }
    edit(tr("Fuel load"), [&](kvr::SettingsRecord& r) {
        if (qualifying)
            r.setByte(rec::kQualifyingFuel, kvr::qualifyingFuelFromTyped(*typed));
        else
            r.setByte(rec::kPracticeFuel, kvr::practiceFuelFromTyped(*typed));
    });
}

void TCTuningForm::onSwitchClicked(QCheckBox* box, std::size_t offset, bool on)
{
    edit(box->text(), [&](kvr::SettingsRecord& r) { r.setByte(offset, kvr::flagByte(on)); });
}

} // namespace kvrgui
