// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"
#include "graphics/painted_picture.h"
#include "graphics/palette_remap.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>

namespace kvr {

class PictureFiles;
class UserPrompt;

// What a painting is converted for: the texture's colour table and size, and the colour
// its transparent parts take unless the user picks another.
struct ConversionTarget {
    ColourTable palette{};
    int width = 0;
    int height = 0;
    std::uint8_t background = 0;
};

// One painting on its way into a texture, as the conversion window shows it: the options
// the user sets, and the converted picture they give. Made ready once (the palette's
// lookups, each pixel's colour spaces, the result without dithering), so that every
// change of an option costs only the conversion itself.
class PictureConversion {
  public:
    PictureConversion(PaintedPicture painting, const ConversionTarget& target);

    const PaintedPicture& painting() const { return m_painting; }
    const ConversionTarget& target() const { return m_target; }
    bool sameSize() const { return m_painting.width == m_target.width && m_painting.height == m_target.height; }
    // Of the target's size and every pixel opaque and exactly a colour of the palette:
    // it goes in as it is, pixel numbers and all, with no question.
    bool exact() const { return m_exact; }
    bool hasTransparency() const { return m_transparent; }

    const RemapOptions& options() const { return m_options; }
    void setOptions(const RemapOptions& options);
    bool scaled() const { return m_scaled; }
    // Scaling smoothly to the target's size first; only a painting of another size scales.
    void setScaled(bool scaled);

    // Whether the result fits the texture: painted at its size, or scaled to it.
    bool ready() const { return sameSize() || m_scaled; }
    // Why it does not, naming both sizes; empty when it does.
    Message sizeProblem() const;
    // What is converted: the painting, or the painting scaled to the target's size.
    const PaintedPicture& source() const { return m_scaled && !sameSize() ? m_scaledPainting : m_painting; }
    // The conversion of source() with the options; none while the result does not fit.
    const RemapResult* result() const { return ready() ? &m_result : nullptr; }

  private:
    const PaletteRemap& remap() const { return m_scaled && !sameSize() ? *m_scaledRemap : *m_remap; }
    void update();
    const RemapResult& plain();

    PaintedPicture m_painting;
    PaintedPicture m_scaledPainting;
    ConversionTarget m_target;
    std::shared_ptr<const PaletteMatcher> m_matcher;
    std::unique_ptr<PaletteRemap> m_remap;
    std::unique_ptr<PaletteRemap> m_scaledRemap;
    RemapOptions m_options;
    bool m_scaled = false;
    bool m_exact = false;
    bool m_transparent = false;
    // Results without dithering, by (scaled, background): the window shows one at once,
    // and the user goes back to it often.
    std::map<std::pair<bool, std::uint8_t>, RemapResult> m_plain;
    RemapResult m_result;
};

// The palette entry most common on the picture's edge (rows of `stride` bytes): the
// colour a texture shows around its painting. 0 for an empty picture.
std::uint8_t edgeColour(std::span<const std::uint8_t> pixels, int width, int height, std::size_t stride);

// The picture in `file` in the target's palette and size: as it is when exact(), else converted as the user chooses in
// the conversion window. None when the user cancels. Throws GeneralError when the file cannot be read or the chosen
// result does not fit.
std::optional<IndexedPicture> pictureForTexture(UserPrompt& prompt, const PictureFiles& files,
                                                const std::filesystem::path& file, const ConversionTarget& target);
// The same for a painting read already from `file`.
std::optional<IndexedPicture> pictureForTexture(UserPrompt& prompt, PictureConversion& conversion,
                                                const std::filesystem::path& file);

} // namespace kvr
