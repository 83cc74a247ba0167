// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/session_tables.h"

#include "widgets/prompt_qt.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvrgui {

const SessionTableControls& SessionTablesWindow::makeSessionControls(const StepBox& stepBox, Shift shift,
                                                                     Copy qualEqualsOther, Copy otherEqualsQual)
{
    SessionTableControls& c = m_controls;
    c.all = new QGroupBox(QCoreApplication::translate("kvrgui::SessionTables", "All"), this);
    c.plus = new QPushButton(QStringLiteral("+"), c.all);
    c.plus->setObjectName(QStringLiteral("plusButton"));
    c.minus = new QPushButton(QStringLiteral("-"), c.all);
    c.minus->setObjectName(QStringLiteral("minusButton"));
    c.step = new QLineEdit(QString::number(stepBox.defaultStep), c.all);
    c.step->setObjectName(QStringLiteral("stepEdit"));
    c.step->setMaxLength(stepBox.maxChars);
    c.step->setFixedWidth(stepBox.width);
    c.allRow = new QHBoxLayout(c.all);
    for (QPushButton* b : {c.plus, c.minus}) {
        b->setFixedWidth(32);
        b->setAutoDefault(false);
        c.allRow->addWidget(b);
    }
    c.allRow->addWidget(new QLabel(QCoreApplication::translate("kvrgui::SessionTables", "by"), c.all));
    c.allRow->addWidget(c.step);
    for (QPushButton* b : {c.plus, c.minus}) {
        const bool up = b == c.plus;
        connect(b, &QPushButton::clicked, this, [this, shift, up] {
            const std::string step = toAnsi(m_controls.step->text());
            edit(up ? QCoreApplication::translate("kvrgui::SessionTables", "All +")
                    : QCoreApplication::translate("kvrgui::SessionTables", "All -"),
                 [&](kvr::SettingsRecord& r) { shift(r, step, up); });
        });
    }

    c.qualEqualsOther = new QPushButton(QCoreApplication::translate("kvrgui::SessionTables", "Qual=Other"), this);
    c.qualEqualsOther->setObjectName(QStringLiteral("qualEqualsOtherButton"));
    c.otherEqualsQual = new QPushButton(QCoreApplication::translate("kvrgui::SessionTables", "Other=Qual"), this);
    c.otherEqualsQual->setObjectName(QStringLiteral("otherEqualsQualButton"));
    for (QPushButton* b : {c.qualEqualsOther, c.otherEqualsQual}) {
        b->setAutoDefault(false);
        const Copy copy = b == c.qualEqualsOther ? qualEqualsOther : otherEqualsQual;
        connect(b, &QPushButton::clicked, this, [this, b, copy] { edit(b->text(), copy); });
    }
    return c;
}

} // namespace kvrgui
