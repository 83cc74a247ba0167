#include "core/version.h"

#include "core/errors.h"
#include "core/game_file.h"
#include "core/positions.h"

#include <array>

namespace kvr {

const std::string& versionName(int languageVersion)
{
    static const std::array<std::string, kLanguageVersions> kNames = {
        "English Version 1.0b",
        "Deutsche Ausgabe 1.0b",
        "Versione Italiana 1.0b",
        "Versi\xF3n en espa\xA5ol 1.0b",
        "Version francaise 1.0b",
        "English Ver.ion 1.0b",
        "Nederlandse versie 1.0b",
    };
    return kNames.at(std::size_t(languageVersion));
}

int versionForByte(unsigned char byte)
{
    switch (byte) {
    case 'J': return 0;
    case 'o': return 1;
    case 'i': return 2;
    case 'E': return 3;
    case 'a': return 4;
    case 'e': return 6;
    default: return -1;
    }
}

int detectVersion(GameFile& exe, int current)
{
    if (exe.size() <= kVersionBytePosition)
        throw GeneralError(
            fillIn(KVR_TR_NOOP("Game files", "Read beyond end of file: %1 is too short to be the game's executable."),
                   {exe.path().string()}));
    exe.seek(kVersionBytePosition);
    const int found = versionForByte(exe.readByte());
    return found >= 0 ? found : current;
}

} // namespace kvr
