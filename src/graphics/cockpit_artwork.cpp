// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/cockpit_artwork.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace kvr {
namespace {

// Palette runs, darkest first.
struct Ramp {
    int first;
    int length;
    std::uint8_t at(double t) const
    {
        const int k = int(std::lround(std::clamp(t, 0.0, 1.0) * (length - 1)));
        return std::uint8_t(first + k);
    }
};

constexpr Ramp kCarbon{1, 24};
constexpr Ramp kBody{32, 40};
constexpr Ramp kStripe{80, 32};
constexpr Ramp kTrim{120, 24};
constexpr Ramp kRubber{150, 16};
constexpr std::uint8_t kLedGreen = 170;
constexpr std::uint8_t kLedYellow = 171;
constexpr std::uint8_t kLedRed = 172;
constexpr std::uint8_t kDisplay = 173;
constexpr std::uint8_t kDisplayText = 174;
constexpr std::uint8_t kMirrorGlass = 175;

std::uint8_t channel(double v) { return std::uint8_t(std::clamp(std::lround(v), 0L, 255L)); }

// From deep shadow to a highlight that leans towards white.
void fillRamp(ColourTable& table, const Ramp& ramp, ColourEntry base)
{
    for (int k = 0; k < ramp.length; ++k) {
        const double t = double(k) / (ramp.length - 1);
        const double light = 0.25 + 1.0 * t;
        const double white = t > 0.8 ? (t - 0.8) * 2.5 * 0.6 : 0.0;
        auto mix = [&](std::uint8_t c) { return channel(c * light * (1 - white) + 255 * white); };
        table[std::size_t(ramp.first + k)] = rgb(mix(base.red), mix(base.green), mix(base.blue));
    }
}

ColourTable cockpitColours(const CockpitLivery& l)
{
    ColourTable t{};
    fillRamp(t, kCarbon, rgb(70, 72, 78));
    fillRamp(t, kBody, l.body);
    fillRamp(t, kStripe, l.stripe);
    fillRamp(t, kTrim, l.trim);
    fillRamp(t, kRubber, rgb(46, 44, 42));
    t[kLedGreen] = rgb(40, 230, 60);
    t[kLedYellow] = rgb(250, 220, 30);
    t[kLedRed] = rgb(240, 40, 30);
    t[kDisplay] = rgb(20, 40, 30);
    t[kDisplayText] = rgb(150, 255, 170);
    t[kMirrorGlass] = rgb(150, 180, 210);
    return t;
}

struct Pt {
    double x;
    double y;
};

using Shader = std::function<std::uint8_t(double u, double v)>;

// Shapes in picture fractions (0..1 both ways), sampled at pixel centres, so both
// sizes get the same drawing.
class Painter {
public:
    explicit Painter(IndexedPicture& p) : m_p(p) {}

    void polygon(const std::vector<Pt>& pts, const Shader& shade)
    {
        const auto [minY, maxY] = std::minmax_element(pts.begin(), pts.end(), [](Pt a, Pt b) { return a.y < b.y; });
        const int top = std::max(0, int(minY->y * m_p.height) - 1);
        const int bottom = std::min(m_p.height - 1, int(maxY->y * m_p.height) + 1);
        for (int y = top; y <= bottom; ++y) {
            const double v = (y + 0.5) / m_p.height;
            for (int x = 0; x < m_p.width; ++x) {
                const double u = (x + 0.5) / m_p.width;
                if (inside(pts, u, v))
                    m_p.set(x, y, shade(u, v));
            }
        }
    }

    void ellipse(double cu, double cv, double ru, double rv, const Shader& shade)
    {
        for (int y = std::max(0, int((cv - rv) * m_p.height) - 1);
             y <= std::min(m_p.height - 1, int((cv + rv) * m_p.height) + 1); ++y) {
            const double v = (y + 0.5) / m_p.height;
            for (int x = 0; x < m_p.width; ++x) {
                const double u = (x + 0.5) / m_p.width;
                const double du = (u - cu) / ru;
                const double dv = (v - cv) / rv;
                if (du * du + dv * dv <= 1.0)
                    m_p.set(x, y, shade(u, v));
            }
        }
    }

    void rect(double u0, double v0, double u1, double v1, const Shader& shade)
    {
        polygon({{u0, v0}, {u1, v0}, {u1, v1}, {u0, v1}}, shade);
    }

private:
    static bool inside(const std::vector<Pt>& pts, double u, double v)
    {
        bool in = false;
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const Pt a = pts[i];
            const Pt b = pts[j];
            if ((a.y > v) != (b.y > v) && u < (b.x - a.x) * (v - a.y) / (b.y - a.y) + a.x)
                in = !in;
        }
        return in;
    }

    IndexedPicture& m_p;
};

Shader solid(std::uint8_t index)
{
    return [index](double, double) { return index; };
}

// Light falls from above and from the middle of the car.
Shader rounded(const Ramp& ramp, double centreU = 0.5, double top = 0.0, double bottom = 1.0)
{
    return [=](double u, double v) {
        const double across = 1.0 - std::min(1.0, std::abs(u - centreU) * 2.2);
        const double down = 1.0 - std::clamp((v - top) / std::max(0.01, bottom - top), 0.0, 1.0);
        return ramp.at(0.15 + 0.55 * across + 0.3 * down);
    };
}

std::vector<Pt> mirrored(const std::vector<Pt>& pts)
{
    std::vector<Pt> out;
    for (const Pt& p : pts)
        out.push_back({1.0 - p.x, p.y});
    return out;
}

double horizon(const CockpitLivery& l) { return 0.56 - 0.04 * (l.sideHeight - 1.0); }

void tyres(Painter& p, const CockpitLivery& l)
{
    const double h = horizon(l);
    for (double side : {0.0, 1.0}) {
        const double c = side == 0.0 ? 0.14 : 0.86;
        p.rect(c - 0.11, h - 0.07, c + 0.11, h + 0.12, rounded(kRubber, c, h - 0.07, h + 0.12));
        p.ellipse(c, h - 0.07, 0.11, 0.025, solid(kRubber.at(0.7)));
        // Suspension arms from the tyre to the nose.
        p.polygon({{c + (side == 0.0 ? 0.1 : -0.1), h - 0.01},
                   {0.5 + (side == 0.0 ? -0.04 : 0.04), h + 0.03},
                   {0.5 + (side == 0.0 ? -0.04 : 0.04), h + 0.045},
                   {c + (side == 0.0 ? 0.1 : -0.1), h + 0.005}},
                  solid(kCarbon.at(0.3)));
    }
}

void nose(Painter& p, const CockpitLivery& l)
{
    const double h = horizon(l);
    const double w = 0.07 * l.noseWidth;
    p.polygon({{0.5 - w * 0.45, h}, {0.5 + w * 0.45, h}, {0.5 + w * 2.4, 1.0}, {0.5 - w * 2.4, 1.0}},
              rounded(kBody, 0.5, h, 1.0));
    p.polygon({{0.5 - w * 0.12, h}, {0.5 + w * 0.12, h}, {0.5 + w * 0.6, 1.0}, {0.5 - w * 0.6, 1.0}},
              rounded(kStripe, 0.5, h, 1.0));
    // Front wing end plates seen over the nose tip.
    p.rect(0.5 - w * 3.2, h + 0.005, 0.5 + w * 3.2, h + 0.02, solid(kTrim.at(0.6)));
}

void sides(Painter& p, const CockpitLivery& l)
{
    const double top = horizon(l) + 0.1 / l.sideHeight;
    const std::vector<Pt> left = {{0.0, top}, {0.2, top + 0.05}, {0.36, 0.78}, {0.4, 1.0}, {0.0, 1.0}};
    p.polygon(left, rounded(kBody, 0.05, top, 1.0));
    p.polygon(mirrored(left), rounded(kBody, 0.95, top, 1.0));
    const std::vector<Pt> band = {{0.0, top + 0.06}, {0.22, top + 0.11}, {0.3, top + 0.19}, {0.0, top + 0.14}};
    p.polygon(band, rounded(kStripe, 0.1, top, top + 0.2));
    p.polygon(mirrored(band), rounded(kStripe, 0.9, top, top + 0.2));
    // The cockpit rim, padded in the trim colour.
    const std::vector<Pt> rim = {{0.2, top + 0.05}, {0.24, top + 0.04}, {0.4, 0.8}, {0.36, 0.8}};
    p.polygon(rim, rounded(kTrim, 0.3, top, 0.8));
    p.polygon(mirrored(rim), rounded(kTrim, 0.7, top, 0.8));
}

void mirrors(Painter& p, const CockpitLivery& l)
{
    const double v = horizon(l) + 0.02;
    for (double u : {0.27, 0.73}) {
        p.rect(u - 0.006, v, u + 0.006, v + 0.08, solid(kCarbon.at(0.4)));
        p.ellipse(u, v, 0.055, 0.03, solid(kBody.at(0.45)));
        p.ellipse(u, v, 0.045, 0.02, solid(kMirrorGlass));
    }
}

void wheel(Painter& p, const CockpitLivery& l)
{
    const double cv = 0.9;
    if (l.roundWheel) {
        p.ellipse(0.5, cv, 0.17, 0.16, rounded(kCarbon, 0.5, cv - 0.16, 1.0));
        p.ellipse(0.5, cv, 0.12, 0.11, solid(kCarbon.at(0.15)));
    } else {
        p.polygon({{0.34, cv - 0.12}, {0.66, cv - 0.12}, {0.68, 1.0}, {0.32, 1.0}}, rounded(kCarbon, 0.5, cv - 0.12, 1.0));
        p.rect(0.31, cv - 0.06, 0.35, 1.0, solid(kRubber.at(0.4)));
        p.rect(0.65, cv - 0.06, 0.69, 1.0, solid(kRubber.at(0.4)));
    }
    p.rect(0.44, cv - 0.06, 0.56, cv + 0.01, solid(kDisplay));
    p.rect(0.455, cv - 0.045, 0.49, cv - 0.005, solid(kDisplayText));
    p.rect(0.505, cv - 0.045, 0.545, cv - 0.005, solid(kDisplayText));
    const std::uint8_t leds[] = {kLedGreen, kLedGreen, kLedYellow, kLedYellow, kLedRed, kLedRed};
    for (int i = 0; i < 6; ++i) {
        const double u = 0.42 + i * 0.032;
        p.ellipse(u, cv - 0.1, 0.011, 0.012, solid(leds[i]));
    }
    for (double u : {0.39, 0.61})
        p.ellipse(u, cv + 0.04, 0.015, 0.018, solid(kTrim.at(0.8)));
}

} // namespace

int cockpitTopRow(int height, const CockpitLivery& l)
{
    return int(std::floor((horizon(l) - 0.07 - 0.025) * height));
}

IndexedPicture cockpitArtwork(int width, int height, const CockpitLivery& livery)
{
    IndexedPicture pic(width, height, kCockpitClear);
    pic.colours = cockpitColours(livery);
    Painter p(pic);
    tyres(p, livery);
    nose(p, livery);
    sides(p, livery);
    mirrors(p, livery);
    wheel(p, livery);
    return pic;
}

CockpitLivery demoOriginalLivery()
{
    CockpitLivery l;
    l.body = rgb(200, 200, 204);
    l.stripe = rgb(30, 60, 160);
    l.trim = rgb(90, 90, 96);
    return l;
}

} // namespace kvr
