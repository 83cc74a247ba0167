// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <string>

namespace kvr {

// One value an export or a patch would change.
struct ValueChange {
    std::string name; // as in the JSON form: "engine_power.qualifying[2]"
    Message label;    // numbered, as the command line says it: "Team 3 engine, qualifying"
    Message before;   // in the game (the settings) now
    Message after;    // in the record (after the patch)
    Message unit;
    Message named;    // as the windows call it: "Halvex-Mordane V8, qualifying"

    // "Team 3 engine, qualifying: 650 → 700 BHP"
    Message line() const;
    // "Halvex-Mordane V8, qualifying: 650 → 700 BHP"
    Message namedLine() const;
};

} // namespace kvr
