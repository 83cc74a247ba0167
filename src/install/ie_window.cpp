#include "install/ie_window.h"

#include "app/enter_as_tab.h"
#include "core/errors.h"
#include "core/settings_record.h"
#include "core/user_prompt.h"
#include "install/import_export.h"

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
    exe = new QRadioButton(QStringLiteral("KVR.EXE file"), box);
    // The game's own spelling of the item; the file used is F1GSTATE.SAV.
    state = new QRadioButton(QStringLiteral("F1GPSTATE.SAV file"), box);
    layout->addWidget(exe);
    layout->addWidget(state);
    return box;
}

} // namespace

TIEForm::TIEForm(kvr::GameContext& context, kvr::SettingsRecord& record, kvr::UserPrompt& prompt, Fatal fatal,
                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_context(context), m_record(record),
      m_prompt(prompt), m_fatal(std::move(fatal))
{
    setObjectName(QStringLiteral("IEForm"));
    setWindowTitle(QStringLiteral("Import data"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    QGroupBox* names = choiceGroup(QStringLiteral("Names and numbers"), m_namesExe, m_namesState, this);
    names->setObjectName(QStringLiteral("RadioGroup1"));
    QGroupBox* cockpit = choiceGroup(QStringLiteral("Cockpit colors"), m_cockpitExe, m_cockpitState, this);
    cockpit->setObjectName(QStringLiteral("RadioGroup2"));
    groups->addWidget(names);
    groups->addWidget(cockpit);
    layout->addLayout(groups);

    auto* buttons = new QHBoxLayout;
    m_import = new QPushButton(QStringLiteral("Import all data"), this);
    m_import->setObjectName(QStringLiteral("Button951"));
    m_export = new QPushButton(QStringLiteral("Export all data"), this);
    m_export->setObjectName(QStringLiteral("Button952"));
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("BitBtn1"));
    buttons->addWidget(m_import);
    buttons->addWidget(m_export);
    buttons->addStretch();
    buttons->addWidget(back);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_namesExe, &QRadioButton::clicked, this, [this] { m_context.config.namesInStateFile = false; });
    connect(m_namesState, &QRadioButton::clicked, this, [this] { m_context.config.namesInStateFile = true; });
    connect(m_cockpitExe, &QRadioButton::clicked, this, [this] { m_context.config.cockpitColoursInStateFile = false; });
    connect(m_cockpitState, &QRadioButton::clicked, this,
            [this] { m_context.config.cockpitColoursInStateFile = true; });
    connect(m_import, &QPushButton::clicked, this, &TIEForm::Button951Click);
    connect(m_export, &QPushButton::clicked, this, &TIEForm::Button952Click);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    showChoices();
    EnterAsTab::enable(this);
}

void TIEForm::showChoices()
{
    (m_context.config.namesInStateFile ? m_namesState : m_namesExe)->setChecked(true);
    (m_context.config.cockpitColoursInStateFile ? m_cockpitState : m_cockpitExe)->setChecked(true);
}

void TIEForm::run(const std::function<void()>& action)
{
    try {
        action();
    } catch (const kvr::FileAccessError& e) {
        m_fatal(e.what());
    } catch (const kvr::GeneralError& e) {
        m_prompt.warn(e.what());
    }
}

void TIEForm::Button951Click()
{
    run([this] {
        if (kvr::importAllData(m_context, m_record, m_prompt) == kvr::SequenceEnd::Completed)
            m_trackDataRead = true;
    });
}

void TIEForm::Button952Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    run([this] { kvr::exportAllData(m_context, m_record, m_prompt); });
    QApplication::restoreOverrideCursor();
}

} // namespace kvrgui
