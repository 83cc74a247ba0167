#include "graphics/palette_matcher.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace kvr {
namespace {

// How many Oklab neighbours CIEDE2000 chooses from.
constexpr int kCandidates = 4;

// The box around sRGB's colours in Oklab, and the grid laid over it.
constexpr float kBoxLow[3] = {0.0f, -0.24f, -0.32f};
constexpr float kBoxHigh[3] = {1.0f, 0.28f, 0.20f};
constexpr int kCells[3] = {20, 12, 12};

float cellSize(int axis)
{
    return (kBoxHigh[axis] - kBoxLow[axis]) / float(kCells[axis]);
}

int cellOf(float value, int axis)
{
    const int c = int((value - kBoxLow[axis]) / cellSize(axis));
    return std::clamp(c, 0, kCells[axis] - 1);
}

float component(const OkLab& c, int axis)
{
    return axis == 0 ? c.L : axis == 1 ? c.a : c.b;
}

std::uint32_t key(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | blue;
}

} // namespace

PaletteMatcher::PaletteMatcher(const ColourTable& palette) : m_palette(palette)
{
    for (int i = 0; i < kColourCount; ++i) {
        const ColourEntry& c = palette[std::size_t(i)];
        m_lab[std::size_t(i)] = labFromSrgb(c.red, c.green, c.blue);
        m_okLab[std::size_t(i)] = okLabFromSrgb(c.red, c.green, c.blue);
        m_exact[std::size_t(i)] = key(c.red, c.green, c.blue) << 8 | std::uint32_t(i);
    }
    std::sort(m_exact.begin(), m_exact.end());
    std::array<int, kColourCount> order{};
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int x, int y) { return m_okLab[std::size_t(x)].L < m_okLab[std::size_t(y)].L; });
    for (std::size_t s = 0; s < order.size(); ++s) {
        m_sorted[s] = m_okLab[std::size_t(order[s])];
        m_sortedL[s] = m_sorted[s].L;
        m_sortedIndex[s] = std::uint8_t(order[s]);
    }
    buildCells();
}

OkLab PaletteMatcher::clampToGamutBox(const OkLab& c)
{
    return {std::clamp(c.L, kBoxLow[0], kBoxHigh[0]), std::clamp(c.a, kBoxLow[1], kBoxHigh[1]),
            std::clamp(c.b, kBoxLow[2], kBoxHigh[2])};
}

void PaletteMatcher::buildCells()
{
    // An entry can be nearest to some colour of a cell only when its nearest point of the
    // cell is no further than the best farthest point of any entry.
    const int count = kCells[0] * kCells[1] * kCells[2];
    m_cellStart.assign(std::size_t(count) + 1, 0);
    m_cellEntries.clear();
    std::array<float, kColourCount> nearD{};
    for (int cell = 0; cell < count; ++cell) {
        const int at[3] = {cell / (kCells[1] * kCells[2]), cell / kCells[2] % kCells[1], cell % kCells[2]};
        float bound = INFINITY;
        for (int i = 0; i < kColourCount; ++i) {
            float nearSum = 0, farSum = 0;
            for (int axis = 0; axis < 3; ++axis) {
                const float low = kBoxLow[axis] + float(at[axis]) * cellSize(axis);
                const float high = low + cellSize(axis);
                const float v = component(m_okLab[std::size_t(i)], axis);
                const float outside = v < low ? low - v : v > high ? v - high : 0.0f;
                const float far = std::max(v - low, high - v);
                nearSum += outside * outside;
                farSum += far * far;
            }
            nearD[std::size_t(i)] = nearSum;
            bound = std::min(bound, farSum);
        }
        // A little slack for the rounding of the distances compared later.
        bound = bound * 1.0001f + 1e-9f;
        for (int i = 0; i < kColourCount; ++i)
            if (nearD[std::size_t(i)] <= bound)
                m_cellEntries.push_back(std::uint8_t(i));
        m_cellStart[std::size_t(cell) + 1] = std::uint32_t(m_cellEntries.size());
    }
}

std::optional<std::uint8_t> PaletteMatcher::exactIndex(std::uint8_t red, std::uint8_t green, std::uint8_t blue) const
{
    const std::uint32_t wanted = key(red, green, blue) << 8;
    const auto at = std::lower_bound(m_exact.begin(), m_exact.end(), wanted);
    if (at == m_exact.end() || (*at >> 8) != (wanted >> 8))
        return std::nullopt;
    return std::uint8_t(*at & 0xFF);
}

template <int Count> void PaletteMatcher::nearestInOkLab(const OkLab& colour, std::array<int, Count>& found) const
{
    std::array<float, Count> bestD;
    bestD.fill(INFINITY);
    found.fill(-1);
    const auto consider = [&](int s) {
        const float d = squaredDistance(m_sorted[std::size_t(s)], colour);
        const int index = m_sortedIndex[std::size_t(s)];
        // Equal distances keep the lower index first.
        const auto before = [&](int k) {
            return bestD[std::size_t(k)] > d || (bestD[std::size_t(k)] == d && found[std::size_t(k)] > index);
        };
        if (!before(Count - 1))
            return;
        int k = Count - 1;
        for (; k > 0 && before(k - 1); --k) {
            bestD[std::size_t(k)] = bestD[std::size_t(k - 1)];
            found[std::size_t(k)] = found[std::size_t(k - 1)];
        }
        bestD[std::size_t(k)] = d;
        found[std::size_t(k)] = index;
    };
    // Outwards from the colour's lightness, until the lightness alone is further off than
    // the entries found.
    int up = int(std::lower_bound(m_sortedL.begin(), m_sortedL.end(), colour.L) - m_sortedL.begin());
    int down = up - 1;
    while (up < kColourCount || down >= 0) {
        const float du = up < kColourCount ? m_sortedL[std::size_t(up)] - colour.L : INFINITY;
        const float dd = down >= 0 ? colour.L - m_sortedL[std::size_t(down)] : INFINITY;
        const float dl = std::min(du, dd);
        if (dl * dl > bestD[Count - 1])
            break;
        if (du <= dd)
            consider(up++);
        else
            consider(down--);
    }
}

std::uint8_t PaletteMatcher::nearest(const OkLab& wanted) const
{
    const OkLab colour = clampToGamutBox(wanted);
    const int cell = (cellOf(colour.L, 0) * kCells[1] + cellOf(colour.a, 1)) * kCells[2] + cellOf(colour.b, 2);
    const std::uint8_t* entry = m_cellEntries.data() + m_cellStart[std::size_t(cell)];
    const std::uint8_t* const end = m_cellEntries.data() + m_cellStart[std::size_t(cell) + 1];
    // The entries are in index order, so the first of equal distances is kept.
    std::uint8_t best = *entry;
    float bestD = squaredDistance(m_okLab[best], colour);
    for (++entry; entry != end; ++entry) {
        const float d = squaredDistance(m_okLab[*entry], colour);
        if (d < bestD) {
            bestD = d;
            best = *entry;
        }
    }
    return best;
}

std::uint8_t PaletteMatcher::nearestDeltaE(const Lab& lab, const OkLab& okLab) const
{
    std::array<int, kCandidates> found;
    nearestInOkLab<kCandidates>(okLab, found);
    int best = found[0];
    double bestE = deltaE2000(lab, m_lab[std::size_t(best)]);
    for (int k = 1; k < kCandidates; ++k) {
        const int index = found[std::size_t(k)];
        const double e = deltaE2000(lab, m_lab[std::size_t(index)]);
        if (e < bestE || (e == bestE && index < best)) {
            best = index;
            bestE = e;
        }
    }
    return std::uint8_t(best);
}

} // namespace kvr
