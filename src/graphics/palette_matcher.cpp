// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/palette_matcher.h"

#include <algorithm>
#include <cmath>

namespace kvr {
namespace {

// The box around sRGB's colours in Oklab, and the grid laid over it.
constexpr float kBoxLow[3] = {0.0f, -0.24f, -0.32f};
constexpr float kBoxHigh[3] = {1.0f, 0.28f, 0.20f};
constexpr int kCells[3] = {20, 12, 12};

constexpr float cellSize(int axis)
{
    return (kBoxHigh[axis] - kBoxLow[axis]) / float(kCells[axis]);
}

int cellOn(float value, int axis)
{
    const int c = int((value - kBoxLow[axis]) / cellSize(axis));
    return std::clamp(c, 0, kCells[axis] - 1);
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
    buildCells();
}

OkLab PaletteMatcher::clampToGamutBox(const OkLab& c)
{
    return {std::clamp(c.L, kBoxLow[0], kBoxHigh[0]), std::clamp(c.a, kBoxLow[1], kBoxHigh[1]),
            std::clamp(c.b, kBoxLow[2], kBoxHigh[2])};
}

int PaletteMatcher::cellOf(const OkLab& colour)
{
    return (cellOn(colour.L, 0) * kCells[1] + cellOn(colour.a, 1)) * kCells[2] + cellOn(colour.b, 2);
}

void PaletteMatcher::buildCells()
{
    // An entry can be among the k nearest to some colour of a cell only when its nearest
    // point of the cell is no further than the k-th best of the entries' farthest points.
    std::array<std::array<float, kColourCount>, 3> component{};
    for (std::size_t i = 0; i < kColourCount; ++i) {
        component[0][i] = m_okLab[i].L;
        component[1][i] = m_okLab[i].a;
        component[2][i] = m_okLab[i].b;
    }
    const int count = kCells[0] * kCells[1] * kCells[2];
    for (CellLists* lists : {&m_nearest, &m_candidates}) {
        lists->start.assign(std::size_t(count) + 1, 0);
        lists->entries.clear();
    }
    std::array<float, kColourCount> nearD{}, farD{}, sorted{};
    for (int cell = 0; cell < count; ++cell) {
        const int at[3] = {cell / (kCells[1] * kCells[2]), cell / kCells[2] % kCells[1], cell % kCells[2]};
        nearD.fill(0);
        farD.fill(0);
        for (int axis = 0; axis < 3; ++axis) {
            const float low = kBoxLow[axis] + float(at[axis]) * cellSize(axis);
            const float high = low + cellSize(axis);
            const auto& v = component[std::size_t(axis)];
            for (std::size_t i = 0; i < kColourCount; ++i) {
                const float outside = std::max(low - v[i], 0.0f) + std::max(v[i] - high, 0.0f);
                const float far = std::max(v[i] - low, high - v[i]);
                nearD[i] += outside * outside;
                farD[i] += far * far;
            }
        }
        sorted = farD;
        std::nth_element(sorted.begin(), sorted.begin() + kCandidates - 1, sorted.end());
        // A little slack for the rounding of the distances compared later.
        const float candidateBound = sorted[kCandidates - 1] * 1.0001f + 1e-9f;
        const float nearestBound = *std::min_element(sorted.begin(), sorted.begin() + kCandidates) * 1.0001f + 1e-9f;
        for (std::size_t i = 0; i < kColourCount; ++i) {
            if (nearD[i] <= nearestBound)
                m_nearest.entries.push_back(std::uint8_t(i));
            if (nearD[i] <= candidateBound)
                m_candidates.entries.push_back(std::uint8_t(i));
        }
        m_nearest.start[std::size_t(cell) + 1] = std::uint32_t(m_nearest.entries.size());
        m_candidates.start[std::size_t(cell) + 1] = std::uint32_t(m_candidates.entries.size());
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

std::uint8_t PaletteMatcher::nearest(const OkLab& wanted) const
{
    const OkLab colour = clampToGamutBox(wanted);
    const std::size_t cell = std::size_t(cellOf(colour));
    const std::uint8_t* entry = m_nearest.entries.data() + m_nearest.start[cell];
    const std::uint8_t* const end = m_nearest.entries.data() + m_nearest.start[cell + 1];
    // In index order, so the first of equal distances is kept.
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

std::uint8_t PaletteMatcher::nearestDeltaE(const Lab& lab, const OkLab& okLab, double* difference) const
{
    const OkLab colour = clampToGamutBox(okLab);
    const std::size_t cell = std::size_t(cellOf(colour));
    std::array<float, kCandidates> bestD;
    std::array<int, kCandidates> found;
    bestD.fill(INFINITY);
    found.fill(0);
    for (std::uint32_t n = m_candidates.start[cell]; n < m_candidates.start[cell + 1]; ++n) {
        const int index = m_candidates.entries[n];
        const float d = squaredDistance(m_okLab[std::size_t(index)], colour);
        // In index order: an equal distance stays behind the earlier entry.
        if (d >= bestD[kCandidates - 1])
            continue;
        int k = kCandidates - 1;
        for (; k > 0 && bestD[std::size_t(k - 1)] > d; --k) {
            bestD[std::size_t(k)] = bestD[std::size_t(k - 1)];
            found[std::size_t(k)] = found[std::size_t(k - 1)];
        }
        bestD[std::size_t(k)] = d;
        found[std::size_t(k)] = index;
    }
    int best = found[0];
    double bestE = deltaE2000(lab, m_lab[std::size_t(best)]);
    for (int k = 1; k < kCandidates && bestD[std::size_t(k)] < INFINITY; ++k) {
        const int index = found[std::size_t(k)];
        const double e = deltaE2000(lab, m_lab[std::size_t(index)]);
        if (e < bestE || (e == bestE && index < best)) {
            best = index;
            bestE = e;
        }
    }
    if (difference)
        *difference = bestE;
    return best;
}

} // namespace kvr
