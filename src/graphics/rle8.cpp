// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/rle8.h"

#include <algorithm>

namespace kvr {

void expandRle8(std::span<const std::uint8_t> data, std::span<std::uint8_t> area, std::size_t stride)
{
    const std::size_t total = area.size();
    std::size_t out = 0;
    std::size_t in = 0;
    auto put = [&](std::uint8_t value) {
        if (out < total)
            area[out] = value;
        ++out;
    };
    while (in + 1 < data.size() && out < total) {
        const std::uint8_t first = data[in];
        const std::uint8_t second = data[in + 1];
        in += 2;
        if (first > 0) {
            for (int i = 0; i < first; ++i)
                put(second);
            continue;
        }
        switch (second) {
        case kRleEndOfLine:
            if (stride != 0 && out % stride != 0)
                out = (out / stride + 1) * stride;
            break;
        case kRleEndOfPicture:
            return;
        case kRleDelta: {
            if (in + 1 >= data.size())
                return;
            const std::size_t dx = data[in];
            const std::size_t dy = data[in + 1];
            in += 2;
            out += dx + dy * stride;
            break;
        }
        default: {
            const std::size_t count = second;
            const std::size_t available = std::min(count, data.size() - in);
            for (std::size_t i = 0; i < available; ++i)
                put(data[in + i]);
            in += count + (count % 2);
            break;
        }
        }
    }
}

namespace {

constexpr std::size_t kMaxRun = 255;
// Shorter repeats are cheaper inside a literal stretch.
constexpr std::size_t kMinRun = 3;

std::size_t runLength(std::span<const std::uint8_t> row, std::size_t at)
{
    std::size_t n = 1;
    while (at + n < row.size() && n < kMaxRun && row[at + n] == row[at])
        ++n;
    return n;
}

} // namespace

std::vector<std::uint8_t> compressRle8(std::span<const std::uint8_t> rows, std::size_t width, std::size_t height,
                                       std::size_t stride)
{
    std::vector<std::uint8_t> out;
    for (std::size_t y = 0; y < height; ++y) {
        const auto row = rows.subspan(y * stride, width);
        std::size_t x = 0;
        while (x < width) {
            const std::size_t run = runLength(row, x);
            if (run >= kMinRun) {
                out.push_back(std::uint8_t(run));
                out.push_back(row[x]);
                x += run;
                continue;
            }
            // A literal stretch up to the next worthwhile run.
            std::size_t end = x;
            while (end < width && end - x < kMaxRun && runLength(row, end) < kMinRun)
                end += runLength(row, end);
            end = std::min(end, x + kMaxRun);
            const std::size_t count = end - x;
            if (count >= kRleFirstAbsolute) {
                out.push_back(0);
                out.push_back(std::uint8_t(count));
                out.insert(out.end(), row.begin() + std::ptrdiff_t(x), row.begin() + std::ptrdiff_t(end));
                if (count % 2)
                    out.push_back(0);
            } else {
                for (std::size_t i = x; i < end; ++i) {
                    out.push_back(1);
                    out.push_back(row[i]);
                }
            }
            x = end;
        }
        out.push_back(0);
        out.push_back(kRleEndOfLine);
    }
    out.push_back(0);
    out.push_back(kRleEndOfPicture);
    return out;
}

} // namespace kvr
