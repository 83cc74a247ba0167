// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/des_window.h"
#include "app/editor_buttons.h"
#include "app/ie_window.h"
#include "app/mods_window.h"
#include "core/platform/path_text.h"
#include "core/settings_record.h"
#include "editors/track/track_data.h"
#include "widgets/menu_bar_focus.h"
#include "widgets/qt_paths.h"

#include <QFileInfo>
#include <QMenuBar>

namespace kvrgui {
namespace fs = std::filesystem;

namespace {

constexpr int kRecentFiles = 6;

} // namespace

void TMainForm::buildMenus()
{
    auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys, auto slot) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (!keys.isEmpty())
            a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        m_actions[a->objectName()] = a;
        return a;
    };
    showMenuBarFocus(menuBar());
    QMenu* file = menuBar()->addMenu(tr("&File"));
    add(file, "loadSettingsAction", tr("&Load settings"), QKeySequence(Qt::CTRL | Qt::Key_L),
        &TMainForm::onLoadSettings);
    file->addSeparator();
    add(file, "saveSettingsAction", tr("&Save settings"), QKeySequence(Qt::CTRL | Qt::Key_S),
        &TMainForm::onSaveSettings);
    add(file, "saveSettingsAsAction", tr("Save settings &As"), QKeySequence(), &TMainForm::onSaveSettingsAs);
    m_recentMenu = file->addMenu(tr("Recent settings &files"));
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    showRecentFiles();
    file->addSeparator();
    add(file, "restoreOriginalAction", tr("&Restore original settings"), QKeySequence(Qt::CTRL | Qt::Key_R),
        &TMainForm::onRestoreOriginalSettings);
    file->addSeparator();
    add(file, "saveChangesAsPatchAction", tr("Save changes as &patch..."), QKeySequence(),
        &TMainForm::onSaveChangesAsPatch);
    add(file, "applyPatchAction", tr("Appl&y patch..."), QKeySequence(), &TMainForm::onApplyPatch);
    file->addSeparator();
    add(file, "exitAction", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X), &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    const QList<QAction*> undoRedo = m_document.createEditActions(this);
    undoRedo[0]->setObjectName(QStringLiteral("undoAction"));
    undoRedo[1]->setObjectName(QStringLiteral("redoAction"));
    for (QAction* a : undoRedo) {
        edit->addAction(a);
        m_actions[a->objectName()] = a;
    }

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    add(options, "descriptionAction", tr("&Settings description"), QKeySequence(), &TMainForm::onSettingsDescription);
    add(options, "importExportAction", tr("&Import/Export"), QKeySequence(Qt::CTRL | Qt::Key_I),
        &TMainForm::onImportExport);
    QAction* mods = options->addAction(tr("&Mods..."));
    mods->setObjectName(QStringLiteral("modsAction"));
    connect(mods, &QAction::triggered, this, [this] {
        TModsForm form(m_services, this);
        form.exec();
    });
    m_actions[mods->objectName()] = mods;
    for (const EditorButton& e : editorButtons()) {
        if (e.column != 0)
            continue;
        const QString name = QLatin1String(e.name);
        QAction* a = options->addAction(tr(e.label));
        a->setObjectName(name + QStringLiteral("Action"));
        a->setEnabled(e.window != nullptr);
        connect(a, &QAction::triggered, this, [this, name] { openEditor(name); });
        m_actions[a->objectName()] = a;
    }
    options->addSeparator();
    const auto preview = [&](const char* name, const QString& text, bool EditorServices::*wanted, bool byDefault) {
        QAction* a = options->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        const QString key = QString::fromLatin1(name);
        m_services.*wanted = m_settings.value(key, byDefault).toBool();
        a->setChecked(m_services.*wanted);
        connect(a, &QAction::toggled, this, [this, wanted, key](bool on) {
            m_services.*wanted = on;
            m_settings.setValue(key, on);
        });
        m_actions[a->objectName()] = a;
    };
    preview("previewAllDataAction", tr("&Preview changes before Export all data"), &EditorServices::previewAllData,
            true);
    preview("previewEditorExportAction", tr("Preview changes before an &editor's export"),
            &EditorServices::previewEditorExport, false);
    options->addSeparator();
    buildLanguageMenu(options);
    options->addSeparator();
    add(options, "locateGameAction", tr("Locate the &game again..."), QKeySequence(), &TMainForm::onLocateGame);
    buildHelpMenu();
}

void TMainForm::onSaveSettings()
{
    saveSettings(false);
}

void TMainForm::onSaveSettingsAs()
{
    saveSettings(true);
}

void TMainForm::saveSettings(bool askForName)
{
    guarded([&] {
        // The description window's text is an edit of the record; the save itself is none,
        // and nor is the default description the user never typed, written in the language
        // of the moment.
        TDesForm* des = descriptionForm();
        const std::string description = des->holdsDefault() ? TDesForm::defaultDescription() : des->description();
        if (!des->holdsDefault())
            m_document.change(tr("Settings description"), [&](kvr::SettingsRecord& r) {
                r.setShortString(kvr::rec::kDescription, kvr::rec::kDescriptionChars, description);
            });
        // Save writes the file the record came from; from the game or the original
        // settings it asks for a name.
        const RecordOrigin& origin = m_document.origin();
        m_session.setCurrentName(origin.kind == RecordOrigin::Kind::File ? kvr::platform::pathText(origin.file) : std::string());
        if (askForName)
            m_session.saveAs(description);
        else
            m_session.save(description);
        if (m_session.wrote())
            settingsFileDone();
    });
}

void TMainForm::onLoadSettings()
{
    loadSettings([this] { return m_session.load(); });
}

void TMainForm::loadSettings(const std::function<std::optional<std::string>()>& load)
{
    guarded([&] {
        bool loaded = false;
        m_document.change(tr("Load settings"), [&](kvr::SettingsRecord&) { loaded = load().has_value(); });
        if (loaded) {
            // A loaded file carries its own track data, unless it was saved before any was read.
            m_document.setTrackDataKnown(kvr::holdsTrackData(m_document.record()));
            settingsFileDone();
        }
    });
    descriptionForm()->setDescription(m_session.description());
}

void TMainForm::settingsFileDone()
{
    m_document.setOrigin(RecordOrigin::settingsFile(kvr::platform::pathFromText(m_session.currentName())));
    QStringList files = m_settings.value(QStringLiteral("recentFiles")).toStringList();
    const QString file = fromPath(kvr::platform::pathFromText(m_session.currentName()));
    files.removeAll(file);
    files.prepend(file);
    while (files.size() > kRecentFiles)
        files.removeLast();
    m_settings.setValue(QStringLiteral("recentFiles"), files);
    showRecentFiles();
}

void TMainForm::showRecentFiles()
{
    m_recentMenu->clear();
    const QStringList files = m_settings.value(QStringLiteral("recentFiles")).toStringList();
    for (int i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        QAction* a = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(file).fileName()));
        a->setToolTip(file);
        connect(a, &QAction::triggered, this,
                [this, file] { loadSettings([this, file] { return m_session.loadFrom(toPath(file)); }); });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}

void TMainForm::onRestoreOriginalSettings()
{
    guarded([this] {
        // A restore that cannot read the original settings throws before anything changed.
        m_document.change(tr("Restore original settings"), [&](kvr::SettingsRecord&) { m_session.restoreOriginal(); });
        m_document.setTrackDataKnown(true);
        m_document.setOrigin(RecordOrigin::originalSettings());
    });
}

void TMainForm::onSettingsDescription()
{
    descriptionForm()->exec();
}

void TMainForm::onImportExport()
{
    m_ie->exec();
}

} // namespace kvrgui
