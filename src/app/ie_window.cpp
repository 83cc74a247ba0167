// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ie_window.h"

#include "core/errors.h"
#include "core/settings_record.h"
#include "core/user_prompt.h"
#include "game/import_export.h"
#include "widgets/editor_services.h"
#include "widgets/record_document.h"
#include "widgets/spoken_name.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvrgui {

namespace {

QGroupBox* choiceGroup(const QString& title, QRadioButton*& exe, QRadioButton*& state, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    exe = new QRadioButton(QCoreApplication::translate("kvrgui::TIEForm", "KVR.EXE file"), box);
    // The game's own spelling of the item; the file used is F1GSTATE.SAV.
    state = new QRadioButton(QCoreApplication::translate("kvrgui::TIEForm", "F1GSTATE.SAV file"), box);
    layout->addWidget(exe);
    layout->addWidget(state);
    // The two groups offer the same two files: each choice says whose place it is.
    for (QRadioButton* b : {exe, state})
        setSpokenName(b, title.trimmed() + QStringLiteral(", ") + b->text());
    return box;
}

} // namespace

TIEForm::TIEForm(EditorServices& services, QWidget* parent) : WindowFrame(services, tr("Import data"), parent)
{
    setObjectName(QStringLiteral("importExportWindow"));
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    QGroupBox* names = choiceGroup(tr("Names and numbers"), m_namesExe, m_namesState, this);
    names->setObjectName(QStringLiteral("namesSourceGroup"));
    QGroupBox* cockpit = choiceGroup(tr("Cockpit colors"), m_cockpitExe, m_cockpitState, this);
    cockpit->setObjectName(QStringLiteral("cockpitSourceGroup"));
    groups->addWidget(names);
    groups->addWidget(cockpit);
    layout->addLayout(groups);

    m_import = addButton(tr("Import all data"), "importAllButton");
    m_export = addButton(tr("Export all data"), "exportAllButton");
    layout->addLayout(buttonRow({m_import, m_export}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    kvr::Configuration& config = services.context.config;
    connect(m_namesExe, &QRadioButton::clicked, this, [&config] { config.namesInStateFile = false; });
    connect(m_namesState, &QRadioButton::clicked, this, [&config] { config.namesInStateFile = true; });
    connect(m_cockpitExe, &QRadioButton::clicked, this, [&config] { config.cockpitColoursInStateFile = false; });
    connect(m_cockpitState, &QRadioButton::clicked, this, [&config] { config.cockpitColoursInStateFile = true; });
    connect(m_import, &QPushButton::clicked, this, &TIEForm::onImportAll);
    connect(m_export, &QPushButton::clicked, this, &TIEForm::onExportAll);
    showChoices();
}

void TIEForm::showChoices()
{
    const kvr::Configuration& config = services().context.config;
    (config.namesInStateFile ? m_namesState : m_namesExe)->setChecked(true);
    (config.cockpitColoursInStateFile ? m_cockpitState : m_cockpitExe)->setChecked(true);
}

void TIEForm::onImportAll()
{
    guarded([this] {
        EditorServices& s = services();
        kvr::SequenceEnd end{};
        s.document.changeWithTrackData(m_import->text(), [&](kvr::SettingsRecord& r, bool& known) {
            end = kvr::importAllData(s.context, r, s.prompt, known);
        });
        if (end == kvr::SequenceEnd::Completed)
            s.document.setOrigin(RecordOrigin::game());
    });
}

void TIEForm::onExportAll()
{
    guarded([this] {
        EditorServices& s = services();
        if (!confirmExport(s, std::nullopt))
            return;
        const BusyCursor busy;
        // The track data may be read on the way, when it was never read before.
        kvr::SequenceEnd end{};
        s.document.changeWithTrackData(m_export->text(), [&](kvr::SettingsRecord& r, bool& known) {
            end = kvr::exportAllData(s.context, r, s.prompt, known);
        });
        if (end == kvr::SequenceEnd::Completed)
            s.document.gameHoldsRecord();
    });
}

} // namespace kvrgui
