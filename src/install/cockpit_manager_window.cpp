// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/cockpit_manager_window.h"

#include "widgets/editor_services.h"
#include "widgets/translation_qt.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvrgui {

namespace {
constexpr int kRowsPerColumn = 6;
}

TInstCForm::TInstCForm(EditorServices& services, QWidget* parent)
    : WindowFrame(services, coreText(kvr::cockpitmanager::kCaption), parent)
{
    auto* group = new QGroupBox(coreText(kvr::cockpitmanager::kSetsTitle), this);
    group->setObjectName(QStringLiteral("cockpitSets"));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(24);
    m_sets = new QButtonGroup(this);
    for (std::size_t i = 0; i < kvr::kCockpitSets.size(); ++i) {
        const kvr::CockpitSet& set = kvr::kCockpitSets[i];
        auto* b = new QRadioButton(QString::fromLatin1(set.caption), group);
        b->setObjectName(QStringLiteral("cockpitSet") + QLatin1String(set.stem));
        m_sets->addButton(b, int(i));
        grid->addWidget(b, int(i) % kRowsPerColumn, int(i) / kRowsPerColumn);
        m_setButtons[i] = b;
    }
    m_setButtons[0]->setChecked(true);

    m_install = addButton(coreText(kvr::cockpitmanager::kInstall), "installButton");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttonRow({m_install}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_install, &QPushButton::clicked, this, &TInstCForm::onInstall);
}

const char* TInstCForm::chosenSet() const
{
    const int set = m_sets->checkedId();
    return kvr::kCockpitSets[std::size_t(set < 0 ? 0 : set)].stem;
}

void TInstCForm::onInstall()
{
    const char* stem = chosenSet();
    guarded([&] { kvr::installCockpit(services().context, stem, services().prompt); });
}

} // namespace kvrgui
