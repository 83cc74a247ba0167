// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/record_document.h"

#include "core/settings_session.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>

namespace kvrgui {

namespace {

void copyTrackData(const kvr::SettingsRecord& from, kvr::SettingsRecord& to)
{
    const auto first = from.bytes().begin() + std::ptrdiff_t(kvr::rec::kTrackData);
    std::copy(first, first + kvr::rec::kTracks * kvr::rec::kTrackRecordSize,
              to.bytes().begin() + std::ptrdiff_t(kvr::rec::kTrackData));
}

} // namespace

// One step: the whole state before and after (2846 bytes each way).
class RecordChange : public QUndoCommand {
  public:
    static constexpr int kId = 0x4B56;

    RecordChange(RecordDocument& document, const QString& what, const RecordState& before, const RecordState& after,
                 const void* mergeKey)
        : QUndoCommand(what), m_document(document), m_before(before), m_after(after), m_mergeKey(mergeKey)
    {
    }

    int id() const override { return m_mergeKey ? kId : -1; }
    void undo() override { m_document.apply(m_before); }
    void redo() override
    {
        // The change is already in the record when the step is pushed.
        if (m_applied)
            m_document.apply(m_after);
        m_applied = true;
    }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const RecordChange*>(other);
        if (m_closed || next->m_mergeKey != m_mergeKey)
            return false;
        m_after = next->m_after;
        // Typed back to where it started: no step at all.
        setObsolete(m_after == m_before);
        return true;
    }
    void close() { m_closed = true; }
    RecordState& before() { return m_before; }
    RecordState& after() { return m_after; }

  private:
    RecordDocument& m_document;
    RecordState m_before;
    RecordState m_after;
    const void* m_mergeKey;
    bool m_applied = false;
    bool m_closed = false;
};

namespace {

RecordChange* stepAt(const QUndoStack& stack, int index)
{
    return const_cast<RecordChange*>(dynamic_cast<const RecordChange*>(stack.command(index)));
}

} // namespace

RecordDocument::RecordDocument(QObject* parent) : QObject(parent), m_undo(new QUndoStack(this))
{
    hold(m_origin, m_record);
    m_title = title();
}

RecordDocument::~RecordDocument()
{
    m_undo->clear();
}

QList<QAction*> RecordDocument::createEditActions(QObject* parent) const
{
    QAction* undo = m_undo->createUndoAction(parent, undoCaption());
    QAction* redo = m_undo->createRedoAction(parent, redoCaption());
    giveEditKeys(undo, redo);
    return {undo, redo};
}

QString RecordDocument::undoCaption()
{
    return tr("&Undo");
}

QString RecordDocument::redoCaption()
{
    return tr("&Redo");
}

void RecordDocument::giveEditKeys(QAction* undo, QAction* redo)
{
    undo->setShortcuts(QKeySequence::Undo);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // Their texts name the change to undo; the list of shortcuts names the action.
    undo->setProperty(kActionName, undoCaption());
    redo->setProperty(kActionName, redoCaption());
}

void RecordDocument::change(const QString& what, const std::function<void(kvr::SettingsRecord&)>& edit,
                            const void* mergeKey)
{
    const RecordState before = current();
    try {
        edit(m_record);
    } catch (...) {
        m_record = before.record;
        throw;
    }
    push(before, what, mergeKey);
}

void RecordDocument::changeWithTrackData(const QString& what,
                                         const std::function<void(kvr::SettingsRecord&, bool& trackDataKnown)>& edit)
{
    RecordState before = current();
    bool known = m_trackDataKnown;
    try {
        edit(m_record, known);
    } catch (...) {
        m_record = before.record;
        throw;
    }
    if (!before.trackDataKnown && known)
        fillTrackData(m_record, before);
    m_trackDataKnown = known;
    push(before, what, nullptr);
}

void RecordDocument::push(const RecordState& before, const QString& what, const void* mergeKey)
{
    if (m_record != before.record) {
        m_undo->push(new RecordChange(*this, what, before, current(), mergeKey));
        emit recordChanged();
    }
    showStatus();
}

void RecordDocument::endMerge()
{
    if (m_undo->index() > 0)
        if (RecordChange* last = stepAt(*m_undo, m_undo->index() - 1))
            last->close();
}

void RecordDocument::reset(const kvr::SettingsRecord& record)
{
    m_undo->clear();
    m_record = record;
    m_trackDataKnown = false;
    m_origin = RecordOrigin::game();
    m_held.clear();
    hold(m_origin, m_record);
    emit recordChanged();
    showStatus();
}

void RecordDocument::forPresentInHistory(const std::function<void(RecordState&)>& change)
{
    const int at = m_undo->index();
    if (RecordChange* done = at > 0 ? stepAt(*m_undo, at - 1) : nullptr)
        change(done->after());
    if (RecordChange* next = at < m_undo->count() ? stepAt(*m_undo, at) : nullptr)
        change(next->before());
}

void RecordDocument::fillTrackData(const kvr::SettingsRecord& read, RecordState& also)
{
    const auto fill = [&read](RecordState& state) {
        if (state.trackDataKnown)
            return;
        copyTrackData(read, state.record);
        state.trackDataKnown = true;
    };
    for (int i = 0; i < m_undo->count(); ++i) {
        if (RecordChange* step = stepAt(*m_undo, i)) {
            fill(step->before());
            fill(step->after());
        }
    }
    fill(also);
    // The game holds what was just read from it.
    for (auto& [origin, held] : m_held)
        if (origin.kind == RecordOrigin::Kind::Game)
            copyTrackData(read, held);
}

void RecordDocument::takeTrackData(const kvr::SettingsRecord& read)
{
    RecordState present = current();
    fillTrackData(read, present);
    if (present.record != m_record) {
        m_record = present.record;
        emit recordChanged();
    }
    m_trackDataKnown = true;
    showStatus();
}

void RecordDocument::setTrackDataKnown(bool known)
{
    m_trackDataKnown = known;
    forPresentInHistory([known](RecordState& s) { s.trackDataKnown = known; });
}

void RecordDocument::setOrigin(const RecordOrigin& origin)
{
    m_origin = origin;
    forPresentInHistory([&origin](RecordState& s) { s.origin = origin; });
    hold(origin, m_record);
    showStatus();
}

void RecordDocument::gameHoldsRecord()
{
    hold(RecordOrigin::game(), m_record);
    showStatus();
}

void RecordDocument::hold(const RecordOrigin& origin, const kvr::SettingsRecord& record)
{
    const auto it = std::ranges::find_if(m_held, [&origin](const auto& h) { return h.first == origin; });
    if (it != m_held.end())
        it->second = record;
    else
        m_held.emplace_back(origin, record);
}

bool RecordDocument::isModified() const
{
    const auto it = std::ranges::find_if(m_held, [this](const auto& h) { return h.first == m_origin; });
    return it == m_held.end() || it->second != m_record;
}

QString RecordDocument::title() const
{
    const QString program = QString::fromLatin1(kvr::SettingsSession::kTitle);
    switch (m_origin.kind) {
    case RecordOrigin::Kind::Game:
        break;
    case RecordOrigin::Kind::File:
        // The name as the file system spells it, not as a game text.
        return program + QStringLiteral("- ") + QFileInfo(m_origin.file).fileName();
    case RecordOrigin::Kind::OriginalSettings:
        // Not a file name: a Save from here asks for one.
        return program + tr("- original settings");
    }
    return program;
}

void RecordDocument::apply(const RecordState& state)
{
    m_record = state.record;
    m_trackDataKnown = state.trackDataKnown;
    m_origin = state.origin;
    emit recordChanged();
    showStatus();
}

void RecordDocument::showStatus()
{
    const bool modified = isModified();
    if (modified != m_modified) {
        m_modified = modified;
        emit modifiedChanged(modified);
    }
    const QString now = title();
    if (now != m_title) {
        m_title = now;
        emit titleChanged(now);
    }
}

} // namespace kvrgui
