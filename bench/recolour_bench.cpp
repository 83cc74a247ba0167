// SPDX-License-Identifier: GPL-3.0-or-later
// One click in a colour editor recolours the 99000 pixels of the drawing rows. Set
// against a plain copy of the same bytes, the look-up pass should cost a small
// multiple of it.
#include "editors/cockpit/cockpit_recolour.h"
#include "editors/pitcrew/pitcrew_recolour.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = 500;
constexpr int kRows = 198;
constexpr int kHeight = 375;

// A drawing-like picture: stretches of one index from every part of the palette.
struct Picture {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(std::size_t(kWidth) * kHeight, 7);
    Picture()
    {
        std::mt19937 rng(11);
        std::size_t i = 0;
        while (i < std::size_t(kWidth) * kRows) {
            const auto value = std::uint8_t(rng());
            for (std::size_t n = 1 + rng() % 40; n > 0 && i < std::size_t(kWidth) * kRows; --n)
                bytes[i++] = value;
        }
    }
    kvr::PixelArea area() { return {bytes, kWidth, kHeight, kWidth}; }
};

void recolourCockpit(benchmark::State& state)
{
    Picture p;
    const auto saved = kvr::SavedPicture::take(p.area(), kRows);
    const auto table = kvr::cockpitRecolourTable({90, 106, 122});
    for (auto _ : state) {
        kvr::recolourPicture(p.area(), saved, table);
        benchmark::DoNotOptimize(p.bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(saved.bytes().size()));
}
BENCHMARK(recolourCockpit);

void recolourCrew(benchmark::State& state)
{
    Picture p;
    const auto saved = kvr::SavedPicture::take(p.area(), kRows);
    kvr::CrewBases bases{};
    for (int d = 0; d < 16; ++d)
        bases[std::size_t(d)] = std::uint8_t(10 + 16 * (17 - d));
    const auto table = kvr::crewRecolourTable(bases);
    for (auto _ : state) {
        kvr::recolourPicture(p.area(), saved, table);
        benchmark::DoNotOptimize(p.bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(saved.bytes().size()));
}
BENCHMARK(recolourCrew);

void plainCopy(benchmark::State& state)
{
    Picture p;
    const auto saved = kvr::SavedPicture::take(p.area(), kRows);
    for (auto _ : state) {
        std::memcpy(p.bytes.data(), saved.bytes().data(), saved.bytes().size());
        benchmark::DoNotOptimize(p.bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(saved.bytes().size()));
}
BENCHMARK(plainCopy);

void buildTable(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(kvr::cockpitRecolourTable({90, 106, 122}));
}
BENCHMARK(buildTable);

} // namespace
