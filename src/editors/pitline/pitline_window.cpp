// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/pitline/pitline_window.h"

#include "core/settings_record.h"
#include "editors/pitline/pit_line_blocks.h"
#include "widgets/exchange_list.h"
#include "widgets/prompt_qt.h"
#include "widgets/spoken_name.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace kvrgui {

TPitLineForm::TPitLineForm(EditorServices& services, QWidget* parent)
    : EditorWindow(services, kvr::Editor::PitLine, tr("Pit line settings"), parent)
{
    auto* order = new QGroupBox(tr(" Pit order "), this);
    m_pitOrder = new ExchangeList(order);
    m_pitOrder->setObjectName(QStringLiteral("pitOrderList"));
    setSpokenName(m_pitOrder, order->title());
    m_pitOrder->setUniformItemSizes(true);
    m_pitOrder->setMinimumWidth(160);
    m_pitOrder->setToolTip(
        tr("Drag a team onto another to swap their pits; or press Alt+Up or Alt+Down to swap the chosen team with its "
           "neighbour."));
    m_pitOrder->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* orderLayout = new QVBoxLayout(order);
    orderLayout->addWidget(new QLabel(tr("pit line entry"), order));
    orderLayout->addWidget(m_pitOrder);
    orderLayout->addWidget(new QLabel(tr("pit line exit"), order));

    auto* speed = new QGroupBox(tr(" Pit line speed "), this);
    auto* speedLayout = new QGridLayout(speed);
    auto* speedLabel = new QLabel(tr("Max. allowed pit line speed"), speed);
    speedLayout->addWidget(speedLabel, 0, 0, 1, 2);
    m_kph = shownValueBox(speed, QStringLiteral("kphText"));
    m_mph = shownValueBox(speed, QStringLiteral("mphText"));
    setSpokenName(m_kph, tr("Max. allowed pit line speed in km/h"));
    setSpokenName(m_mph, tr("Max. allowed pit line speed in mph"));
    speedLayout->addWidget(m_kph, 1, 0);
    speedLayout->addWidget(m_mph, 1, 1);
    m_speedBar = new QScrollBar(Qt::Horizontal, speed);
    m_speedBar->setObjectName(QStringLiteral("speedBar"));
    m_speedBar->setRange(0, kvr::pitline::kBarMaximum);
    m_speedBar->setPageStep(kvr::pitline::kBarLargeStep);
    m_speedBar->setFocusPolicy(Qt::StrongFocus);
    m_speedBar->setMinimumWidth(200);
    speedLayout->addWidget(m_speedBar, 2, 0, 1, 2);
    nameByLabel(speedLabel, m_speedBar, {});

    m_checkSpeed = new QCheckBox(tr("Check speed in pit line"), this);
    m_checkSpeed->setObjectName(QStringLiteral("checkSpeedBox"));

    auto* right = new QVBoxLayout;
    right->addWidget(speed);
    right->addWidget(m_checkSpeed, 0, Qt::AlignLeft);
    right->addStretch();
    auto* groups = new QHBoxLayout;
    groups->addWidget(order);
    groups->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_pitOrder, &ExchangeList::linesDropped, this, &TPitLineForm::onLinesDropped);
    connect(m_speedBar, &QScrollBar::valueChanged, this, &TPitLineForm::onSpeedBarMoved);
    connect(m_speedBar, &QScrollBar::sliderReleased, this, [this] { endMerge(); });
    connect(m_checkSpeed, &QCheckBox::toggled, this, &TPitLineForm::onCheckSpeedClicked);
}

void TPitLineForm::showRecord()
{
    const kvr::SettingsRecord& r = record();
    const std::vector<kvr::PitLineEntry> entries = kvr::pitLineEntries(r);
    const int current = m_pitOrder->currentRow();
    m_pitOrder->clear();
    for (const kvr::PitLineEntry& e : entries)
        m_pitOrder->addItem(fromAnsi(r.shortString(kvr::rec::teamName(e.team), kvr::rec::kTeamNameChars)));
    m_pitOrder->setCurrentRow(std::min(current, m_pitOrder->count() - 1));
    // As high as its lines: the exit label sits right below the last pit.
    const int rowHeight = entries.empty() ? m_pitOrder->fontMetrics().height() : m_pitOrder->sizeHintForRow(0);
    m_pitOrder->setFixedHeight(rowHeight * std::max<int>(int(entries.size()), 1) + 2 * m_pitOrder->frameWidth());

    const bool checked = kvr::pitSpeedChecked(r);
    m_checkSpeed->setChecked(checked);
    for (QWidget* w : {static_cast<QWidget*>(m_kph), static_cast<QWidget*>(m_mph), static_cast<QWidget*>(m_speedBar)})
        w->setEnabled(checked);
    const std::uint16_t limit = r.word(kvr::rec::kPitSpeedLimit);
    m_speedBar->setValue(kvr::pitSpeedBarPosition(limit));
    const kvr::PitSpeed shown = kvr::pitSpeedToKphMph(limit);
    showText(m_kph, tr("%1 kph").arg(shown.kph));
    showText(m_mph, tr("%1 mph").arg(shown.mph));
}

void TPitLineForm::onLinesDropped(int dragged, int target)
{
    edit(tr("Pit order"), [&](kvr::SettingsRecord& r) { kvr::dropPitLine(r, dragged, target); });
    // The dragged team now stands where it was dropped.
    if (target < m_pitOrder->count())
        m_pitOrder->setCurrentRow(target);
}

void TPitLineForm::onSpeedBarMoved(int position)
{
    edit(
        tr("Pit line speed"),
        [&](kvr::SettingsRecord& r) { r.setWord(kvr::rec::kPitSpeedLimit, kvr::pitSpeedFromBar(position)); },
        m_speedBar);
}

void TPitLineForm::onCheckSpeedClicked(bool on)
{
    edit(m_checkSpeed->text(), [&](kvr::SettingsRecord& r) { kvr::setPitSpeedChecked(r, on); });
}

} // namespace kvrgui
