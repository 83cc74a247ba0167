#include "widgets/session_tables.h"

#include "widgets/prompt_qt.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvrgui {

SessionTableControls sessionTableControls(QWidget* window, const StepBox& stepBox,
                                          std::function<void(const QString&, const std::string&, bool up)> shift,
                                          std::function<void(const QString&, bool qualEqualsOther)> copy)
{
    SessionTableControls c{};
    c.all = new QGroupBox(QCoreApplication::translate("kvrgui::SessionTables", "All"), window);
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
    QLineEdit* step = c.step;
    for (QPushButton* b : {c.plus, c.minus}) {
        const bool up = b == c.plus;
        QObject::connect(b, &QPushButton::clicked, window, [shift, step, up] {
            shift(up ? QCoreApplication::translate("kvrgui::SessionTables", "All +")
                     : QCoreApplication::translate("kvrgui::SessionTables", "All -"),
                  toAnsi(step->text()), up);
        });
    }

    c.qualEqualsOther = new QPushButton(QCoreApplication::translate("kvrgui::SessionTables", "Qual=Other"), window);
    c.qualEqualsOther->setObjectName(QStringLiteral("qualEqualsOtherButton"));
    c.otherEqualsQual = new QPushButton(QCoreApplication::translate("kvrgui::SessionTables", "Other=Qual"), window);
    c.otherEqualsQual->setObjectName(QStringLiteral("otherEqualsQualButton"));
    for (QPushButton* b : {c.qualEqualsOther, c.otherEqualsQual}) {
        b->setAutoDefault(false);
        const bool qualEqualsOther = b == c.qualEqualsOther;
        QObject::connect(b, &QPushButton::clicked, window,
                         [copy, b, qualEqualsOther] { copy(b->text(), qualEqualsOther); });
    }
    return c;
}

} // namespace kvrgui
