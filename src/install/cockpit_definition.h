// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errors.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace kvr {

namespace cockpitdef {
inline constexpr int kLines = 190;      // lines used; any after them are ignored
inline constexpr int kFreeColumns = 33; // free text before the first field
inline constexpr int kFieldWidth = 3;
inline constexpr int kFields = 4;
// 1-based first column of fields 1 to 4.
inline constexpr std::array<int, kFields> kFieldColumn = {34, 40, 47, 54};

inline constexpr int kXyRows = 121;
inline constexpr int kScreenLines = 4;
inline constexpr int kTxtLines = 28;

// First file line (1-based) of each section.
inline constexpr int kYLimitLine = 1;
inline constexpr int kXyFirstLine = 2;
inline constexpr int kSvgaFirstLine = 125;
inline constexpr int kTxtHighFirstLine = 129;
inline constexpr int kVgaFirstLine = 159;
inline constexpr int kTxtLowFirstLine = 163;

// The VGA screen lines written as 16 bits; the other (line 159) is one byte. Every other
// field is one byte (the Y limit, the XY data) or 16 bits (the SVGA screen, the text tables).
inline constexpr std::array<bool, kScreenLines> kVgaWord = {false, true, true, true};
} // namespace cockpitdef

// The numbers of one cockpit definition file, as written in it: each field a whole number
// of up to three characters, within what the patcher writes it as (one byte or 16 bits).
struct CockpitDefinition {
    int yLimit = 0;
    std::array<std::array<int, cockpitdef::kFields>, cockpitdef::kXyRows> xy{};
    std::array<int, cockpitdef::kScreenLines> svga{};
    std::array<std::array<int, 2>, cockpitdef::kTxtLines> txtHigh{};
    std::array<int, cockpitdef::kScreenLines> vga{};
    std::array<std::array<int, 2>, cockpitdef::kTxtLines> txtLow{};
    bool operator==(const CockpitDefinition&) const = default;
};

// A definition file that is missing, short, or holds something other than a number
// where one must stand, a number its field cannot hold, or one outside the fields. line() is 0 when the whole file is
// at fault.
class CockpitDefinitionError : public GeneralError {
  public:
    CockpitDefinitionError(Message message, int line) : GeneralError(std::move(message)), m_line(line) {}
    int line() const { return m_line; }

  private:
    int m_line;
};

// Reads every line the patcher needs and checks each field it uses; `name` is the file
// name that messages give. Throws CockpitDefinitionError for the first fault.
CockpitDefinition parseCockpitDefinition(std::string_view text, const std::string& name);

// Reads and parses a whole definition file.
CockpitDefinition readCockpitDefinition(const std::filesystem::path& file);

// The definition file a language version reads: the last character of `name` becomes
// "g", "i", "s", "f" or "d" for versions 1, 2, 3, 4 and 6; versions 0 and 5 read `name`.
std::string versionedDefinitionName(std::string name, int languageVersion);

// The same as written back: one line of free text and the fields in their columns.
std::string formatCockpitDefinition(const CockpitDefinition& definition,
                                    const std::array<std::string, cockpitdef::kLines>& freeText);

} // namespace kvr
