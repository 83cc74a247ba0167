// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/version.h"

#include "core/errors.h"
#include "core/game_file.h"
#include "core/positions.h"

#include <array>
#include <cstdio>

namespace kvr {

const std::string& versionName(int languageVersion)
{
    static const std::array<std::string, kLanguageVersions> kNames = {
        "English Version 1.0b",   "Deutsche Ausgabe 1.0b", "Versione Italiana 1.0b",  "Versi\xF3n en espa\xA5ol 1.0b",
        "Version francaise 1.0b", "English Ver.ion 1.0b",  "Nederlandse versie 1.0b",
    };
    return kNames.at(std::size_t(languageVersion));
}

int versionForByte(unsigned char byte)
{
    switch (byte) {
    case 'J':
        return 0;
    case 'o':
        return 1;
    case 'i':
        return 2;
    case 'E':
        return 3;
    case 'a':
        return 4;
    case 'e':
        return 6;
    default:
        return -1;
    }
}

std::uint8_t readVersionByte(GameFile& exe)
{
    exe.require(kVersionBytePosition, 1);
    exe.seek(kVersionBytePosition);
    return exe.readByte();
}

int detectVersion(GameFile& exe, int current)
{
    const int found = versionForByte(readVersionByte(exe));
    return found >= 0 ? found : current;
}

Message unknownVersionWarning(const std::filesystem::path& exe, std::uint8_t byte)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", unsigned(byte));
    std::string shown = hex;
    if (byte > 0x20 && byte < 0x7F)
        shown += std::string(" (\"") + char(byte) + "\")";
    return fillIn(KVR_TR_NOOP("Game files", "The version byte of %1 (at position %2) is %3, which names none of the "
                                            "game's language versions. The editor takes the game for the English "
                                            "version and reads and writes its values at the English version's "
                                            "positions."),
                  {exe.string(), std::to_string(kVersionBytePosition), shown});
}

} // namespace kvr
