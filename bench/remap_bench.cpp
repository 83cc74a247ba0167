// SPDX-License-Identifier: GPL-3.0-or-later
// Converting a painting of a car texture's size (256 x 164) into the game palette: once
// with error diffusion from the painted picture, and again when only the strength moves
// (what the conversion window does at each step of its slider). Both must stay well
// inside one frame.
#include "graphics/game_palette.h"
#include "graphics/palette_remap.h"
#include "graphics/picture_conversion.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace {

constexpr int kWidth = 256;
constexpr int kHeight = 164;

// A livery as painted: soft colour fields, stripes with hard edges, and grain.
kvr::PaintedPicture painting()
{
    kvr::PaintedPicture p;
    p.width = kWidth;
    p.height = kHeight;
    std::uint32_t seed = 99;
    const auto grain = [&] {
        seed = seed * 1664525u + 1013904223u;
        return (double(seed >> 8) / double(1u << 24) - 0.5) * 24;
    };
    const auto byte = [](double v) { return std::uint8_t(std::lround(std::clamp(v, 0.0, 255.0))); };
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            double r = 128 + 90 * std::sin(x / 23.0) * std::cos(y / 31.0);
            double g = 120 + 80 * std::sin((x + y) / 40.0);
            double b = 110 + 100 * std::cos(x / 17.0 - y / 29.0);
            if ((x + 2 * y) % 64 < 10) {
                r = 230;
                g = 40;
                b = 30;
            }
            p.rgba.insert(p.rgba.end(), {byte(r + grain()), byte(g + grain()), byte(b + grain()), 255});
        }
    return p;
}

std::shared_ptr<const kvr::PaletteMatcher> gamePalette()
{
    kvr::GamePalette palette;
    kvr::loadGamePalette(std::filesystem::path(KVR_DATA_DIR) / "KVR.PAL", palette);
    return std::make_shared<const kvr::PaletteMatcher>(palette.entries);
}

// The palette made ready once, as the window does when it opens.
void preparePalette(benchmark::State& state)
{
    kvr::GamePalette palette;
    kvr::loadGamePalette(std::filesystem::path(KVR_DATA_DIR) / "KVR.PAL", palette);
    for (auto _ : state)
        benchmark::DoNotOptimize(kvr::PaletteMatcher(palette.entries));
    state.SetLabel("once per palette");
}

void convertPainting(benchmark::State& state)
{
    const auto matcher = gamePalette();
    const kvr::PaintedPicture p = painting();
    for (auto _ : state) {
        const kvr::PaletteRemap remap(p, matcher);
        benchmark::DoNotOptimize(remap.convert({}));
    }
}

void changeStrength(benchmark::State& state)
{
    const kvr::PaletteRemap remap(painting(), gamePalette());
    float strength = 0.5f;
    for (auto _ : state) {
        strength = strength > 0.9f ? 0.3f : strength + 0.07f;
        benchmark::DoNotOptimize(remap.convert({.strength = strength}));
    }
}

void convertWithoutDithering(benchmark::State& state)
{
    const kvr::PaletteRemap remap(painting(), gamePalette());
    for (auto _ : state)
        benchmark::DoNotOptimize(remap.convert({.dithering = kvr::Dithering::None}));
}

// The conversion window's model as the user works it: opening on a painting (which also
// makes the result without dithering), then each step of the strength slider, and the
// switch back to no dithering, which is kept from the opening.
kvr::ConversionTarget target()
{
    kvr::GamePalette palette;
    kvr::loadGamePalette(std::filesystem::path(KVR_DATA_DIR) / "KVR.PAL", palette);
    return {palette.entries, kWidth, kHeight, 0};
}

void openConversionWindow(benchmark::State& state)
{
    const kvr::PaintedPicture p = painting();
    const kvr::ConversionTarget t = target();
    for (auto _ : state)
        benchmark::DoNotOptimize(kvr::PictureConversion(p, t));
}

void conversionWindowStrengthStep(benchmark::State& state)
{
    kvr::PictureConversion conversion(painting(), target());
    kvr::RemapOptions options = conversion.options();
    for (auto _ : state) {
        options.strength = options.strength > 0.9f ? 0.3f : options.strength + 0.05f;
        conversion.setOptions(options);
        benchmark::DoNotOptimize(conversion.result());
    }
}

void conversionWindowDitheringSwitch(benchmark::State& state)
{
    kvr::PictureConversion conversion(painting(), target());
    kvr::RemapOptions options = conversion.options();
    for (auto _ : state) {
        options.dithering = options.dithering == kvr::Dithering::None ? kvr::Dithering::Diffuse : kvr::Dithering::None;
        conversion.setOptions(options);
        benchmark::DoNotOptimize(conversion.result());
    }
}

} // namespace

BENCHMARK(openConversionWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(conversionWindowStrengthStep)->Unit(benchmark::kMillisecond);
BENCHMARK(conversionWindowDitheringSwitch)->Unit(benchmark::kMillisecond);
BENCHMARK(preparePalette)->Unit(benchmark::kMillisecond);
BENCHMARK(convertPainting)->Unit(benchmark::kMillisecond);
BENCHMARK(changeStrength)->Unit(benchmark::kMillisecond);
BENCHMARK(convertWithoutDithering)->Unit(benchmark::kMillisecond);
