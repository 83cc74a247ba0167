#include "install/installer_window.h"

#include "widgets/editor_services.h"
#include "widgets/enter_as_tab.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace kvrgui {

InstallerWindow::InstallerWindow(EditorServices& services, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_services(services)
{
    setWindowTitle(caption);
    setModal(true);
    EnterAsTab::enable(this);
}

QPushButton* InstallerWindow::addButton(const QString& text, const char* name)
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* InstallerWindow::buttonRow(std::initializer_list<QPushButton*> buttons)
{
    // Made after the dialog's own controls, so the keyboard reaches it last.
    m_back = addButton(tr("Back"), "backButton");
    QFont bold = m_back->font();
    bold.setBold(true);
    m_back->setFont(bold);
    connect(m_back, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    for (QPushButton* b : buttons)
        row->addWidget(b);
    row->addStretch();
    row->addWidget(m_back);
    return row;
}

void InstallerWindow::run(const std::function<void()>& action) { runGuarded(m_services, action); }

} // namespace kvrgui
