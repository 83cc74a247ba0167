// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/des_window.h"
#include "app/ie_window.h"
#include "app/start_window.h"
#include "core/game_file.h"
#include "core/version.h"
#include "editors/jams/jam_window.h"
#include "widgets/prompt_qt.h"
#include "widgets/translation_qt.h"

#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace kvrgui {

namespace {

const QString kLanguageKey = QStringLiteral("language");

} // namespace

void TMainForm::buildLanguageMenu(QMenu* options)
{
    QMenu* menu = options->addMenu(tr("&Language"));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu);
    for (const Language& language : languages()) {
        const QString code = QString::fromLatin1(language.code);
        QAction* a = menu->addAction(QString::fromUtf8(language.name));
        a->setObjectName(code + QStringLiteral("LanguageAction"));
        a->setCheckable(true);
        a->setChecked(code == currentLanguage());
        group->addAction(a);
        // Rebuilding the menus deletes this action: the switch runs once it has returned.
        connect(a, &QAction::triggered, this, [this, code] {
            QMetaObject::invokeMethod(
                this, [this, code] { chooseLanguage(code); }, Qt::QueuedConnection);
        });
        m_actions[a->objectName()] = a;
    }
}

void TMainForm::chooseLanguage(const QString& code)
{
    m_settings.setValue(kLanguageKey, code);
    switchLanguage(code);
}

TStartForm* TMainForm::makeSplash()
{
    const QString remembered = m_settings.value(kLanguageKey).toString();
    if (!remembered.isEmpty())
        useLanguage(remembered);
    return new TStartForm;
}

void TMainForm::speakGameLanguageFirst()
{
    // The splash and everything made before the load speak the game's language too: a
    // version byte is all it takes. Whatever fails here, the load itself reports.
    if (!m_settings.value(kLanguageKey).toString().isEmpty())
        return;
    try {
        kvr::GameFile exe = kvr::GameFile::openToRead(m_context.executable());
        const QString code = languageOfGame(kvr::detectVersion(exe, 0));
        if (code == currentLanguage())
            return;
        switchLanguage(code);
    } catch (const std::exception&) {
        return;
    }
    const bool shown = m_splash->isVisible();
    delete m_splash;
    m_splash = new TStartForm;
    if (shown)
        m_splash->show();
}

void TMainForm::followGameLanguage()
{
    // A language the user chose stays; otherwise the editor speaks the game's.
    const QString remembered = m_settings.value(kLanguageKey).toString();
    switchLanguage(remembered.isEmpty() ? languageOfGame(m_context.version) : remembered);
}

void TMainForm::switchLanguage(const QString& code)
{
    // The windows are built in the current language already.
    if (code == currentLanguage())
        return;
    if (!useLanguage(code))
        useLanguage(QStringLiteral("en"));
    // The rebuilt window gives the keyboard back to the control that had it.
    const QWidget* focused = QApplication::focusWidget();
    const QString focusedName = focused && focused->window() == this ? focused->objectName() : QString();
    retranslate();
    QWidget* again = focusedName.isEmpty() ? nullptr : centralWidget()->findChild<QWidget*>(focusedName);
    if (again)
        again->setFocus(Qt::OtherFocusReason);
    else if (isVisible() && !centralWidget()->focusWidget())
        focusNextChild();
}

void TMainForm::retranslate()
{
    // Every text is made where its widget is built: the windows are built anew. The
    // record, its undo history and the helmet sheet live outside them and stay.
    for (const char* shared : {"undoAction", "redoAction"})
        if (const auto it = m_actions.find(QString::fromLatin1(shared)); it != m_actions.end())
            delete it->second;
    m_actions.clear();
    setMenuBar(new QMenuBar(this));
    buildMenus();
    const QString version = m_versionLabel->text().isEmpty() ? QString() : versionText();
    m_buttons.clear();
    buildButtons();
    m_versionLabel->setText(version);
    setFixedSize(m_clientSize.width(), m_clientSize.height() + menuBar()->sizeHint().height());
    setWindowTitle(m_document.title() + QStringLiteral("[*]"));

    if (m_des) {
        // A default the user never typed follows the language.
        if (!m_des->holdsDefault())
            m_descriptionForNewWindow = m_des->description();
        delete m_des;
        m_des = nullptr;
    }
    delete m_ie;
    m_ie = new TIEForm(m_services, this);
    m_ie->showChoices();
    for (auto it = m_editors.begin(); it != m_editors.end();) {
        // A painting not yet exported lives only in its window: that window stays as it is.
        const auto* jams = qobject_cast<TJamForm*>(it->second);
        if (jams && jams->jams().unexported()) {
            ++it;
            continue;
        }
        delete it->second;
        it = m_editors.erase(it);
    }
}

QString TMainForm::versionText() const
{
    return tr("KVR: ") + fromAnsi(kvr::versionName(m_context.version));
}

} // namespace kvrgui
