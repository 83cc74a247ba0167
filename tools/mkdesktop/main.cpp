// Makes the editor's desktop icon: a chequered flag waving over a dark racing stripe, as
// on the main window's buttons, drawn as SVG so every size is sharp.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <numbers>
#include <sstream>

namespace {

constexpr int kSize = 256;
constexpr int kSquares = 6;
constexpr double kFlagLeft = 44.0;
constexpr double kFlagTop = 52.0;
constexpr double kSquare = 26.0;
constexpr double kWave = 9.0;

// The flag cloth bends in one sine wave across its width.
double wave(double x) { return kWave * std::sin((x - kFlagLeft) / (kSquares * kSquare) * 2 * std::numbers::pi); }

std::string square(int column, int row)
{
    std::ostringstream d;
    const double x0 = kFlagLeft + column * kSquare;
    const double x1 = x0 + kSquare;
    const double y0 = kFlagTop + row * kSquare;
    const double y1 = y0 + kSquare;
    d << "M" << x0 << "," << y0 + wave(x0) << " L" << x1 << "," << y0 + wave(x1) << " L" << x1 << ","
      << y1 + wave(x1) << " L" << x0 << "," << y1 + wave(x0) << " Z";
    return d.str();
}

std::string icon()
{
    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kSize << "\" height=\"" << kSize
        << "\" viewBox=\"0 0 " << kSize << " " << kSize << "\">\n"
        << "  <rect x=\"8\" y=\"8\" width=\"240\" height=\"240\" rx=\"36\" fill=\"#2b2f36\"/>\n"
        << "  <path d=\"M8,190 L248,120 L248,168 L8,238 Z\" fill=\"#c8102e\"/>\n"
        << "  <path d=\"M8,208 L248,138 L248,150 L8,220 Z\" fill=\"#f2c300\"/>\n"
        << "  <rect x=\"36\" y=\"40\" width=\"8\" height=\"190\" rx=\"3\" fill=\"#d0d0d0\"/>\n";
    for (int row = 0; row < kSquares - 2; ++row)
        for (int column = 0; column < kSquares; ++column)
            svg << "  <path d=\"" << square(column, row) << "\" fill=\""
                << ((row + column) % 2 == 0 ? "#ffffff" : "#111111") << "\"/>\n";
    svg << "  <text x=\"128\" y=\"226\" font-family=\"DejaVu Sans, sans-serif\" font-size=\"44\" font-weight=\"bold\" "
           "font-style=\"italic\" fill=\"#ffffff\" text-anchor=\"middle\">KVR</text>\n"
        << "</svg>\n";
    return svg.str();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: kvr-mkdesktop ICON.svg\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << icon();
    out.close();
    if (!out) {
        std::cerr << "kvr-mkdesktop: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
