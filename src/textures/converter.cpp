// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/converter.h"

#include "core/byte_reader.h"
#include "core/editor_home.h"
#include "core/errors.h"
#include "core/folder_lock.h"
#include "core/game_dir.h"
#include "core/platform/native_file.h"
#include "core/platform/program_place.h"
#include "core/safe_write.h"
#include "graphics/dib.h"
#include "graphics/dib256.h"

#include <cstdlib>

namespace kvr {
namespace fs = std::filesystem;

namespace {

// Long enough for a reason that names two files with their whole paths.
constexpr std::size_t kMaxReasonChars = 600;

std::string quoted(const fs::path& p)
{
    const std::string name = p.string();
    return "\"" + name + "\"";
}

std::string boundText(std::chrono::milliseconds bound)
{
    if (bound.count() % 1000 == 0)
        return std::to_string(bound.count() / 1000) + " seconds";
    return std::to_string(bound.count()) + " ms";
}

// The converter's own one-line reason: the first line it printed that is not blank.
std::string reasonFrom(const std::string& errorOutput)
{
    std::size_t start = 0;
    while (start < errorOutput.size()) {
        std::size_t end = errorOutput.find('\n', start);
        if (end == std::string::npos)
            end = errorOutput.size();
        std::string line = errorOutput.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        if (!line.empty())
            return line.size() > kMaxReasonChars ? line.substr(0, kMaxReasonChars) + "..." : line;
        start = end + 1;
    }
    return {};
}

} // namespace

fs::path converterProgram(const fs::path& runningProgramPath)
{
    if (fs::path own = platform::pathFromEnvironment(kConverterVariable); !own.empty())
        return own;
    const fs::path self = runningProgramPath.empty() ? runningProgram(nullptr) : runningProgramPath;
    return self.parent_path() / platform::programFileName("kvrjam");
}

fs::path gameJam(const fs::path& gameDir, std::string_view name)
{
    return findInDir(gameDir, "GAMEJAMS/" + std::string(name));
}

Converter::Converter(fs::path program, fs::path tempDir, ProcessRunner& runner, std::chrono::milliseconds bound)
    : m_program(std::move(program)), m_tempDir(std::move(tempDir)), m_runner(runner), m_bound(bound)
{
}

Message Converter::unloadable(const fs::path& jam, const fs::path& bitmap, const Message& why) const
{
    return fillIn(KVR_TR_NOOP("Pictures", "The converter %1 converted %2 into %3, but the editor cannot load that "
                                          "file as an 8-bit bitmap: %4"),
                  {quoted(m_program), quoted(jam), quoted(bitmap), why});
}

void Converter::prepareTemp() const
{
    std::error_code ec;
    fs::create_directories(m_tempDir, ec);
    if (ec)
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "Cannot make the editor's TEMP folder %1: %2."),
                                  {quoted(m_tempDir), ec.message()}));
}

void Converter::removeExchangeFile(const fs::path& file) const
{
    std::error_code ec;
    fs::remove(file, ec);
    if (ec && fs::exists(file))
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "Cannot remove the old exchange file %1: %2."),
                                  {quoted(file), ec.message()}));
}

void Converter::run(const fs::path& jam, const fs::path& bitmap, bool toBitmap) const
{
    const std::string jamArgument = "-j" + jam.string();
    const std::string bitmapArgument = "-b" + bitmap.string();
    const std::vector<std::string> arguments = toBitmap ? std::vector{jamArgument, bitmapArgument, std::string("-y")}
                                                        : std::vector{bitmapArgument, jamArgument, std::string("-y")};
    const fs::path& made = toBitmap ? bitmap : jam;
    const std::string program = quoted(m_program);
    const std::string from = quoted(toBitmap ? jam : bitmap);
    const std::string into = quoted(made);

    // An export replaces a texture that is there already: it must be a new file then.
    // Times alone would not tell, where the system keeps them to the second.
    const platform::FileVersion before = platform::versionOf(made);
    const ProcessResult r = m_runner.run(m_program, arguments, m_bound);
    if (!r.started)
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "The converter %1 could not convert %2 into %3: it cannot be "
                                                          "started (%4). Install kvrjam beside kvrdesk, or name a "
                                                          "converter in %5."),
                                  {program, from, into, r.startError, kConverterVariable}));
    if (r.stoppedAtBound)
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "The converter %1 could not convert %2 into %3: it had not "
                                                          "finished after %4 and was stopped."),
                                  {program, from, into, boundText(m_bound)}));
    const std::string reason = reasonFrom(r.errorOutput);
    const std::string said = reason.empty() ? "." : " (" + reason + ").";
    if (r.signal != 0)
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "The converter %1 could not convert %2 into %3: it was "
                                                          "ended by signal %4%5"),
                                  {program, from, into, std::to_string(r.signal), said}));
    if (r.exitCode != 0)
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "The converter %1 could not convert %2 into %3: it ended "
                                                          "with exit code %4%5"),
                                  {program, from, into, std::to_string(r.exitCode), said}));
    std::error_code ec;
    const bool written = fs::is_regular_file(made, ec) && (!before.exists || platform::versionOf(made) != before);
    if (!written)
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "The converter %1 could not convert %2 into %3: it ended "
                                                          "without writing the file."),
                                  {program, from, into}));
}

TDIB Converter::importHelmets(const fs::path& gameDir) const
{
    prepareTemp();
    const fs::path bitmap = helmetExchangeFile();
    removeExchangeFile(bitmap);
    const fs::path jam = gameJam(gameDir, kHelmetJam);
    run(jam, bitmap, true);
    TDIB sheet;
    try {
        sheet.loadFromFile(bitmap);
    } catch (const GeneralError& e) {
        throw GeneralError(unloadable(jam, bitmap, messageOf(e)));
    }
    return sheet;
}

void Converter::exportHelmets(const fs::path& gameDir, const TDIB& sheet) const
{
    prepareTemp();
    const fs::path bitmap = helmetExchangeFile();
    removeExchangeFile(bitmap);
    sheet.saveToFile(bitmap);
    const GameFolderLock lock(gameDir);
    run(gameJam(gameDir, kHelmetJam), bitmap, false);
}

std::vector<std::uint8_t> Converter::importCarJam(const fs::path& gameDir, std::string_view jamName) const
{
    prepareTemp();
    const fs::path bitmap = carExchangeFile();
    removeExchangeFile(bitmap);
    const fs::path jam = gameJam(gameDir, jamName);
    run(jam, bitmap, true);
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readPictureFile(bitmap, kMaxPixelBytes * 4);
        TDIB256().loadFromBytes(bytes);
    } catch (const GeneralError& e) {
        removeCarExchangeFile();
        throw GeneralError(unloadable(jam, bitmap, messageOf(e)));
    }
    removeExchangeFile(bitmap);
    return bytes;
}

void Converter::exportCarJam(const fs::path& gameDir, std::string_view jamName,
                             std::span<const std::uint8_t> bitmapFile) const
{
    prepareTemp();
    const fs::path bitmap = carExchangeFile();
    try {
        replaceFile(bitmap, bitmapFile);
    } catch (const WriteFailure& e) {
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "Cannot write the exchange file: %1"), {kvr::messageOf(e)}));
    }
    const GameFolderLock lock(gameDir);
    run(gameJam(gameDir, jamName), bitmap, false);
}

void Converter::removeCarExchangeFile() const
{
    std::error_code ec;
    fs::remove(carExchangeFile(), ec);
}

} // namespace kvr
