// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/des_window.h"
#include "app/editor_buttons.h"
#include "app/ie_window.h"
#include "app/mods_window.h"
#include "app/start_window.h"
#include "core/errors.h"
#include "core/folder_lock.h"
#include "core/game_file.h"
#include "core/user_prompt.h"
#include "game/import_export.h"
#include "game/startup_load.h"
#include "game/track_files.h"
#include "graphics/picture_conversion.h"
#include "widgets/conversion_window.h"

#include <QApplication>
#include <QDir>

namespace kvrgui {

QDialog* TMainForm::editorWindow(const QString& buttonName)
{
    QString name = buttonName;
    name.remove(QStringLiteral("Button"));
    const EditorButton* e = editorButton(name);
    if (!e || !e->window)
        return nullptr;
    // No window sees the game half loaded.
    finishHelmetImport();
    auto it = m_editors.find(name);
    if (it == m_editors.end()) {
        QDialog* w = e->window(m_services, this);
        w->setObjectName(name + QStringLiteral("Window"));
        it = m_editors.emplace(name, w).first;
    }
    return it->second;
}

void TMainForm::openEditor(const QString& buttonName)
{
    QString name = buttonName;
    name.remove(QStringLiteral("Button"));
    const EditorButton* e = editorButton(name);
    QDialog* window = editorWindow(name);
    if (!e || !window)
        return;
    if (name == QLatin1String("tracks") && !enterTrackEditor())
        return;
    if (e->hidesMain)
        hide();
    window->exec();
    if (e->hidesMain && !m_exitCode)
        show();
}

bool TMainForm::enterTrackEditor()
{
    bool ready = false;
    guarded([&] {
        kvr::finishBeforeReading(m_context.gameDir());
        // It locks the game only to copy from the CD, after its questions.
        if (!kvr::tellTrackFiles(kvr::ensureTrackFiles(m_context.gameDir(), m_prompt), m_prompt))
            return;
        if (!m_document.trackDataKnown()) {
            // The game's own values, not an edit: no undo step, no change to the title.
            kvr::SettingsRecord read = m_document.record();
            kvr::GameFile exe = kvr::GameFile::open(m_context.executable());
            try {
                // Gone again since they were found: as if they had never been there.
                if (!kvr::readTrackFileBlocks(m_context, exe, read)) {
                    kvr::tellTrackFiles(kvr::TrackFiles::Missing, m_prompt);
                    return;
                }
            } catch (const kvr::FileAccessError& e) {
                m_prompt.warn(kvr::trackDataUnread(e));
                return;
            }
            m_document.takeTrackData(read);
        }
        ready = true;
    });
    return ready;
}

bool TMainForm::saveScreenshots(const QString& dir)
{
    bool saved = true;
    auto grab = [&](QWidget* w, const QString& name) {
        w->show();
        QApplication::processEvents();
        saved = w->grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))) && saved;
    };
    grab(m_splash, QStringLiteral("splash"));
    m_splash->hide();
    grab(this, QStringLiteral("main"));
    for (const EditorButton& e : editorButtons()) {
        const QString name = QLatin1String(e.name);
        if (QDialog* w = editorWindow(name)) {
            grab(w, name);
            w->hide();
        }
    }
    {
        // A livery as a paint program saves it: true colour, soft shading, a hard stripe,
        // a transparent corner, and not the texture's size.
        kvr::PaintedPicture livery;
        livery.width = 320;
        livery.height = 205;
        for (int y = 0; y < livery.height; ++y)
            for (int x = 0; x < livery.width; ++x) {
                const bool stripe = (x + 2 * y) % 90 < 14;
                const int shade = 60 * y / livery.height;
                livery.rgba.insert(livery.rgba.end(),
                                   {std::uint8_t(stripe ? 235 : 30 + 150 * x / livery.width - shade / 2),
                                    std::uint8_t(stripe ? 200 : 70 + shade), std::uint8_t(stripe ? 40 : 190 - shade),
                                    std::uint8_t(x < 40 && y < 30 ? 0 : 255)});
            }
        kvr::PictureConversion conversion(livery, {m_palette.entries, 256, 164, 0});
        conversion.setScaled(true);
        ConversionWindow window(m_prompt, conversion, this);
        grab(&window, QStringLiteral("conversion"));
        window.hide();
    }
    {
        TModsForm mods(m_services, this);
        grab(&mods, QStringLiteral("mods"));
        mods.hide();
    }
    grab(m_ie, QStringLiteral("importExport"));
    m_ie->hide();
    grab(descriptionForm(), QStringLiteral("description"));
    m_des->hide();
    return saved;
}

} // namespace kvrgui
