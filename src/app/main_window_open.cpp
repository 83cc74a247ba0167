// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/about_window.h"
#include "app/shortcuts_window.h"
#include "core/tr_marker.h"
#include "core/user_prompt.h"
#include "game/launch_files.h"

#include <QMenuBar>

namespace kvrgui {

void TMainForm::openLaunchFiles(const std::vector<kvr::LaunchFile>& files)
{
    for (const kvr::LaunchFile& file : files) {
        // A game file that failed ends the program: nothing more is opened.
        if (m_exitCode)
            return;
        if (file.kind == kvr::LaunchFile::Kind::Patch)
            applyPatchFile(file.path);
        else if (mayReplaceSettings())
            loadSettings([this, &file] { return m_session.loadFrom(file.path); });
    }
}

bool TMainForm::mayReplaceSettings()
{
    if (!m_document.isModified())
        return true;
    const std::optional<int> answer = m_prompt.choose(
        std::string(KVR_TR_NOOP("Messages", "The settings have changes that no settings file holds.")) + "\n" +
            kvr::fillIn(KVR_TR_NOOP("Messages", "Save the settings before %1?"),
                        {KVR_TR_NOOP("Messages", "another settings file is loaded")}),
        {KVR_TR_NOOP("Messages", "Save settings"), KVR_TR_NOOP("Messages", "Discard")});
    if (answer == 0)
        onSaveSettings();
    // Cancel, or a save that did not happen, keeps the settings.
    return answer && !(answer == 0 && m_document.isModified());
}

void TMainForm::buildHelpMenu()
{
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction* keys = help->addAction(tr("&Keyboard shortcuts"));
    keys->setObjectName(QStringLiteral("keyboardShortcutsAction"));
    keys->setShortcut(QKeySequence(Qt::Key_F1));
    connect(keys, &QAction::triggered, this, &TMainForm::onKeyboardShortcuts);
    m_actions[keys->objectName()] = keys;
    help->addSeparator();
    QAction* about = help->addAction(tr("&About kvrdesk"));
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &TMainForm::onAbout);
    m_actions[about->objectName()] = about;
}

void TMainForm::onAbout()
{
    TAboutForm about(m_home, this);
    about.exec();
}

void TMainForm::onKeyboardShortcuts()
{
    TShortcutsForm shortcuts(menuBar(), this);
    shortcuts.exec();
}

} // namespace kvrgui
