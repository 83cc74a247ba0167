// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kvr {

// How an installation ended; every case has been told to the user already.
enum class InstallOutcome {
    Installed,      // done, the final message shown
    Cancelled,      // the user cancelled a dialog: nothing changed
    NotEnoughSpace, // too little free space on the game's drive: nothing changed
    BadSource,      // an add-on file is missing or unusable: nothing changed
    CopyFailed,     // a game file could not be written: nothing changed, or (car set) some files
};

} // namespace kvr
