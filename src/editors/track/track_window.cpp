// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/track/track_window.h"

#include "core/game_file.h"
#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "widgets/editor_services.h"
#include "widgets/prompt_qt.h"
#include "widgets/spoken_name.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvrgui {

namespace {

constexpr int kBoxWidth = 64;

const std::array<const char*, TTrackEdForm::kSetupFields> kSetupLabels = {
    QT_TRANSLATE_NOOP("kvrgui::TTrackEdForm", "Front wing"), QT_TRANSLATE_NOOP("kvrgui::TTrackEdForm", "Rear wing"),
    QT_TRANSLATE_NOOP("kvrgui::TTrackEdForm", "1st"),        QT_TRANSLATE_NOOP("kvrgui::TTrackEdForm", "2nd"),
    QT_TRANSLATE_NOOP("kvrgui::TTrackEdForm", "3rd"),        QT_TRANSLATE_NOOP("kvrgui::TTrackEdForm", "4th"),
    QT_TRANSLATE_NOOP("kvrgui::TTrackEdForm", "5th"),        QT_TRANSLATE_NOOP("kvrgui::TTrackEdForm", "6th"),
};
const std::array<const char*, TTrackEdForm::kSetupFields> kSetupNames = {
    "frontWingEdit", "rearWingEdit", "gear1Edit", "gear2Edit", "gear3Edit", "gear4Edit", "gear5Edit", "gear6Edit",
};

// The setup box `field` edits: front wing, rear wing, then the gears.
std::uint8_t& setupByte(kvr::TrackSetup& s, int field)
{
    if (field == 0)
        return s.frontWing;
    if (field == 1)
        return s.rearWing;
    return s.gears[std::size_t(field - 2)];
}

QLineEdit* numberBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setFixedWidth(kBoxWidth);
    box->setAlignment(Qt::AlignRight);
    return box;
}

} // namespace

TTrackEdForm::TTrackEdForm(EditorServices& services, QWidget* parent)
    : EditorWindow(services, kvr::Editor::Tracks, tr("Track editor"), parent)
{
    // The button has no action of its own here.
    restoreButton()->setEnabled(false);

    auto* grandPrix = new QGroupBox(tr(" Grand Prix "), this);
    m_tracks = new QListWidget(grandPrix);
    setSpokenName(m_tracks, grandPrix->title());
    m_tracks->setObjectName(QStringLiteral("trackList"));
    m_tracks->setUniformItemSizes(true);
    const int row = QFontMetrics(m_tracks->font()).height() + 2;
    // All 16 names at once, without a scroll bar.
    m_tracks->setMinimumHeight(row * kvr::rec::kTracks + 2 * m_tracks->frameWidth() + 4);
    m_tracks->setMinimumWidth(190);
    (new QVBoxLayout(grandPrix))->addWidget(m_tracks);

    auto* setup = new QGroupBox(tr(" Computer car setup "), this);
    auto* wings = new QGridLayout;
    for (int field = 0; field < 2; ++field) {
        m_setupEdits[std::size_t(field)] = numberBox(kSetupNames[std::size_t(field)], setup);
        wings->addWidget(new QLabel(tr(kSetupLabels[std::size_t(field)]), setup), field, 0);
        wings->addWidget(m_setupEdits[std::size_t(field)], field, 1);
        wings->addWidget(new QLabel(tr("deg"), setup), field, 2);
    }
    wings->setRowStretch(2, 1);
    auto* gearbox = new QGroupBox(tr("GEARBOX"), setup);
    auto* gears = new QGridLayout(gearbox);
    for (int gear = 1; gear <= kvr::track::kGears; ++gear) {
        const std::size_t field = std::size_t(gear + 1);
        m_setupEdits[field] = numberBox(kSetupNames[field], gearbox);
        gears->addWidget(new QLabel(tr(kSetupLabels[field]), gearbox), gear, 0);
        gears->addWidget(m_setupEdits[field], gear, 1);
    }
    auto* setupLayout = new QHBoxLayout(setup);
    setupLayout->addLayout(wings);
    setupLayout->addSpacing(12);
    setupLayout->addWidget(gearbox);

    auto* other = new QGroupBox(tr(" Other track specific values "), this);
    auto* otherLayout = new QGridLayout(other);
    m_fuelEdit = numberBox("fuelConsumptionEdit", other);
    m_tyreWearEdit = numberBox("tyreConsumptionEdit", other);
    m_tyreCombo = new QComboBox(other);
    m_tyreCombo->setObjectName(QStringLiteral("tyreCombo"));
    for (const char* tyre : {"A", "B", "C", "D"})
        m_tyreCombo->addItem(tr("Tyre - \"%1\"").arg(QLatin1String(tyre)));
    otherLayout->addWidget(new QLabel(tr("Fuel consumption"), other), 0, 0);
    otherLayout->addWidget(m_fuelEdit, 0, 1);
    otherLayout->addWidget(new QLabel(tr("Tyre consumption"), other), 1, 0);
    otherLayout->addWidget(m_tyreWearEdit, 1, 1);
    m_tyreLabel = new QLabel(tr("Tyre type"), other);
    otherLayout->addWidget(m_tyreLabel, 2, 0);
    otherLayout->addWidget(m_tyreCombo, 2, 1, 1, 2);
    otherLayout->setColumnStretch(2, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(setup);
    right->addWidget(other);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(grandPrix);
    top->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The frame's buttons were made first; the keyboard goes through the values first.
    QList<QWidget*> order{m_tracks};
    for (QLineEdit* box : m_setupEdits)
        order << box;
    order << m_fuelEdit << m_tyreWearEdit << m_tyreCombo << importButton() << exportButton() << backButton();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_tracks, &QListWidget::currentRowChanged, this, &TTrackEdForm::onTrackSelected);
    for (int field = 0; field < kSetupFields; ++field)
        connect(m_setupEdits[std::size_t(field)], &QLineEdit::editingFinished, this,
                [this, field] { onSetupLeft(field); });
    for (QLineEdit* box : {m_fuelEdit, m_tyreWearEdit}) {
        connect(box, &QLineEdit::textEdited, this, [this, box] { onConsumptionTyped(box); });
        // A box left empty shows the stored value again.
        connect(box, &QLineEdit::editingFinished, this, [this] {
            endMerge();
            refresh();
        });
    }
    connect(m_tyreCombo, &QComboBox::activated, this, &TTrackEdForm::onTyreChosen);
}

void TTrackEdForm::showEvent(QShowEvent* event)
{
    // Each showing starts at the first track, with the keyboard in the list.
    m_selectedTrack = 0;
    readTrackNames();
    EditorWindow::showEvent(event);
    m_tracks->setFocus();
}

void TTrackEdForm::imported()
{
    m_selectedTrack = 0;
    readTrackNames();
    refresh();
}

void TTrackEdForm::readTrackNames()
{
    std::vector<std::string> names;
    runGuarded(services(), [&] {
        kvr::GameFile exe = kvr::GameFile::open(services().context.executable());
        names = kvr::readTrackNames(exe, services().context.version);
    });
    const QSignalBlocker quiet(m_tracks);
    m_tracks->clear();
    for (const std::string& name : names)
        m_tracks->addItem(fromAnsi(name));
}

void TTrackEdForm::showRecord()
{
    if (m_selectedTrack < m_tracks->count())
        m_tracks->setCurrentRow(m_selectedTrack);
    kvr::TrackSetup s = kvr::trackSetup(record(), m_selectedTrack);
    for (int field = 0; field < kSetupFields; ++field)
        showText(m_setupEdits[std::size_t(field)], QString::number(setupByte(s, field)));
    showText(m_fuelEdit, QString::number(s.fuelConsumption));
    showText(m_tyreWearEdit, QString::number(s.tyreConsumption));
    // A type beyond "D" shows no item and stays as it is.
    m_tyreCombo->setCurrentIndex(kvr::tyreComboIndex(s.tyreType));
    speakTrack();
}

void TTrackEdForm::speakTrack()
{
    // Each box says whose value it holds: the track's.
    const QListWidgetItem* line = m_tracks->item(m_selectedTrack);
    const QString track = line ? line->text().trimmed() : tr("Track %1").arg(m_selectedTrack + 1);
    const auto spoken = [&](const QString& what) { return tr("%1, %2").arg(what, track); };
    for (int field = 0; field < kSetupFields; ++field) {
        const QString what = tr(kSetupLabels[std::size_t(field)]);
        setSpokenName(m_setupEdits[std::size_t(field)], spoken(field < 2 ? what : tr("%1 gear").arg(what)));
    }
    setSpokenName(m_fuelEdit, spoken(tr("Fuel consumption")));
    setSpokenName(m_tyreWearEdit, spoken(tr("Tyre consumption")));
    nameByLabel(m_tyreLabel, m_tyreCombo, spoken(tr("Tyre type")));
}

void TTrackEdForm::onTrackSelected(int row)
{
    if (refreshing() || row < 0 || row >= kvr::rec::kTracks)
        return;
    m_selectedTrack = row;
    endMerge();
    refresh();
}

void TTrackEdForm::onSetupLeft(int field)
{
    const std::string text = toAnsi(m_setupEdits[std::size_t(field)]->text());
    const int track = m_selectedTrack;
    edit(tr(kSetupLabels[std::size_t(field)]), [&](kvr::SettingsRecord& r) {
        kvr::TrackSetup s = kvr::trackSetup(r, track);
        std::uint8_t& value = setupByte(s, field);
        value = kvr::trackByteFromText(text, value);
        kvr::setTrackSetup(r, track, s);
    });
}

void TTrackEdForm::onConsumptionTyped(QLineEdit* box)
{
    const bool fuel = box == m_fuelEdit;
    const std::string text = toAnsi(box->text());
    // An emptied box waits for the next number: putting the stored value back at once
    // would put the new digits behind the old ones.
    if (text.empty())
        return;
    const int track = m_selectedTrack;
    // Stored at each keystroke; the typing in one box is one undo step.
    edit(
        fuel ? tr("Fuel consumption") : tr("Tyre consumption"),
        [&](kvr::SettingsRecord& r) {
            kvr::TrackSetup s = kvr::trackSetup(r, track);
            std::uint16_t& value = fuel ? s.fuelConsumption : s.tyreConsumption;
            value = kvr::trackWordFromText(text, value);
            kvr::setTrackSetup(r, track, s);
        },
        box);
}

void TTrackEdForm::onTyreChosen(int index)
{
    if (index < 0)
        return;
    const int track = m_selectedTrack;
    edit(tr("Tyre type"), [&](kvr::SettingsRecord& r) {
        kvr::TrackSetup s = kvr::trackSetup(r, track);
        s.tyreType = std::uint8_t(index);
        kvr::setTrackSetup(r, track, s);
    });
}

} // namespace kvrgui
