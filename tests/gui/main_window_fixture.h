// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/main_window.h"
#include "core/configuration.h"
#include "core/editor_home.h"
#include "game/demo_game.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

// What the main window's tests share: a home with the shipped data, a demo game in a
// temporary folder, and a way to see a modal window open.

namespace fs = std::filesystem;

inline std::vector<std::uint8_t> bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An editor home with the shipped data and an empty place for kvrdesk.set.
struct Setup {
    QTemporaryDir dir;
    kvr::EditorHome home;

    Setup()
    {
        home.stateDir = root() / "state";
        home.dataDir = root() / "DATA";
        fs::create_directories(home.stateDir);
        fs::copy(KVR_DATA_DIR, home.dataDir, fs::copy_options::recursive);
    }
    fs::path root() const { return fs::path(dir.path().toStdString()); }
    fs::path game() const { return root() / "game"; }

    void makeGame(int language = 0, bool textures = true)
    {
        kvr::makeDemoGame(game(), language, home.data("PLT.DAT"), textures ? home.data("DEMOJAMS") : fs::path());
    }
    void configure()
    {
        QVERIFY(kvr::writeConfiguration(home.configFile(), kvr::Configuration::forExecutable(game() / "KVR.EXE")));
    }
};

// The caption as the user reads it, without Qt's mark for unsaved changes.
inline QString caption(const kvrgui::TMainForm& form) { return form.windowTitle().remove(QStringLiteral("[*]")); }

// Counts the showings of a modal window and closes it again from its own event loop.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* window) : QObject(window) { window->installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            ++shown;
            QMetaObject::invokeMethod(watched, "reject", Qt::QueuedConnection);
        }
        return false;
    }
};

// Runs `inside` from the event loop of the first window that `matches` once it shows
// (a modal window opened by a button, or made inside the action), then closes it when
// it is still open.
class WhenShown : public QObject {
  public:
    WhenShown(std::function<bool(QObject*)> matches, std::function<void(QWidget*)> inside)
        : m_matches(std::move(matches)), m_inside(std::move(inside))
    {
        qApp->installEventFilter(this);
    }
    bool ran = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (ran || event->type() != QEvent::Show || !watched->isWidgetType() || !m_matches(watched))
            return false;
        ran = true;
        auto* window = static_cast<QWidget*>(watched);
        QMetaObject::invokeMethod(
            window,
            [this, window] {
                m_inside(window);
                if (window->isVisible())
                    window->close();
            },
            Qt::QueuedConnection);
        return false;
    }

  private:
    std::function<bool(QObject*)> m_matches;
    std::function<void(QWidget*)> m_inside;
};
