#include "app/ie_window.h"

#include "core/errors.h"
#include "core/settings_record.h"
#include "core/user_prompt.h"
#include "game/import_export.h"
#include "widgets/editor_services.h"
#include "widgets/enter_as_tab.h"
#include "widgets/record_document.h"

#include <QApplication>
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
    return box;
}

} // namespace

TIEForm::TIEForm(EditorServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_services(services)
{
    setObjectName(QStringLiteral("importExportWindow"));
    setWindowTitle(tr("Import data"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    QGroupBox* names = choiceGroup(tr("Names and numbers"), m_namesExe, m_namesState, this);
    names->setObjectName(QStringLiteral("namesSourceGroup"));
    QGroupBox* cockpit = choiceGroup(tr("Cockpit colors"), m_cockpitExe, m_cockpitState, this);
    cockpit->setObjectName(QStringLiteral("cockpitSourceGroup"));
    groups->addWidget(names);
    groups->addWidget(cockpit);
    layout->addLayout(groups);

    auto* buttons = new QHBoxLayout;
    m_import = new QPushButton(tr("Import all data"), this);
    m_import->setObjectName(QStringLiteral("importAllButton"));
    m_export = new QPushButton(tr("Export all data"), this);
    m_export->setObjectName(QStringLiteral("exportAllButton"));
    auto* back = new QPushButton(tr("Back"), this);
    back->setObjectName(QStringLiteral("backButton"));
    buttons->addWidget(m_import);
    buttons->addWidget(m_export);
    buttons->addStretch();
    buttons->addWidget(back);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_namesExe, &QRadioButton::clicked, this, [this] { m_services.context.config.namesInStateFile = false; });
    connect(m_namesState, &QRadioButton::clicked, this, [this] { m_services.context.config.namesInStateFile = true; });
    connect(m_cockpitExe, &QRadioButton::clicked, this,
            [this] { m_services.context.config.cockpitColoursInStateFile = false; });
    connect(m_cockpitState, &QRadioButton::clicked, this,
            [this] { m_services.context.config.cockpitColoursInStateFile = true; });
    connect(m_import, &QPushButton::clicked, this, &TIEForm::onImportAll);
    connect(m_export, &QPushButton::clicked, this, &TIEForm::onExportAll);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    showChoices();
    EnterAsTab::enable(this);
}

void TIEForm::showChoices()
{
    (m_services.context.config.namesInStateFile ? m_namesState : m_namesExe)->setChecked(true);
    (m_services.context.config.cockpitColoursInStateFile ? m_cockpitState : m_cockpitExe)->setChecked(true);
}

void TIEForm::onImportAll()
{
    runGuarded(m_services, [this] {
        kvr::SequenceEnd end{};
        m_services.document.changeWithTrackData(m_import->text(), [&](kvr::SettingsRecord& r, bool& known) {
            end = kvr::importAllData(m_services.context, r, m_services.prompt, known);
        });
        if (end == kvr::SequenceEnd::Completed)
            m_services.document.setOrigin(RecordOrigin::game());
    });
}

void TIEForm::onExportAll()
{
    bool go = false;
    runGuarded(m_services, [&] { go = confirmExport(m_services, std::nullopt); });
    if (!go)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The track data may be read on the way, when it was never read before.
    runGuarded(m_services, [this] {
        kvr::SequenceEnd end{};
        m_services.document.changeWithTrackData(m_export->text(), [&](kvr::SettingsRecord& r, bool& known) {
            end = kvr::exportAllData(m_services.context, r, m_services.prompt, known);
        });
        if (end == kvr::SequenceEnd::Completed)
            m_services.document.gameHoldsRecord();
    });
    QApplication::restoreOverrideCursor();
}

} // namespace kvrgui
