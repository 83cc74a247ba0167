// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/track_manager_window.h"

#include "install/track_installer.h"
#include "widgets/editor_services.h"
#include "widgets/record_document.h"
#include "widgets/translation_qt.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace kvrgui {

Tinsttform::Tinsttform(EditorServices& services, QWidget* parent)
    : WindowFrame(services, coreText(kvr::trackinstall::kCaption), parent)
{
    m_pack = addButton(coreText(kvr::trackinstall::kInstallPack), "installPackButton");
    m_original = addButton(coreText(kvr::trackinstall::kInstallOriginal), "installOriginalButton");
    auto* layout = new QVBoxLayout(this);
    for (QPushButton* b : {m_pack, m_original}) {
        b->setMinimumHeight(b->sizeHint().height() * 3 / 2);
        b->setMinimumWidth(260);
        layout->addWidget(b);
    }
    layout->addSpacing(8);
    layout->addLayout(buttonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_pack, &QPushButton::clicked, this, &Tinsttform::onInstallPack);
    connect(m_original, &QPushButton::clicked, this, &Tinsttform::onInstallOriginal);
}

void Tinsttform::onInstallPack()
{
    guarded([this] {
        if (kvr::installTrackPack(services().context, services().prompt) == kvr::InstallOutcome::Installed)
            tracksReplaced();
    });
}

void Tinsttform::onInstallOriginal()
{
    guarded([this] {
        if (kvr::installOriginalTracks(services().context, services().prompt) == kvr::InstallOutcome::Installed)
            tracksReplaced();
    });
}

void Tinsttform::tracksReplaced()
{
    services().document.setTrackDataKnown(false);
}

} // namespace kvrgui
