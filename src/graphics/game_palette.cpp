// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/game_palette.h"

#include "core/editor_home.h"
#include "core/errors.h"
#include "core/input_file.h"
#include "core/tr_marker.h"
#include "core/user_prompt.h"

#include <algorithm>
#include <vector>

namespace kvr {
namespace {

constexpr std::size_t kRed = 0;
constexpr std::size_t kGreen = 1;
constexpr std::size_t kBlue = 2;
// Nothing past the header and 256 colours is ever looked at.
constexpr std::size_t kUsefulBytes = kPaletteHeaderSize + kColourCount * kPaletteEntrySize;

} // namespace

void loadGamePaletteBytes(std::span<const std::uint8_t> bytes, GamePalette& palette)
{
    if (bytes.size() < kPaletteHeaderSize + kPaletteEntrySize)
        throw GeneralError(KVR_TR_NOOP("Pictures", "it holds no colour"));
    const auto body = bytes.subspan(kPaletteHeaderSize);
    const std::size_t count = std::min<std::size_t>(body.size() / kPaletteEntrySize, kColourCount);
    for (std::size_t n = 0; n < count; ++n) {
        const auto e = body.subspan(n * kPaletteEntrySize, kPaletteEntrySize);
        palette.entries[n] = rgb(e[kRed], e[kGreen], e[kBlue]);
    }
    palette.loaded = true;
}

void loadGamePalette(const std::filesystem::path& file, GamePalette& palette)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readInputFile(file, kUsefulBytes, Longer::Cut);
    } catch (const InputFileError& e) {
        throw GeneralError(fillIn(e.cannotOpen() ? KVR_TR_NOOP("Pictures", "The game palette %1 cannot be opened: %2")
                                                 : KVR_TR_NOOP("Pictures", "The game palette %1 cannot be read: %2"),
                                  {file.string(), messageOf(e)}));
    }
    try {
        loadGamePaletteBytes(bytes, palette);
    } catch (const GeneralError& e) {
        throw GeneralError(
            fillIn(KVR_TR_NOOP("Pictures", "The game palette %1 is not usable: %2"), {file.string(), messageOf(e)}));
    }
}

Message gamePaletteWarning(const Message& reason)
{
    return fillIn(
        KVR_TR_NOOP("Pictures", "%1. The colour editors will mark colours using their pictures' own colours."),
        {reason});
}

GamePalette readGamePaletteAtStart(const EditorHome& home, UserPrompt& prompt)
{
    GamePalette palette;
    try {
        loadGamePalette(home.data(kGamePaletteFile), palette);
    } catch (const GeneralError& e) {
        prompt.warn(gamePaletteWarning(messageOf(e)));
    }
    return palette;
}

const ColourTable& markerColours(const GamePalette& palette, const ColourTable& pictureColours)
{
    return palette.loaded ? palette.entries : pictureColours;
}

} // namespace kvr
