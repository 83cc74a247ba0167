#include "app/path_window.h"

#include "core/errors.h"
#include "core/tr_marker.h"
#include "core/user_prompt.h"
#include "game/startup_load.h"
#include "widgets/enter_as_tab.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

namespace kvrgui {

TPathForm::TPathForm(kvr::UserPrompt& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint), m_prompt(prompt)
{
    setObjectName(QStringLiteral("PathForm"));
    setWindowTitle(tr("Locate KVR"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    m_locate = new QPushButton(tr("Locate kvr.exe file on your hard disk"), this);
    m_locate->setObjectName(QStringLiteral("Button1"));
    QFont big = m_locate->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_locate->setFont(big);
    m_locate->setMinimumSize(360, 56);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Button2"));
    layout->addWidget(m_locate);
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_locate, &QPushButton::clicked, this, &TPathForm::locateClicked);
    connect(m_cancel, &QPushButton::clicked, this, &TPathForm::reject);
    EnterAsTab::enable(this);
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
    request.title = KVR_TR_NOOP("Messages", "Locate kvr.exe file");
    request.filter = KVR_TR_NOOP("Messages", "KVR main executable") "|KVR.EXE";
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
    try {
        m_located = kvr::Configuration::forExecutable(m_chosen);
    } catch (const kvr::GeneralError& e) {
        m_prompt.warn(e.what());
        return;
    }
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
