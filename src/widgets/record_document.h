#pragma once

#include "core/settings_record.h"

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QUndoStack;

namespace kvrgui {

// The one settings record the editor works on. Every change goes through change() and
// becomes one undo step; every window shows the record again when recordChanged() is
// emitted, so none keeps showing values it could write back.
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
    void changeWithTrackData(const QString& what,
                             const std::function<void(kvr::SettingsRecord&, bool& trackDataKnown)>& edit);
    // The next change starts a step of its own.
    void endMerge();

    // Replaces the whole record without an undo step (the start-up load, a new game).
    void reset(const kvr::SettingsRecord& record);

    // The record's storage, for code bound to it that changes it in place (the settings
    // session); such changes run inside change().
    kvr::SettingsRecord& storage() { return m_record; }

    QUndoStack* undoStack() const { return m_undo; }

    // Whether the record differs from what was last loaded, saved, imported or exported.
    bool isModified() const;
    // The record now matches a file: loaded, saved, imported or exported.
    void markClean();

    // The Edit menu's two actions, for a window's menu (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y).
    QList<QAction*> createEditActions(QObject* parent) const;

    // Whether the track data in the record came from the game, a settings file or the
    // user, rather than being left unread.
    bool trackDataKnown() const { return m_trackDataKnown; }
    void setTrackDataKnown(bool known) { m_trackDataKnown = known; }

signals:
    void recordChanged();
    void modifiedChanged(bool modified);

private:
    friend class RecordChange;
    void apply(const kvr::SettingsRecord& record);

    kvr::SettingsRecord m_record;
    QUndoStack* m_undo;
    bool m_trackDataKnown = false;
};

} // namespace kvrgui
