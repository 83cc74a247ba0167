// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/picture_conversion.h"

#include "core/errors.h"
#include "core/tr_marker.h"
#include "core/user_prompt.h"
#include "graphics/picture_files.h"

#include <algorithm>
#include <array>

namespace kvr {

PictureConversion::PictureConversion(PaintedPicture painting, const ConversionTarget& target)
    : m_painting(std::move(painting)), m_target(target),
      m_matcher(std::make_shared<const PaletteMatcher>(target.palette))
{
    if (target.width < 1 || target.height < 1)
        throw GeneralError(KVR_TR_NOOP("Pictures", "The picture holds no pixels"));
    m_options.background = target.background;
    for (std::size_t i = 0; i < m_painting.pixelCount() && !m_transparent; ++i)
        m_transparent = m_painting.pixel(i)[3] != 255;
    if (sameSize()) {
        m_remap = std::make_unique<PaletteRemap>(m_painting, m_matcher);
        m_exact = m_remap->exact();
    }
    update();
    if (ready() && !m_exact)
        plain();
}

void PictureConversion::setOptions(const RemapOptions& options)
{
    m_options = options;
    m_options.strength = std::clamp(m_options.strength, 0.0f, 1.0f);
    update();
}

void PictureConversion::setScaled(bool scaled)
{
    if (sameSize() || scaled == m_scaled)
        return;
    m_scaled = scaled;
    if (m_scaled && !m_scaledRemap) {
        m_scaledPainting = scalePicture(m_painting, m_target.width, m_target.height);
        m_scaledRemap = std::make_unique<PaletteRemap>(m_scaledPainting, m_matcher);
    }
    update();
}

void PictureConversion::update()
{
    if (!ready())
        return;
    // Diffusion at strength 0 is not the same: it takes the nearest in Oklab, as remap does.
    if (m_options.dithering == Dithering::Diffuse) {
        m_result = remap().convert(m_options);
        return;
    }
    m_result = plain();
}

const RemapResult& PictureConversion::plain()
{
    // The nearest colours without dithering, kept once worked out.
    const auto key = std::pair{m_scaled, m_options.background};
    auto found = m_plain.find(key);
    if (found == m_plain.end())
        found = m_plain.emplace(key, remap().convert({Dithering::None, 0, m_options.background})).first;
    return found->second;
}

Message PictureConversion::sizeProblem() const
{
    if (ready())
        return {};
    return fillIn(KVR_TR_NOOP("Pictures", "The picture has %1 x %2 pixels, the texture %3 x %4: tick \"Scale to "
                                          "%3 x %4\" to scale it to the texture's size."),
                  {std::to_string(m_painting.width), std::to_string(m_painting.height), std::to_string(m_target.width),
                   std::to_string(m_target.height)});
}

std::uint8_t edgeColour(std::span<const std::uint8_t> pixels, int width, int height, std::size_t stride)
{
    if (width < 1 || height < 1 || pixels.size() < std::size_t(height - 1) * stride + std::size_t(width))
        return 0;
    std::array<std::size_t, kColourCount> count{};
    const auto at = [&](int x, int y) { return pixels[std::size_t(y) * stride + std::size_t(x)]; };
    for (int x = 0; x < width; ++x) {
        ++count[at(x, 0)];
        ++count[at(x, height - 1)];
    }
    for (int y = 0; y < height; ++y) {
        ++count[at(0, y)];
        ++count[at(width - 1, y)];
    }
    return std::uint8_t(std::max_element(count.begin(), count.end()) - count.begin());
}

std::optional<IndexedPicture> pictureForTexture(UserPrompt& prompt, const PictureFiles& files,
                                                const std::filesystem::path& file, const ConversionTarget& target)
{
    PictureConversion conversion(files.read(file), target);
    return pictureForTexture(prompt, conversion, file);
}

std::optional<IndexedPicture> pictureForTexture(UserPrompt& prompt, PictureConversion& conversion,
                                                const std::filesystem::path& file)
{
    if (!conversion.exact() && !prompt.convertPicture(conversion))
        return std::nullopt;
    const RemapResult* result = conversion.result();
    if (!result)
        throw GeneralError(
            fillIn(KVR_TR_NOOP("Pictures", "\"%1\" cannot be used. %2"), {file.string(), conversion.sizeProblem()}));
    return result->picture;
}

} // namespace kvr
