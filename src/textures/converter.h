// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/process_runner.h"

#include "core/message.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

class TDIB;

// How long one conversion may take before the converter is stopped.
inline constexpr std::chrono::milliseconds kConverterBound = std::chrono::seconds(60);

// Names a converter of the user's own instead of the one beside the editor.
inline constexpr const char* kConverterVariable = "KVRDESK_CONVERTER";

inline constexpr std::string_view kHelmetJam = "HELMETS1.JAM";
inline constexpr std::string_view kHelmetExchangeFile = "HELMETS.BMP";
inline constexpr std::string_view kCarExchangeFile = "TEMPTEAM.BMP";

// The program that converts: KVRDESK_CONVERTER when it is set, else kvrjam in the
// folder of `runningProgram` (by default the program now running).
std::filesystem::path converterProgram(const std::filesystem::path& runningProgram = {});

// A texture file of the game: GAMEJAMS/<name> in the game folder, whatever its case.
std::filesystem::path gameJam(const std::filesystem::path& gameDir, std::string_view name);

// The editor's conversions between the game's texture files and bitmaps. Each runs the
// converter with an argument list, waits for it to end (stopping it at the bound), and
// checks that it succeeded and that the file it was to make is there; exchange files
// lie in the editor's TEMP folder. Every failure throws GeneralError naming the
// program, the file and what went wrong; nothing the caller holds changes then.
class Converter {
  public:
    Converter(std::filesystem::path program, std::filesystem::path tempDir, ProcessRunner& runner,
              std::chrono::milliseconds bound = kConverterBound);

    // GAMEJAMS/HELMETS1.JAM as a bitmap, made in TEMP/HELMETS.BMP (which stays).
    TDIB importHelmets(const std::filesystem::path& gameDir) const;
    // Saves the sheet as TEMP/HELMETS.BMP and converts it into GAMEJAMS/HELMETS1.JAM.
    void exportHelmets(const std::filesystem::path& gameDir, const TDIB& sheet) const;

    // GAMEJAMS/<jamName> as the bytes of an 8-bit bitmap file; TEMP/TEMPTEAM.BMP is
    // removed once read.
    std::vector<std::uint8_t> importCarJam(const std::filesystem::path& gameDir, std::string_view jamName) const;
    // Writes the bitmap file as TEMP/TEMPTEAM.BMP (which stays until
    // removeCarExchangeFile) and converts it into GAMEJAMS/<jamName>.
    void exportCarJam(const std::filesystem::path& gameDir, std::string_view jamName,
                      std::span<const std::uint8_t> bitmapFile) const;
    void removeCarExchangeFile() const;

    std::filesystem::path helmetExchangeFile() const { return m_tempDir / kHelmetExchangeFile; }
    std::filesystem::path carExchangeFile() const { return m_tempDir / kCarExchangeFile; }
    const std::filesystem::path& program() const { return m_program; }
    std::chrono::milliseconds bound() const { return m_bound; }

  private:
    // Runs "-j<jam> -b<bitmap> -y" or "-b<bitmap> -j<jam> -y" and checks that `made` is there.
    void run(const std::filesystem::path& jam, const std::filesystem::path& bitmap, bool toBitmap) const;
    Message unloadable(const std::filesystem::path& jam, const std::filesystem::path& bitmap, const Message& why) const;
    void prepareTemp() const;
    void removeExchangeFile(const std::filesystem::path& file) const;

    std::filesystem::path m_program;
    std::filesystem::path m_tempDir;
    ProcessRunner& m_runner;
    std::chrono::milliseconds m_bound;
};

} // namespace kvr
