// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/path_window.h"

#include "core/tr_marker.h"
#include "core/user_prompt.h"
#include "game/startup_load.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

namespace kvrgui {

TPathForm::TPathForm(kvr::UserPrompt& prompt, QWidget* parent)
    : WindowFrame(prompt, tr("Locate KVR"), parent, Qt::WindowStaysOnTopHint), m_prompt(prompt)
{
    setObjectName(QStringLiteral("PathForm"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    m_locate = addButton(tr("Locate kvr.exe file on your hard disk"), "locateButton");
    QFont big = m_locate->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_locate->setFont(big);
    m_locate->setMinimumSize(360, 56);
    m_cancel = addButton(tr("Cancel"), "cancelButton");
    layout->addWidget(m_locate);
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_locate, &QPushButton::clicked, this, &TPathForm::locateClicked);
    connect(m_cancel, &QPushButton::clicked, this, &TPathForm::reject);
}

void TPathForm::showEvent(QShowEvent* event)
{
    m_chosen.clear();
    m_located.reset();
    QDialog::showEvent(event);
}

void TPathForm::locateClicked()
{
    kvr::FileRequest request;
    request.mode = kvr::FileRequest::Mode::Open;
    request.kind = kvr::FileRequest::Kind::GameProgram;
    request.title = KVR_TR_NOOP("Messages", "Locate kvr.exe file");
    request.filter = kvr::fileFilter(KVR_TR_NOOP("Messages", "KVR main executable"), "KVR.EXE");
    request.fileName = "KVR.EXE";
    request.defaultExtension = "EXE";
    request.initialDirectory = std::filesystem::path("/");
    if (const auto chosen = m_prompt.chooseFile(request))
        m_chosen = chosen->string();
    std::error_code ec;
    if (m_chosen.empty() || !std::filesystem::is_regular_file(m_chosen, ec))
        return;
    // A file the editor cannot read its values from would end the program at the first
    // import: refused here, and the window asks again.
    if (const auto problem = kvr::executableProblem(m_chosen)) {
        m_prompt.warn(*problem);
        m_chosen.clear();
        return;
    }
    if (guarded([this] { m_located = kvr::Configuration::forExecutable(m_chosen); }))
        accept();
}

void TPathForm::closeEvent(QCloseEvent* event)
{
    // Closing means cancelling, which ends the program: only the Cancel button does it.
    if (!m_located)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TPathForm::reject()
{
    if (!m_located)
        QDialog::reject();
}

std::optional<kvr::Configuration> TPathForm::locate(kvr::UserPrompt& prompt, QWidget* parent)
{
    TPathForm form(prompt, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.located();
}

} // namespace kvrgui
