// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/grip/grip_window.h"

#include "core/settings_record.h"
#include "editors/names/names_rules.h"
#include "widgets/prompt_qt.h"
#include "widgets/spoken_name.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <string>

namespace kvrgui {

namespace {

constexpr int kShownLines = 14;
constexpr int kLineHeight = 18;
constexpr int kStepChars = 5;
constexpr kvr::GripTable kTables[] = {kvr::GripTable::Qualifying, kvr::GripTable::OtherSessions, kvr::GripTable::Range};

// Replaces the lines' texts in place, so the list keeps its scroll position.
void showLines(QListWidget* list, const QStringList& lines)
{
    while (list->count() > lines.size())
        delete list->takeItem(list->count() - 1);
    for (int i = 0; i < lines.size(); ++i) {
        if (i == list->count()) {
            list->addItem(lines[i]);
            list->item(i)->setSizeHint(QSize(0, kLineHeight));
        } else if (list->item(i)->text() != lines[i])
            list->item(i)->setText(lines[i]);
    }
}

void showSelection(QListWidget* list, int line)
{
    if (line < 0)
        list->clearSelection();
    list->setCurrentRow(line);
}

// A driver list and its value list scroll as one.
void scrollTogether(QListWidget* a, QListWidget* b)
{
    QObject::connect(a->verticalScrollBar(), &QScrollBar::valueChanged, b->verticalScrollBar(), &QScrollBar::setValue);
    QObject::connect(b->verticalScrollBar(), &QScrollBar::valueChanged, a->verticalScrollBar(), &QScrollBar::setValue);
}

} // namespace

TGripForm::TGripForm(EditorServices& services, QWidget* parent)
    : SessionTablesWindow(services, kvr::Editor::Grip, tr("Computer cars grip"), parent)
{
    auto* choose = new QGroupBox(tr("Select data"), this);
    auto* chooseRow = new QHBoxLayout(choose);
    const QString captions[] = {tr("Qualification"), tr("Other sessions"), tr("Random grip range")};
    const QString names[] = {QStringLiteral("qualifyingChoice"), QStringLiteral("otherSessionsChoice"),
                             QStringLiteral("rangeChoice")};
    for (int i = 0; i < 3; ++i) {
        m_choices[i] = new QRadioButton(captions[i], choose);
        m_choices[i]->setObjectName(names[i]);
        chooseRow->addWidget(m_choices[i]);
        chooseRow->addSpacing(16);
        m_choices[i]->setChecked(i == 0);
        const kvr::GripTable table = kTables[i];
        connect(m_choices[i], &QRadioButton::toggled, this, [this, table](bool on) {
            if (on)
                onTableChosen(table);
        });
    }
    chooseRow->addStretch();

    auto makeList = [this](const QString& name, int width) {
        auto* list = new QListWidget(this);
        list->setObjectName(name);
        list->setUniformItemSizes(true);
        list->setFixedSize(width, kLineHeight * kShownLines + 2 * list->frameWidth() + 2);
        return list;
    };
    m_firstDrivers = makeList(QStringLiteral("firstDriverList"), 180);
    m_firstValues = makeList(QStringLiteral("firstValueList"), 64);
    m_secondDrivers = makeList(QStringLiteral("secondDriverList"), 180);
    m_secondValues = makeList(QStringLiteral("secondValueList"), 64);
    // The value lists follow their driver lists.
    for (QListWidget* list : {m_firstValues, m_secondValues})
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollTogether(m_firstDrivers, m_firstValues);
    setSpokenName(m_firstDrivers, tr("First drivers"));
    setSpokenName(m_firstValues, tr("First drivers' grip"));
    setSpokenName(m_secondDrivers, tr("Second drivers"));
    setSpokenName(m_secondValues, tr("Second drivers' grip"));
    scrollTogether(m_secondDrivers, m_secondValues);
    connect(m_firstDrivers, &QListWidget::currentRowChanged, this, [this](int line) { onLineChosen(false, line); });
    connect(m_firstValues, &QListWidget::currentRowChanged, this, [this](int line) { onLineChosen(false, line); });
    connect(m_secondDrivers, &QListWidget::currentRowChanged, this, [this](int line) { onLineChosen(true, line); });
    connect(m_secondValues, &QListWidget::currentRowChanged, this, [this](int line) { onLineChosen(true, line); });

    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(2);
    lists->addWidget(new QLabel(tr(" 1st drivers "), this), 0, 0);
    lists->addWidget(new QLabel(tr(" GRIP "), this), 0, 1);
    lists->addWidget(new QLabel(tr(" 2nd drivers "), this), 0, 3);
    lists->addWidget(new QLabel(tr(" GRIP "), this), 0, 4);
    lists->addWidget(m_firstDrivers, 1, 0);
    lists->addWidget(m_firstValues, 1, 1);
    lists->setColumnMinimumWidth(2, 10);
    lists->addWidget(m_secondDrivers, 1, 3);
    lists->addWidget(m_secondValues, 1, 4);

    auto* selected = new QGroupBox(tr("Edit selected grip data"), this);
    m_valueEdit = new QLineEdit(selected);
    m_valueEdit->setObjectName(QStringLiteral("valueEdit"));
    (new QHBoxLayout(selected))->addWidget(m_valueEdit);
    connect(m_valueEdit, &QLineEdit::editingFinished, this, &TGripForm::onValueTyped);

    const SessionTableControls& controls = makeSessionControls(
        {kvr::grip::kDefaultStep, kStepChars, 60},
        [this](kvr::SettingsRecord& r, std::string_view step, bool up) { kvr::shiftAllGrip(r, m_table, step, up); },
        kvr::copyGripOtherToQualifying, kvr::copyGripQualifyingToOther);
    setSpokenName(controls.plus, tr("Raise every car's grip by the step"));
    setSpokenName(controls.minus, tr("Lower every car's grip by the step"));
    setSpokenName(controls.step, tr("Step for every car's grip"));

    auto* side = new QVBoxLayout;
    side->addWidget(selected);
    side->addWidget(controls.all);
    side->addWidget(controls.qualEqualsOther);
    side->addWidget(controls.otherEqualsQual);
    side->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(lists);
    body->addSpacing(8);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(choose);
    layout->addLayout(body);
    layout->addLayout(buttonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QRadioButton* TGripForm::tableChoice(kvr::GripTable table) const
{
    for (int i = 0; i < 3; ++i)
        if (kTables[i] == table)
            return m_choices[i];
    return nullptr;
}

int TGripForm::selectedCar() const
{
    const kvr::GripLines lines = kvr::gripLines(record());
    const std::vector<int>& cars = m_secondSelected ? lines.secondDrivers : lines.firstDrivers;
    return m_line >= 0 && std::size_t(m_line) < cars.size() ? cars[std::size_t(m_line)] : 0;
}

void TGripForm::showEvent(QShowEvent* event)
{
    // Each showing starts at the first line of the first drivers.
    m_secondSelected = false;
    m_line = 0;
    SessionTablesWindow::showEvent(event);
}

void TGripForm::showRecord()
{
    const kvr::SettingsRecord& r = record();
    const kvr::GripLines lines = kvr::gripLines(r);
    auto show = [&](const std::vector<int>& cars, QListWidget* names, QListWidget* values) {
        QStringList nameLines;
        QStringList valueLines;
        for (int car : cars) {
            nameLines << fromAnsi(r.shortString(kvr::rec::driverName(car), kvr::rec::kDriverNameChars));
            valueLines << QString::number(r.word(kvr::gripOffset(m_table, car)));
        }
        showLines(names, nameLines);
        showLines(values, valueLines);
    };
    show(lines.firstDrivers, m_firstDrivers, m_firstValues);
    show(lines.secondDrivers, m_secondDrivers, m_secondValues);

    // A new roster may have fewer lines than the one the selection was made in.
    const std::size_t count = (m_secondSelected ? lines.secondDrivers : lines.firstDrivers).size();
    if (m_line < 0 || std::size_t(m_line) >= count) {
        m_secondSelected = false;
        m_line = lines.firstDrivers.empty() ? -1 : 0;
    }
    showSelection(m_firstDrivers, m_secondSelected ? -1 : m_line);
    showSelection(m_firstValues, m_secondSelected ? -1 : m_line);
    showSelection(m_secondDrivers, m_secondSelected ? m_line : -1);
    showSelection(m_secondValues, m_secondSelected ? m_line : -1);

    tableChoice(m_table)->setChecked(true);
    const int car = selectedCar();
    m_valueEdit->setEnabled(car != 0);
    showText(m_valueEdit, car != 0 ? QString::number(r.word(kvr::gripOffset(m_table, car))) : QString());
}

void TGripForm::onLineChosen(bool secondDrivers, int line)
{
    if (refreshing() || line < 0)
        return;
    m_secondSelected = secondDrivers;
    m_line = line;
    refresh();
}

void TGripForm::onTableChosen(kvr::GripTable table)
{
    if (refreshing())
        return;
    m_table = table;
    refresh();
}

void TGripForm::onValueTyped()
{
    const int car = selectedCar();
    if (car == 0)
        return;
    const std::string text = toAnsi(m_valueEdit->text());
    const kvr::GripTable table = m_table;
    edit(tr("Grip"), [&](kvr::SettingsRecord& r) { kvr::editTypedGrip(r, table, car, text); });
}

} // namespace kvrgui
