// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/names/names_window.h"

#include "core/settings_record.h"
#include "widgets/game_text_box.h"
#include "widgets/prompt_qt.h"
#include "widgets/spoken_name.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>
#include <string>

namespace kvrgui {

namespace {

namespace rec = kvr::rec;

// One team line beside each pair of selected marks.
constexpr int kRowHeight = 22;

// Puts the names into a box's list and shows item `current` (none: -1), keeping the
// cursor of a user who is typing the same text.
void showChoices(QComboBox* box, const QStringList& items, int current)
{
    QLineEdit* line = box->lineEdit();
    const QString typed = line ? line->text() : QString();
    const int cursor = line ? line->cursorPosition() : 0;
    for (int i = 0; i < items.size(); ++i)
        if (box->itemText(i) != items[i])
            box->setItemText(i, items[i]);
    box->setCurrentIndex(current);
    if (line && line->text() == typed)
        line->setCursorPosition(cursor);
}

int itemOf(int carNumber)
{
    return kvr::carNumberItem(carNumber).value_or(-1);
}

} // namespace

TNamesForm::TNamesForm(EditorServices& services, QWidget* parent)
    : EditorWindow(services, kvr::Editor::Names, tr("Names and numbers"), parent)
{
    m_teams = new QListWidget(this);
    m_teams->setObjectName(QStringLiteral("teamList"));
    setSpokenName(m_teams, tr("Teams"));
    m_teams->setUniformItemSizes(true);
    m_teams->setFixedSize(220, kRowHeight * rec::kTeams + 2 * m_teams->frameWidth());
    m_teams->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int team = 1; team <= rec::kTeams; ++team) {
        m_teams->addItem(QString());
        m_teams->item(team - 1)->setSizeHint(QSize(0, kRowHeight));
    }
    connect(m_teams, &QListWidget::currentRowChanged, this, &TNamesForm::onTeamChosen);

    // The selected marks of the race drivers: first drivers left, second right.
    auto* marks = new QGridLayout;
    marks->setSpacing(0);
    marks->setContentsMargins(0, m_teams->frameWidth(), 0, 0);
    for (int slot = 1; slot <= kvr::names::kRaceSlots; ++slot) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("selectedButton%1").arg(slot));
        b->setCheckable(true);
        b->setAutoDefault(false);
        b->setFixedSize(40, kRowHeight);
        connect(b, &QPushButton::toggled, this, [this, slot](bool on) { onSelectedToggled(slot, on); });
        marks->addWidget(b, kvr::teamOfSlot(slot) - 1, (slot - 1) % 2);
        m_selected[std::size_t(slot - 1)] = b;
    }

    auto* marksHeading = new QGridLayout;
    marksHeading->setSpacing(0);
    marksHeading->addWidget(new QLabel(tr(" Selected "), this), 0, 0, 1, 2);
    marksHeading->addWidget(new QLabel(tr("   drivers "), this), 1, 0, 1, 2);
    marksHeading->addWidget(new QLabel(tr(" 1st "), this), 2, 0, Qt::AlignCenter);
    marksHeading->addWidget(new QLabel(tr("2nd"), this), 2, 1, Qt::AlignCenter);

    auto* roster = new QGridLayout;
    roster->setVerticalSpacing(2);
    roster->addWidget(new QLabel(tr(" Team-engine "), this), 0, 0, Qt::AlignBottom | Qt::AlignLeft);
    roster->addLayout(marksHeading, 0, 1);
    roster->addWidget(m_teams, 1, 0, Qt::AlignTop);
    roster->addLayout(marks, 1, 1, Qt::AlignTop);

    auto* teamData = new QGroupBox(tr(" Team data "), this);
    m_teamName = makeNameBox(QStringLiteral("teamNameBox"), int(rec::kTeamNameChars));
    m_engineName = makeNameBox(QStringLiteral("engineNameBox"), int(rec::kTeamNameChars));
    m_firstDriver = makeNameBox(QStringLiteral("firstDriverBox"), int(rec::kDriverNameChars));
    m_secondDriver = makeNameBox(QStringLiteral("secondDriverBox"), int(rec::kDriverNameChars));
    for (int team = 1; team <= rec::kTeams; ++team) {
        m_teamName->addItem(QString());
        m_engineName->addItem(QString());
    }
    for (int car = kvr::names::kFirstCarNumber; car <= kvr::names::kLastCarNumber; ++car) {
        m_firstDriver->addItem(QString());
        m_secondDriver->addItem(QString());
    }
    m_firstNumber = new QComboBox(teamData);
    m_firstNumber->setObjectName(QStringLiteral("firstNumberBox"));
    m_secondNumber = new QComboBox(teamData);
    m_secondNumber->setObjectName(QStringLiteral("secondNumberBox"));
    for (QComboBox* box : {m_firstNumber, m_secondNumber}) {
        for (int car = kvr::names::kFirstCarNumber; car <= kvr::names::kLastCarNumber; ++car)
            box->addItem(QString::number(car));
        box->setMaxVisibleItems(kvr::names::kLastCarNumber);
    }
    m_enabled = new QCheckBox(tr("Enabled"), teamData);
    m_enabled->setObjectName(QStringLiteral("enabledCheck"));
    m_numberZero = new QCheckBox(tr("First driver - '0'"), teamData);
    m_numberZero->setObjectName(QStringLiteral("numberZeroCheck"));

    auto* fields = new QGridLayout(teamData);
    // Each label names its box; the number labels say whose number.
    const auto labelled = [&](QWidget* box, const QString& text, const QString& spoken, int row, int column,
                              int columns) {
        auto* label = new QLabel(text, teamData);
        fields->addWidget(label, row, column, 1, columns);
        fields->addWidget(box, row + 1, column, 1, columns);
        nameByLabel(label, box, spoken);
    };
    labelled(m_teamName, tr("Team name"), {}, 0, 0, 2);
    labelled(m_engineName, tr("Engine name"), {}, 2, 0, 2);
    labelled(m_firstNumber, tr("Number"), tr("1st driver number"), 4, 0, 1);
    labelled(m_firstDriver, tr("1st driver name"), {}, 4, 1, 1);
    labelled(m_secondNumber, tr("Number"), tr("2nd driver number"), 6, 0, 1);
    labelled(m_secondDriver, tr("2nd driver name"), {}, 6, 1, 1);
    fields->setRowMinimumHeight(8, 8);
    fields->addWidget(m_enabled, 9, 0, 1, 2);
    fields->addWidget(m_numberZero, 10, 0, 1, 2);
    fields->setRowStretch(11, 1);
    fields->setColumnMinimumWidth(1, 220);

    connect(m_teamName, &QComboBox::editTextChanged, this, [this](const QString& text) {
        edit(
            tr("Team name"), [&](kvr::SettingsRecord& r) { kvr::setTeamName(r, m_team, toAnsi(text)); }, m_teamName);
    });
    connect(m_engineName, &QComboBox::editTextChanged, this, [this](const QString& text) {
        edit(
            tr("Engine name"), [&](kvr::SettingsRecord& r) { kvr::setEngineName(r, m_team, toAnsi(text)); },
            m_engineName);
    });
    // Leaving a name box ends its typing and shows the name as stored.
    for (QComboBox* box : {m_teamName, m_engineName})
        connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this] {
            endMerge();
            refresh();
        });
    connect(m_firstDriver->lineEdit(), &QLineEdit::editingFinished, this, [this] { onDriverNameTyped(true); });
    connect(m_secondDriver->lineEdit(), &QLineEdit::editingFinished, this, [this] { onDriverNameTyped(false); });
    connect(m_firstNumber, &QComboBox::currentIndexChanged, this, [this](int item) { onNumberChosen(true, item); });
    connect(m_secondNumber, &QComboBox::currentIndexChanged, this, [this](int item) { onNumberChosen(false, item); });
    connect(m_enabled, &QCheckBox::toggled, this, [this](bool on) {
        edit(m_enabled->text(), [&](kvr::SettingsRecord& r) { r.setByte(rec::teamEnabled(m_team), on ? 1 : 0); });
    });
    connect(m_numberZero, &QCheckBox::toggled, this, [this](bool on) {
        edit(m_numberZero->text(), [&](kvr::SettingsRecord& r) { r.setByte(rec::kNumberZero, on ? 1 : 0); });
    });

    auto* body = new QHBoxLayout;
    body->addLayout(roster);
    body->addSpacing(8);
    body->addWidget(teamData);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab goes from the list through the team's fields to the marks, then the common
    // buttons.
    QWidget* order[] = {m_teams,        m_teamName,     m_engineName, m_firstNumber, m_firstDriver,
                        m_secondNumber, m_secondDriver, m_enabled,    m_numberZero};
    QWidget* previous = order[0];
    for (QWidget* w : order) {
        if (w != previous)
            setTabOrder(previous, w);
        previous = w;
    }
    for (QPushButton* b : m_selected) {
        setTabOrder(previous, b);
        previous = b;
    }
    for (QWidget* b : {static_cast<QWidget*>(restoreButton()), static_cast<QWidget*>(importButton()),
                       static_cast<QWidget*>(exportButton()), static_cast<QWidget*>(backButton())}) {
        setTabOrder(previous, b);
        previous = b;
    }
}

QComboBox* TNamesForm::makeNameBox(const QString& objectName, int maxChars)
{
    auto* box = new QComboBox(this);
    box->setObjectName(objectName);
    box->setEditable(true);
    // Typed names replace the stored one; they are never added to the list, and no
    // completion slips another name in.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    limitToGameText(box->lineEdit(), maxChars);
    box->setMaxVisibleItems(20);
    return box;
}

void TNamesForm::showEvent(QShowEvent* event)
{
    // Each showing starts at team 1.
    m_team = 1;
    EditorWindow::showEvent(event);
}

void TNamesForm::showRecord()
{
    const kvr::SettingsRecord& r = record();
    QStringList teamNames;
    QStringList engineNames;
    for (int team = 1; team <= rec::kTeams; ++team) {
        const QString line = fromAnsi(kvr::teamLine(r, team));
        if (m_teams->item(team - 1)->text() != line)
            m_teams->item(team - 1)->setText(line);
        teamNames << fromAnsi(r.shortString(rec::teamName(team), rec::kTeamNameChars));
        engineNames << fromAnsi(r.shortString(rec::engineName(team), rec::kTeamNameChars));
    }
    QStringList driverNames;
    for (int car = kvr::names::kFirstCarNumber; car <= kvr::names::kLastCarNumber; ++car)
        driverNames << fromAnsi(r.shortString(rec::driverName(car), rec::kDriverNameChars));

    m_teams->setCurrentRow(m_team - 1);
    showChoices(m_teamName, teamNames, m_team - 1);
    showChoices(m_engineName, engineNames, m_team - 1);

    const bool enabled = r.byte(rec::teamEnabled(m_team)) != 0;
    for (bool first : {true, false}) {
        // A number without a name entry shows neither number nor name, and its name
        // box takes no typing that would have nowhere to go.
        const int car = r.byte(rec::carNumber(slotOf(first)));
        numberBox(first)->setCurrentIndex(itemOf(car));
        numberBox(first)->setEnabled(enabled);
        showChoices(driverNameBox(first), driverNames, itemOf(car));
        driverNameBox(first)->setEnabled(enabled && kvr::hasCarEntry(car));
    }
    m_teamName->setEnabled(enabled);
    m_engineName->setEnabled(enabled);
    m_enabled->setChecked(enabled);
    m_numberZero->setChecked(r.byte(rec::kNumberZero) != 0);

    for (int slot = 1; slot <= kvr::names::kRaceSlots; ++slot) {
        const int car = r.byte(rec::carNumber(slot));
        QPushButton* b = selectedButton(slot);
        b->setText(kvr::hasCarEntry(car) ? QString::number(car) : QString());
        const int team = kvr::teamOfSlot(slot);
        setSpokenName(b, kvr::hasCarEntry(car) ? tr("Car %1 takes part").arg(car)
                         : slot % 2            ? tr("Team %1 1st driver takes part").arg(team)
                                               : tr("Team %1 2nd driver takes part").arg(team));
        b->setChecked(r.byte(rec::carSelected(slot)) != 0);
        b->setEnabled(r.byte(rec::teamEnabled(kvr::teamOfSlot(slot))) != 0);
    }
}

void TNamesForm::onTeamChosen(int line)
{
    if (refreshing() || line < 0)
        return;
    m_team = line + 1;
    refresh();
}

void TNamesForm::onDriverNameTyped(bool first)
{
    const std::string text = toAnsi(driverNameBox(first)->currentText());
    const int slot = slotOf(first);
    edit(first ? tr("1st driver name") : tr("2nd driver name"),
         [&](kvr::SettingsRecord& r) { kvr::renameDriverOfSlot(r, slot, text); });
}

void TNamesForm::onNumberChosen(bool first, int item)
{
    if (item < 0)
        return;
    const int slot = slotOf(first);
    edit(tr("Number"),
         [&](kvr::SettingsRecord& r) { kvr::setCarNumberOfSlot(r, slot, item + kvr::names::kFirstCarNumber); });
}

void TNamesForm::onSelectedToggled(int slot, bool on)
{
    edit(tr("Selected"), [&](kvr::SettingsRecord& r) { r.setByte(rec::carSelected(slot), on ? 1 : 0); });
}

} // namespace kvrgui
