// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/value_change.h"

namespace kvr {

std::string ValueChange::line() const
{
    return label + ": " + before + " \u2192 " + after + (unit.empty() ? "" : " " + unit);
}

} // namespace kvr
