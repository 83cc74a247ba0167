// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/value_change.h"

#include "core/tr_marker.h"

namespace kvr {
namespace {

Message lineOf(const Message& label, const ValueChange& c)
{
    if (c.unit.empty())
        return fillIn(KVR_TR_NOOP("Values", "%1: %2 \u2192 %3"), {label, c.before, c.after});
    return fillIn(KVR_TR_NOOP("Values", "%1: %2 \u2192 %3 %4"), {label, c.before, c.after, c.unit});
}

} // namespace

Message ValueChange::line() const { return lineOf(label, *this); }

Message ValueChange::namedLine() const { return lineOf(named.empty() ? label : named, *this); }

} // namespace kvr
