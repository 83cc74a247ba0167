// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kvr {

// One value an export or a patch would change.
struct ValueChange {
    std::string name;   // as in the JSON form: "engine_power.qualifying[2]"
    std::string label;  // as the editors call it: "Team 3 engine, qualifying"
    std::string before; // in the game (the settings) now
    std::string after;  // in the record (after the patch)
    std::string unit;

    // "Team 3 engine, qualifying: 650 → 700 BHP"
    std::string line() const;
};

} // namespace kvr
