// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/game_text_box.h"

#include "core/ansi.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QToolTip>
#include <QValidator>

namespace kvrgui {

namespace {

class GameTextValidator : public QValidator {
  public:
    GameTextValidator(QLineEdit* box, int capacity) : QValidator(box), m_box(box), m_capacity(capacity) {}

    State validate(QString& input, int&) const override
    {
        const QString problem = gameTextProblem(input, m_capacity);
        if (problem.isEmpty())
            return Acceptable;
        QToolTip::showText(m_box->mapToGlobal(QPoint(0, m_box->height())), problem, m_box);
        return Invalid;
    }

  private:
    QLineEdit* m_box;
    int m_capacity;
};

} // namespace

QString gameTextProblem(const QString& text, int capacity)
{
    for (const char32_t c : text.toUcs4())
        if (!kvr::isAnsiCharacter(c))
            return QCoreApplication::translate("kvrgui::GameTextBox",
                                               "The game cannot show \u201c%1\u201d; it knows only Western European "
                                               "letters and signs.")
                .arg(QString::fromUcs4(&c, 1));
    if (text.size() > capacity)
        return QCoreApplication::translate("kvrgui::GameTextBox", "The game keeps at most %1 characters here.")
            .arg(capacity);
    return {};
}

void limitToGameText(QLineEdit* box, int capacity)
{
    // The validator refuses what is too long, so the box can say why; a maximum length
    // would cut the text without a word.
    box->setMaxLength(32767);
    box->setValidator(new GameTextValidator(box, capacity));
    box->setToolTip(
        QCoreApplication::translate("kvrgui::GameTextBox", "At most %1 characters, of those the game can show.")
            .arg(capacity));
}

} // namespace kvrgui
