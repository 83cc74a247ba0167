// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mods_window.h"

#include "core/errors.h"
#include "core/platform/path_text.h"
#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "core/user_prompt.h"
#include "game/export_preview.h"
#include "game/mod_list.h"
#include "game/record_fields.h"
#include "game/record_patch.h"
#include "widgets/editor_services.h"
#include "widgets/record_document.h"
#include "widgets/translation_qt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace kvrgui {

namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QListWidget* listBox(const QString& spoken, const char* name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(spoken);
    return list;
}

} // namespace

TModsForm::TModsForm(EditorServices& services, QWidget* parent) : WindowFrame(services, tr("Mods"), parent)
{
    setObjectName(QStringLiteral("modsWindow"));
    auto* layout = new QVBoxLayout(this);
    auto* modsLabel = new QLabel(tr("&Mods on the game, the first put on first (a later one wins):"), this);
    m_mods = listBox(tr("Mods on the game"), "modList", this);
    m_mods->setMinimumSize(460, 160);
    modsLabel->setBuddy(m_mods);
    auto* aboutLabel = new QLabel(tr("&About the mod:"), this);
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("modDescription"));
    m_description->setAccessibleName(tr("About the mod"));
    m_description->setReadOnly(true);
    m_description->setTabChangesFocus(true);
    m_description->setMaximumHeight(90);
    aboutLabel->setBuddy(m_description);
    auto* conflictsLabel = new QLabel(tr("&Values more than one mod sets:"), this);
    m_conflicts = listBox(tr("Values more than one mod sets"), "conflictList", this);
    m_conflicts->setMinimumHeight(100);
    // A line names three values and two mods: it wraps rather than hide its end.
    m_conflicts->setWordWrap(true);
    m_conflicts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    conflictsLabel->setBuddy(m_conflicts);
    for (QWidget* w : {static_cast<QWidget*>(modsLabel), static_cast<QWidget*>(m_mods),
                       static_cast<QWidget*>(aboutLabel), static_cast<QWidget*>(m_description),
                       static_cast<QWidget*>(conflictsLabel), static_cast<QWidget*>(m_conflicts)})
        layout->addWidget(w);

    m_putOn = addButton(tr("&Put on..."), "putOnButton");
    m_takeOff = addButton(tr("&Take off"), "takeOffButton");
    m_up = addButton(tr("Move &up"), "moveUpButton");
    m_down = addButton(tr("Move &down"), "moveDownButton");
    m_up->setToolTip(tr("Alt+Up"));
    m_down->setToolTip(tr("Alt+Down"));
    layout->addLayout(buttonRow({m_putOn, m_takeOff, m_up, m_down}));

    connect(m_putOn, &QPushButton::clicked, this, &TModsForm::onPutOn);
    connect(m_takeOff, &QPushButton::clicked, this, &TModsForm::onTakeOff);
    connect(m_up, &QPushButton::clicked, this, [this] { onMove(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { onMove(1); });
    // From the list, where the keys belong; a button that is greyed does nothing.
    auto* up = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Up), this);
    auto* down = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), this);
    connect(up, &QShortcut::activated, m_up, [this] { m_up->isEnabled() ? m_up->click() : void(); });
    connect(down, &QShortcut::activated, m_down, [this] { m_down->isEnabled() ? m_down->click() : void(); });
    connect(m_mods, &QListWidget::currentRowChanged, this, &TModsForm::onModSelected);
}

void TModsForm::showState()
{
    const int row = m_select >= 0 ? m_select : m_mods->currentRow();
    m_select = -1;
    m_mods->clear();
    m_conflicts->clear();
    try {
        m_list = kvr::readGameMods(services().context.gameDir());
    } catch (const kvr::GeneralError& e) {
        // A list that cannot be trusted is shown as what it is; nothing may change it.
        m_list = {};
        m_description->setPlainText(translatedMessage(kvr::messageOf(e)));
        for (QPushButton* b : {m_putOn, m_takeOff, m_up, m_down})
            b->setEnabled(false);
        return;
    }
    m_putOn->setEnabled(true);
    for (std::size_t i = 0; i < m_list.mods.size(); ++i) {
        const kvr::ModEntry& m = m_list.mods[i];
        QString line = QStringLiteral("%1. %2").arg(i + 1).arg(text(m.name()));
        if (!m.patch.about.author.empty())
            line = tr("%1, by %2").arg(line, text(m.patch.about.author));
        m_mods->addItem(line);
    }
    if (m_list.mods.empty())
        m_conflicts->addItem(tr("No mods are on."));
    const kvr::FieldNames names = kvr::fieldNamesOf(services().context, services().document.record());
    for (const kvr::ModConflict& c : kvr::modConflicts(m_list)) {
        QStringList setBy;
        for (const auto& [m, value] : c.setBy)
            setBy << tr("%1 sets %2").arg(text(m_list.mods[m].name()), text(value));
        m_conflicts->addItem(
            tr("%1: %2; %3 holds")
                .arg(translatedMessage(kvr::modValueLabel(c.name, &names)), setBy.join(QStringLiteral(", ")),
                     text(m_list.mods[c.holds].name())));
    }
    if (!m_list.mods.empty())
        m_mods->setCurrentRow(std::clamp(row, 0, int(m_list.mods.size()) - 1));
    onModSelected();
}

void TModsForm::onModSelected()
{
    const int row = m_mods->currentRow();
    const bool chosen = row >= 0 && std::size_t(row) < m_list.mods.size();
    m_takeOff->setEnabled(chosen);
    m_up->setEnabled(chosen && row > 0);
    m_down->setEnabled(chosen && std::size_t(row) + 1 < m_list.mods.size());
    if (!chosen) {
        m_description->clear();
        return;
    }
    const kvr::ModEntry& m = m_list.mods[std::size_t(row)];
    QString about = tr("%1 (%2), values it sets: %3").arg(text(m.name()), text(m.file)).arg(m.patch.changes.size());
    if (!m.patch.about.description.empty())
        about += QStringLiteral("\n") + text(m.patch.about.description);
    m_description->setPlainText(about);
}

bool TModsForm::changeMods(const QString& what, const kvr::Message& action, const kvr::ModChange& change, bool preview)
{
    EditorServices& s = services();
    if (preview) {
        const kvr::ModPreview p = kvr::previewMods(s.context, change);
        std::vector<kvr::Message> lines;
        for (const kvr::ValueChange& c : p.changes)
            lines.push_back(c.namedLine());
        const kvr::Message heading = kvr::previewHeading({p.changes, false}, std::nullopt);
        if (!s.prompt.confirmList(heading, lines, action))
            return false;
    }
    const BusyCursor busy;
    const kvr::ModPlan plan = kvr::changeMods(s.context, s.prompt, change);
    // The values the game now holds from the mods, and nothing else the user edited.
    s.document.change(what, [&](kvr::SettingsRecord& r) {
        for (const std::size_t b : plan.rewritten)
            r.setByte(b, plan.record.byte(b));
    });
    std::vector<kvr::Message> notes = plan.leftOut;
    notes.insert(notes.end(), plan.unexpected.begin(), plan.unexpected.end());
    notes.insert(notes.end(), plan.kept.begin(), plan.kept.end());
    for (const kvr::Message& note : notes)
        s.prompt.inform(note);
    return true;
}

void TModsForm::onPutOn()
{
    guarded([this] {
        const auto file = services().prompt.chooseFile(
            kvr::FileRequest::forKind(kvr::FileRequest::Kind::Patch, kvr::FileRequest::Mode::Open,
                                      KVR_TR_NOOP("Messages", "Put on mod"),
                                      kvr::fileFilter(KVR_TR_NOOP("Messages", "Patches"), "*.kvpatch"), "kvpatch"));
        if (!file)
            return;
        kvr::ModEntry mod;
        try {
            mod = {file->filename().string(), kvr::readPatchFile(*file)};
        } catch (const kvr::PatchError& e) {
            throw kvr::GeneralError(
                kvr::fillIn(KVR_TR_NOOP("Messages", "The patch %1 cannot be put on; nothing was changed. %2"),
                            {kvr::platform::pathText(file->filename()), kvr::messageOf(e)}));
        }
        const kvr::ModChange change = [mod](const kvr::ModList& l, const kvr::SettingsRecord& g,
                                            const std::vector<bool>& held) {
            return kvr::putOnMods(l, g, held, {mod});
        };
        if (changeMods(tr("Put on %1").arg(text(mod.name())), KVR_TR_NOOP("Messages", "Put on"), change, true))
            m_select = int(m_list.mods.size()); // the new one, once shown
    });
}

void TModsForm::onTakeOff()
{
    const int row = m_mods->currentRow();
    if (row < 0)
        return;
    guarded([this, row] {
        const std::string name = m_list.mods[std::size_t(row)].name();
        changeMods(
            tr("Take off %1").arg(text(name)), KVR_TR_NOOP("Messages", "Take off"),
            [row, name](const kvr::ModList& l, const kvr::SettingsRecord& g, const std::vector<bool>&) {
                // By its place as the window showed it, if it is still the same mod.
                const std::size_t at = std::size_t(row) < l.mods.size() && l.mods[std::size_t(row)].name() == name
                                           ? std::size_t(row)
                                           : kvr::findMod(l, name);
                return kvr::takeOffMod(l, g, at);
            },
            services().previewAllData);
    });
}

void TModsForm::onMove(int by)
{
    const int row = m_mods->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || std::size_t(to) >= m_list.mods.size())
        return;
    guarded([this, row, to] {
        const std::string name = m_list.mods[std::size_t(row)].name();
        const bool moved = changeMods(
            to < row ? tr("Move up %1").arg(text(name)) : tr("Move down %1").arg(text(name)),
            KVR_TR_NOOP("Messages", "Move"),
            [name, to](const kvr::ModList& l, const kvr::SettingsRecord& g, const std::vector<bool>&) {
                return kvr::moveMod(l, g, kvr::findMod(l, name), std::size_t(to));
            },
            false);
        if (moved)
            m_select = to;
    });
}

} // namespace kvrgui
