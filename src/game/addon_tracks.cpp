// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/addon_tracks.h"

#include "core/byte_reader.h"

#include <stdexcept>

namespace kvr {
using namespace addontracks;

namespace {

bool inPack(std::size_t track)
{
    for (int number : kPackTrackFiles)
        if (std::size_t(number - 1) == track)
            return true;
    return false;
}

struct TrackFacts {
    int laps;
    int metres;
    int lapRecordTenths;
};

constexpr std::array<TrackFacts, 16> kOriginalFacts = {{
    {58, 5302, 874},  {71, 4312, 782},  {53, 5795, 1012}, {65, 4655, 851},
    {69, 4410, 803},  {44, 6903, 1198}, {61, 5012, 902},  {72, 4204, 769},
    {67, 4583, 842},  {56, 5447, 958},  {78, 3894, 715},  {62, 4921, 889},
    {70, 4347, 794},  {52, 5872, 1043}, {60, 5098, 917},  {66, 4628, 860},
}};

constexpr std::array<TrackFacts, 16> kPackFacts = {{
    {63, 4871, 868},  {57, 5354, 941},  {69, 4459, 817},  {65, 4655, 851},
    {48, 6321, 1104}, {44, 6903, 1198}, {75, 4081, 752},  {59, 5206, 921},
    {67, 4583, 842},  {66, 4662, 839},  {78, 3894, 715},  {54, 5680, 997},
    {61, 5023, 895},  {73, 4189, 779},  {60, 5098, 917},  {50, 6140, 1067},
}};

} // namespace

const TrackNames& originalTrackNames()
{
    static const TrackNames names = {"Marvella",     "Castelbrun",   "Oskarsfjord", "Valdemosa",
                                     "Brennholm",    "Port Saffra",  "Kelmont Park", "Rocheval",
                                     "Tarrowgate",   "Lindenmark",   "Monte Caldera", "Varnhem",
                                     "Sarbonne",     "Quintara",     "Halvard Ring", "Cerulea Bay"};
    return names;
}

const TrackNames& packTrackNames()
{
    static const TrackNames names = [] {
        const TrackNames fresh = {"Aldermoor",   "Sunvale",   "Kirrin Bay", "",         "Drakmoor",  "",
                                  "Montevar",    "Isola Brava", "",         "Pellinor", "",          "Torrevista",
                                  "Nordhalla",   "Ambergate", "",           "Sable Coast"};
        TrackNames n = originalTrackNames();
        for (std::size_t t = 0; t < n.size(); ++t)
            if (inPack(t))
                n[t] = fresh[t];
        return n;
    }();
    return names;
}

std::vector<std::uint8_t> trackNameBlock(const TrackNames& names)
{
    std::vector<std::uint8_t> block;
    block.push_back(0); // the block starts on the zero that ends the string before it
    for (const std::string& name : names) {
        block.insert(block.end(), name.begin(), name.end());
        block.push_back(0);
    }
    if (block.size() > kNameBlockSize)
        throw std::length_error("track names do not fit their block");
    block.resize(kNameBlockSize, 0);
    return block;
}

std::vector<std::uint8_t> trackOrderBlock()
{
    static constexpr std::array<int, 16> kSeason = {2, 1, 3, 5, 4, 7, 6, 8, 9, 10, 12, 11, 13, 14, 15, 16};
    std::vector<std::uint8_t> block;
    for (int track : kSeason)
        putLe16(block, std::uint16_t(track));
    return block;
}

std::vector<std::uint8_t> trackLengthBlock(bool pack)
{
    std::vector<std::uint8_t> block;
    for (const TrackFacts& f : pack ? kPackFacts : kOriginalFacts) {
        putLe16(block, std::uint16_t(f.laps));
        putLe16(block, std::uint16_t(f.metres));
        putLe16(block, std::uint16_t(f.lapRecordTenths));
        putLe16(block, 26);
    }
    return block;
}

} // namespace kvr
