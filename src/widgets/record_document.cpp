#include "widgets/record_document.h"

#include <QAction>
#include <QKeySequence>
#include <QUndoCommand>
#include <QUndoStack>

namespace kvrgui {

// One step: the whole record before and after (2846 bytes each way).
class RecordChange : public QUndoCommand {
public:
    static constexpr int kId = 0x4B56;

    RecordChange(RecordDocument& document, const QString& what, const kvr::SettingsRecord& before,
                 const kvr::SettingsRecord& after, const void* mergeKey)
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

private:
    RecordDocument& m_document;
    kvr::SettingsRecord m_before;
    kvr::SettingsRecord m_after;
    const void* m_mergeKey;
    bool m_applied = false;
    bool m_closed = false;
};

RecordDocument::RecordDocument(QObject* parent) : QObject(parent), m_undo(new QUndoStack(this))
{
    connect(m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

bool RecordDocument::isModified() const { return !m_undo->isClean(); }

void RecordDocument::markClean() { m_undo->setClean(); }

QList<QAction*> RecordDocument::createEditActions(QObject* parent) const
{
    QAction* undo = m_undo->createUndoAction(parent, QStringLiteral("&Undo"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = m_undo->createRedoAction(parent, QStringLiteral("&Redo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    return {undo, redo};
}

RecordDocument::~RecordDocument() { m_undo->clear(); }

void RecordDocument::change(const QString& what, const std::function<void(kvr::SettingsRecord&)>& edit,
                            const void* mergeKey)
{
    const kvr::SettingsRecord before = m_record;
    try {
        edit(m_record);
    } catch (...) {
        m_record = before;
        throw;
    }
    if (m_record == before)
        return;
    m_undo->push(new RecordChange(*this, what, before, m_record, mergeKey));
    emit recordChanged();
}

void RecordDocument::changeWithTrackData(
    const QString& what, const std::function<void(kvr::SettingsRecord&, bool& trackDataKnown)>& edit)
{
    bool known = m_trackDataKnown;
    change(what, [&](kvr::SettingsRecord& r) { edit(r, known); });
    m_trackDataKnown = known;
}

void RecordDocument::endMerge()
{
    if (m_undo->index() > 0)
        if (auto* last = dynamic_cast<const RecordChange*>(m_undo->command(m_undo->index() - 1)))
            const_cast<RecordChange*>(last)->close();
}

void RecordDocument::reset(const kvr::SettingsRecord& record)
{
    m_undo->clear();
    m_record = record;
    emit recordChanged();
}

void RecordDocument::apply(const kvr::SettingsRecord& record)
{
    m_record = record;
    emit recordChanged();
}

} // namespace kvrgui
