// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings_record.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

class QAction;
class QUndoStack;

namespace kvrgui {

// Where the record came from: the game (the start-up load, an import of all data), a
// settings file, or the original settings.
struct RecordOrigin {
    enum class Kind { Game, File, OriginalSettings };
    Kind kind = Kind::Game;
    std::filesystem::path file;

    static RecordOrigin game() { return {}; }
    static RecordOrigin settingsFile(std::filesystem::path file) { return {Kind::File, std::move(file)}; }
    static RecordOrigin originalSettings() { return {Kind::OriginalSettings, {}}; }
    bool operator==(const RecordOrigin&) const = default;
};

// The record with what belongs to it: one place in the history.
struct RecordState {
    kvr::SettingsRecord record;
    bool trackDataKnown = false;
    RecordOrigin origin;
    bool operator==(const RecordState&) const = default;
};

// The one settings record the editor works on. Every change goes through change() and
// becomes one undo step; every window shows the record again when recordChanged() is
// emitted, so none keeps showing values it could write back. It knows where the record
// came from and whether it still matches it, for the title.
class RecordDocument : public QObject {
    Q_OBJECT
public:
    explicit RecordDocument(QObject* parent = nullptr);
    ~RecordDocument() override;

    const kvr::SettingsRecord& record() const { return m_record; }

    // Runs `edit` on the record. When the record differs afterwards, the change becomes
    // an undo step named `what` and recordChanged() is emitted. Consecutive changes with
    // the same non-null `mergeKey` (the typing in one box, the drag of one slider) merge
    // into one step until endMerge() is called.
    void change(const QString& what, const std::function<void(kvr::SettingsRecord&)>& edit,
                const void* mergeKey = nullptr);
    // A change that may read the track data from the game (an import, an export of all
    // data): `edit` gets the record and whether its track data is known, and may set it.
    // Reading track data that was unknown is no edit (see takeTrackData()).
    void changeWithTrackData(const QString& what,
                             const std::function<void(kvr::SettingsRecord&, bool& trackDataKnown)>& edit);
    // The next change starts a step of its own.
    void endMerge();

    // Replaces the whole record without an undo step: a game's values as the start-up
    // load read them, its track data unknown until said otherwise.
    void reset(const kvr::SettingsRecord& record);

    // The track data the game holds, read while the record's was unknown. It becomes the
    // track data of the record and of every state in the history that lacked it too, so
    // that no undo or redo brings back values nobody read; it is no undo step.
    void takeTrackData(const kvr::SettingsRecord& read);

    // The record's storage, for code bound to it that changes it in place (the settings
    // session); such changes run inside change().
    kvr::SettingsRecord& storage() { return m_record; }

    QUndoStack* undoStack() const { return m_undo; }

    // The record as it stands is what `origin` holds: just loaded, saved or restored, or
    // read whole from the game. The title names it from now on.
    void setOrigin(const RecordOrigin& origin);
    const RecordOrigin& origin() const { return m_origin; }
    // The game holds the record now: all of it was exported.
    void gameHoldsRecord();

    // Whether the record differs from what its origin holds.
    bool isModified() const;
    // The main window's title: the program's name and where the record came from.
    QString title() const;

    // The Edit menu's two actions, for a window's menu (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y).
    // Their texts name the change; the property kActionName holds the action's own name.
    QList<QAction*> createEditActions(QObject* parent) const;
    static constexpr const char* kActionName = "kvrActionName";
    // Their captions and keys, the same in every window, also where a window undoes a
    // history of its own.
    static QString undoCaption();
    static QString redoCaption();
    static void giveEditKeys(QAction* undo, QAction* redo);

    // Whether the track data in the record came from the game, a settings file or the
    // user, rather than being left unread. Setting it speaks of the record as it is now.
    bool trackDataKnown() const { return m_trackDataKnown; }
    void setTrackDataKnown(bool known);

  signals:
    void recordChanged();
    void modifiedChanged(bool modified);
    void titleChanged(const QString& title);

  private:
    friend class RecordChange;
    RecordState current() const { return {m_record, m_trackDataKnown, m_origin}; }
    void apply(const RecordState& state);
    void push(const RecordState& before, const QString& what, const void* mergeKey);
    // The copies of the present state in the history: the step that led here, the step
    // that would be redone.
    void forPresentInHistory(const std::function<void(RecordState&)>& change);
    void fillTrackData(const kvr::SettingsRecord& read, RecordState& also);
    void hold(const RecordOrigin& origin, const kvr::SettingsRecord& record);
    void showStatus();

    kvr::SettingsRecord m_record;
    bool m_trackDataKnown = false;
    RecordOrigin m_origin;
    // What each origin holds, as the editor last read or wrote it.
    std::vector<std::pair<RecordOrigin, kvr::SettingsRecord>> m_held;
    QUndoStack* m_undo;
    bool m_modified = false;
    QString m_title;
};

} // namespace kvrgui
