// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

namespace kvr {

// What an Edit menu needs of a history it does not own: the names of the steps Undo and
// Redo would take (none when there is none), and the two moves.
class UndoSteps {
  public:
    virtual ~UndoSteps() = default;
    virtual const char* undoStep() const = 0;
    virtual const char* redoStep() const = 0;
    virtual void undo() = 0;
    virtual void redo() = 0;

  protected:
    UndoSteps() = default;
    UndoSteps(const UndoSteps&) = default;
    UndoSteps& operator=(const UndoSteps&) = default;
};

// Undo and redo over whole pictures (a helmet sheet, a painting): each step keeps the
// picture as it was on the other side of it. Pictures are held by value, so `Picture`
// must not share its pixels with the one the editor goes on changing. Past `limit` steps
// the oldest goes: a sheet is 46 KB, and a long session swaps many helmets.
template <class Picture> class PictureHistory {
  public:
    static constexpr std::size_t kDefaultLimit = 100;

    explicit PictureHistory(std::size_t limit = kDefaultLimit) : m_limit(limit) {}

    // A step named `name` turned `before` into `after`, the picture now: one step, the
    // steps undone before it gone. A step that changed nothing is none.
    void push(Picture before, const Picture& after, const char* name)
    {
        if (before == after)
            return;
        m_redo.clear();
        m_undo.push_back({std::move(before), name});
        if (m_undo.size() > m_limit)
            m_undo.pop_front();
    }

    const char* undoStep() const { return m_undo.empty() ? nullptr : m_undo.back().name; }
    const char* redoStep() const { return m_redo.empty() ? nullptr : m_redo.back().name; }

    // The picture before the last step; `present` is kept for redo. Without a step,
    // `present` itself.
    Picture undo(Picture present) { return move(m_undo, m_redo, std::move(present)); }
    // The picture after the step last undone; `present` is kept for undo.
    Picture redo(Picture present) { return move(m_redo, m_undo, std::move(present)); }

    void clear()
    {
        m_undo.clear();
        m_redo.clear();
    }

  private:
    struct Step {
        Picture picture;
        const char* name;
    };

    template <class From, class To> static Picture move(From& from, To& to, Picture present)
    {
        if (from.empty())
            return present;
        Step step = std::move(from.back());
        from.pop_back();
        to.push_back({std::move(present), step.name});
        return std::move(step.picture);
    }

    std::size_t m_limit;
    std::deque<Step> m_undo;
    std::vector<Step> m_redo;
};

} // namespace kvr
