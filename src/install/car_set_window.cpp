// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/car_set_window.h"

#include "install/car_set.h"
#include "widgets/editor_services.h"
#include "widgets/translation_qt.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace kvrgui {

TInstCarSetForm::TInstCarSetForm(EditorServices& services, QWidget* parent)
    : WindowFrame(services, coreText(kvr::carset::kCaption), parent)
{
    m_install = addButton(coreText(kvr::carset::kInstall), "installButton");
    m_install->setMinimumHeight(m_install->sizeHint().height() * 3 / 2);
    m_install->setMinimumWidth(260);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_install);
    layout->addSpacing(8);
    layout->addLayout(buttonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_install, &QPushButton::clicked, this, &TInstCarSetForm::onInstall);
}

void TInstCarSetForm::onInstall()
{
    guarded([this] { kvr::installCarSet(services().context, services().prompt); });
}

} // namespace kvrgui
