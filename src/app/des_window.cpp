// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/des_window.h"

#include "widgets/prompt_qt.h"
#include "widgets/spoken_name.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace kvrgui {

namespace {

std::string ansiWithCrLf(const QString& text)
{
    std::string out;
    for (char c : toAnsi(text)) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

} // namespace

TDesForm::TDesForm(EditorServices& services, QWidget* parent)
    : WindowFrame(services, tr("Settings description"), parent)
{
    setObjectName(QStringLiteral("DesForm"));
    auto* layout = new QVBoxLayout(this);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("descriptionText"));
    setSpokenName(m_memo, tr("Settings description"));
    m_memo->setPlainText(tr("no description"));
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setMinimumSize(380, 180);
    layout->addWidget(m_memo);

    m_saveButton = addButton(tr("Save settings"), "saveButton");
    m_saveButton->setFocusPolicy(Qt::NoFocus);
    layout->addLayout(buttonRow({m_saveButton}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_saveButton, &QPushButton::clicked, this, [this] {
        if (m_save)
            m_save();
    });
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] {
        m_default = false;
        keepWithinLimit();
    });
}

std::string TDesForm::defaultDescription()
{
    return ansiWithCrLf(tr("no description"));
}

std::string TDesForm::description() const
{
    return ansiWithCrLf(m_memo->toPlainText());
}

void TDesForm::setDescription(const std::string& ansi)
{
    QString text = fromAnsi(ansi);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_memo->setPlainText(text);
    m_default = false;
}

void TDesForm::keepWithinLimit()
{
    if (m_trimming)
        return;
    QString text = m_memo->toPlainText();
    if (ansiWithCrLf(text).size() <= std::size_t(kMaxChars))
        return;
    while (!text.isEmpty() && ansiWithCrLf(text).size() > std::size_t(kMaxChars))
        text.chop(1);
    m_trimming = true;
    m_memo->setPlainText(text);
    m_memo->moveCursor(QTextCursor::End);
    m_trimming = false;
}

} // namespace kvrgui
