// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/palette_remap.h"

#include "core/errors.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace kvr {
namespace {

// Error goes whole to a neighbour painted within kSameArea of the pixel, none to one past
// kOtherArea: so it stays in the area it was made in and never smears over an edge.
constexpr float kSameArea = 0.05f;
constexpr float kOtherArea = 0.15f;

float shareAcross(const OkLab& from, const OkLab& to)
{
    const float d2 = squaredDistance(from, to);
    if (d2 <= kSameArea * kSameArea)
        return 1;
    if (d2 >= kOtherArea * kOtherArea)
        return 0;
    return (kOtherArea - std::sqrt(d2)) / (kOtherArea - kSameArea);
}

// The differences already worked out, by colour and entry: one slot each, the last one
// asked for kept.
class DifferenceCache {
  public:
    DifferenceCache() : m_keys(kSlots, ~0ull), m_values(kSlots) {}
    template <typename Work> float get(std::uint64_t key, Work work)
    {
        const std::size_t at = std::size_t((key * 0x9E3779B97F4A7C15ull) >> 52);
        if (m_keys[at] != key) {
            m_keys[at] = key;
            m_values[at] = work();
        }
        return m_values[at];
    }

  private:
    static constexpr std::size_t kSlots = 4096;
    std::vector<std::uint64_t> m_keys;
    std::vector<float> m_values;
};

bool sameColour(const ColourEntry& e, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return e.red == red && e.green == green && e.blue == blue;
}

std::uint32_t rgbKey(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | blue;
}

// A table of colours already looked up, for pictures with many pixels of one colour.
template <typename Value> class ColourMemo {
  public:
    // Room for `expected` colours, at most 65536 of them: past that it answers and forgets.
    explicit ColourMemo(std::size_t expected)
        : m_mask(std::bit_ceil(std::clamp<std::size_t>(2 * expected, 64, 1 << 17)) - 1), m_keys(m_mask + 1, kEmpty),
          m_values(m_mask + 1)
    {
    }
    // The slot of `key`, and whether it holds a value already.
    std::pair<Value*, bool> find(std::uint64_t key)
    {
        std::size_t at = std::size_t((key * 0x9E3779B97F4A7C15ull) >> 32) & m_mask;
        for (std::size_t probes = 0; probes <= m_mask; ++probes, at = (at + 1) & m_mask) {
            if (m_keys[at] == key)
                return {&m_values[at], true};
            if (m_keys[at] == kEmpty) {
                if (m_used * 2 > m_mask) // full enough: answer without keeping it
                    return {&m_spare, false};
                ++m_used;
                m_keys[at] = key;
                return {&m_values[at], false};
            }
        }
        return {&m_spare, false};
    }

  private:
    static constexpr std::uint64_t kEmpty = ~0ull;
    std::size_t m_mask;
    std::vector<std::uint64_t> m_keys;
    std::vector<Value> m_values;
    std::size_t m_used = 0;
    Value m_spare{};
};

OkLab operator+(const OkLab& x, const OkLab& y)
{
    return {x.L + y.L, x.a + y.a, x.b + y.b};
}

void addScaled(OkLab& to, const OkLab& e, float weight)
{
    to.L += e.L * weight;
    to.a += e.a * weight;
    to.b += e.b * weight;
}

} // namespace

PaletteRemap::PaletteRemap(const PaintedPicture& painting, const ColourTable& palette)
    : PaletteRemap(painting, std::make_shared<const PaletteMatcher>(palette))
{
}

PaletteRemap::PaletteRemap(const PaintedPicture& painting, std::shared_ptr<const PaletteMatcher> matcher)
    : m_matcher(std::move(matcher)), m_width(painting.width), m_height(painting.height)
{
    const std::size_t count = painting.pixelCount();
    if (painting.width < 1 || painting.height < 1 || painting.rgba.size() != 4 * count ||
        (painting.indexed() && painting.indices.size() != count))
        throw GeneralError(KVR_TR_NOOP("Pictures", "The picture holds no pixels"));
    const ColourTable& palette = m_matcher->palette();
    m_pixels.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* c = painting.pixel(i);
        Pixel& p = m_pixels[i];
        p.red = c[0];
        p.green = c[1];
        p.blue = c[2];
        const auto exact = m_matcher->exactIndex(c[0], c[1], c[2]);
        p.exact = exact ? std::int16_t(*exact) : std::int16_t(-1);
        p.lab = labFromSrgb(c[0], c[1], c[2]);
        p.okLab = okLabFromSrgb(c[0], c[1], c[2]);
        p.alpha = c[3];
        // An 8-bit picture keeps its own number where the palette has the same colour
        // there: a palette may hold one colour twice.
        if (painting.indexed()) {
            const std::uint8_t own = painting.indices[i];
            if (sameColour(palette[own], c[0], c[1], c[2]))
                p.exact = own;
        }
        if (p.alpha != 255)
            m_transparent = true;
        if (p.alpha != 255 || p.exact < 0)
            m_exact = false;
    }
}

PaletteRemap::Pixel PaletteRemap::shown(const Pixel& p, std::uint8_t background) const
{
    if (p.alpha == 255 || p.alpha == 0)
        return p;
    const ColourEntry& bg = m_matcher->palette()[background];
    const auto over = [&](std::uint8_t painted, std::uint8_t under) {
        return std::uint8_t((painted * p.alpha + under * (255 - p.alpha) + 127) / 255);
    };
    Pixel s;
    s.red = over(p.red, bg.red);
    s.green = over(p.green, bg.green);
    s.blue = over(p.blue, bg.blue);
    s.alpha = 255;
    const auto exact = m_matcher->exactIndex(s.red, s.green, s.blue);
    s.exact = exact ? std::int16_t(*exact) : std::int16_t(-1);
    s.lab = labFromSrgb(s.red, s.green, s.blue);
    s.okLab = okLabFromSrgb(s.red, s.green, s.blue);
    return s;
}

void PaletteRemap::convertPlain(const RemapOptions& options, std::vector<std::uint8_t>& out,
                                std::vector<float>& known) const
{
    struct Match {
        std::uint8_t index = 0;
        float difference = 0;
    };
    ColourMemo<Match> memo(m_pixels.size());
    known.assign(m_pixels.size(), -1.0f);
    for (std::size_t i = 0; i < m_pixels.size(); ++i) {
        const Pixel p = shown(m_pixels[i], options.background);
        if (p.alpha == 0) {
            out[i] = options.background;
        } else if (p.exact >= 0) {
            out[i] = std::uint8_t(p.exact);
        } else {
            auto [match, found] = memo.find(rgbKey(p.red, p.green, p.blue));
            if (!found) {
                double difference = 0;
                match->index = m_matcher->nearestDeltaE(p.lab, p.okLab, &difference);
                match->difference = float(difference);
            }
            out[i] = match->index;
            known[i] = match->difference;
        }
    }
}

void PaletteRemap::convertDiffused(const RemapOptions& options, std::vector<std::uint8_t>& out) const
{
    const float strength = std::clamp(options.strength, 0.0f, 1.0f);
    const std::size_t w = std::size_t(m_width);
    // One slot of room at each end.
    std::vector<OkLab> here(w + 2), below(w + 2);
    for (std::size_t y = 0; y < std::size_t(m_height); ++y) {
        const bool rightwards = y % 2 == 0;
        const std::ptrdiff_t ahead = rightwards ? 1 : -1;
        std::fill(below.begin(), below.end(), OkLab{});
        for (std::size_t step = 0; step < w; ++step) {
            const std::size_t x = rightwards ? step : w - 1 - step;
            const std::size_t i = y * w + x;
            const Pixel p = shown(m_pixels[i], options.background);
            if (p.alpha == 0) {
                out[i] = options.background;
                continue;
            }
            if (p.exact >= 0) {
                out[i] = std::uint8_t(p.exact);
                continue;
            }
            const std::size_t slot = x + 1;
            const OkLab wanted = PaletteMatcher::clampToGamutBox(p.okLab + here[slot]);
            const std::uint8_t index = m_matcher->nearest(wanted);
            out[i] = index;
            const OkLab& got = m_matcher->okLab(index);
            // Bounded, as the colour with its error is kept inside the box of sRGB's colours.
            const OkLab error = {(wanted.L - got.L) * strength, (wanted.a - got.a) * strength,
                                 (wanted.b - got.b) * strength};
            const auto hand = [&](std::vector<OkLab>& row, std::ptrdiff_t dx, std::size_t dy, float weight) {
                const std::ptrdiff_t nx = std::ptrdiff_t(x) + dx;
                if (nx < 0 || nx >= std::ptrdiff_t(w) || y + dy >= std::size_t(m_height))
                    return;
                const OkLab& there = m_pixels[(y + dy) * w + std::size_t(nx)].okLab;
                addScaled(row[std::size_t(nx + 1)], error, weight * shareAcross(p.okLab, there));
            };
            hand(here, ahead, 0, 7.0f / 16);
            hand(below, -ahead, 1, 3.0f / 16);
            hand(below, 0, 1, 5.0f / 16);
            hand(below, ahead, 1, 1.0f / 16);
        }
        std::swap(here, below);
    }
}

RemapFigures PaletteRemap::measure(const std::vector<std::uint8_t>& out, std::uint8_t background,
                                   const std::vector<float>& known) const
{
    RemapFigures f;
    double sum = 0;
    DifferenceCache cache;
    const ColourTable& palette = m_matcher->palette();
    for (std::size_t i = 0; i < m_pixels.size(); ++i) {
        const Pixel p = shown(m_pixels[i], background);
        if (p.alpha == 0) {
            ++f.transparent;
            continue;
        }
        ++f.pixels;
        if (sameColour(palette[out[i]], p.red, p.green, p.blue))
            continue;
        ++f.changed;
        const float e = !known.empty() && known[i] >= 0
                            ? known[i]
                            : cache.get(std::uint64_t(rgbKey(p.red, p.green, p.blue)) << 8 | out[i],
                                        [&] { return float(deltaE2000(p.lab, m_matcher->lab(out[i]))); });
        sum += e;
        f.largestDeltaE = std::max(f.largestDeltaE, double(e));
    }
    f.meanDeltaE = f.pixels > 0 ? sum / double(f.pixels) : 0.0;
    return f;
}

RemapResult PaletteRemap::convert(const RemapOptions& options) const
{
    std::vector<std::uint8_t> out(m_pixels.size());
    std::vector<float> known;
    if (options.dithering == Dithering::None)
        convertPlain(options, out, known);
    else
        convertDiffused(options, out);
    RemapResult r;
    r.picture = IndexedPicture(m_width, m_height);
    r.picture.colours = m_matcher->palette();
    for (std::size_t y = 0; y < std::size_t(m_height); ++y)
        std::copy_n(out.begin() + std::ptrdiff_t(y * std::size_t(m_width)), m_width,
                    r.picture.pixels.begin() + std::ptrdiff_t(y * r.picture.stride));
    r.figures = measure(out, options.background, known);
    return r;
}

} // namespace kvr
