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
    if (const char* own = std::getenv(kConverterVariable); own && *own)
        return fs::path(own);
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

std::string Converter::unloadable(const fs::path& jam, const fs::path& bitmap) const
{
    return "The converter " + quoted(m_program) + " converted " + quoted(jam) + " into " + quoted(bitmap) +
           ", but the editor cannot load that file as an 8-bit bitmap: ";
}

void Converter::prepareTemp() const
{
    std::error_code ec;
    fs::create_directories(m_tempDir, ec);
    if (ec)
        throw GeneralError("Cannot make the editor's TEMP folder " + quoted(m_tempDir) + ": " + ec.message() + ".");
}

void Converter::removeExchangeFile(const fs::path& file) const
{
    std::error_code ec;
    fs::remove(file, ec);
    if (ec && fs::exists(file))
        throw GeneralError("Cannot remove the old exchange file " + quoted(file) + ": " + ec.message() + ".");
}

void Converter::run(const fs::path& jam, const fs::path& bitmap, bool toBitmap) const
{
    const std::string jamArgument = "-j" + jam.string();
    const std::string bitmapArgument = "-b" + bitmap.string();
    const std::vector<std::string> arguments = toBitmap ? std::vector{jamArgument, bitmapArgument, std::string("-y")}
                                                        : std::vector{bitmapArgument, jamArgument, std::string("-y")};
    const fs::path& made = toBitmap ? bitmap : jam;
    const std::string failed = "The converter " + quoted(m_program) + " could not convert " +
                               quoted(toBitmap ? jam : bitmap) + " into " + quoted(made) + ": ";

    // An export replaces a texture that is there already: it must be a new file then.
    // Times alone would not tell, where the system keeps them to the second.
    const platform::FileVersion before = platform::versionOf(made);
    const ProcessResult r = m_runner.run(m_program, arguments, m_bound);
    if (!r.started)
        throw GeneralError(failed + "it cannot be started (" + r.startError +
                           "). Install kvrjam beside kvrdesk, or name a converter in " + kConverterVariable + ".");
    if (r.stoppedAtBound)
        throw GeneralError(failed + "it had not finished after " + boundText(m_bound) + " and was stopped.");
    const std::string reason = reasonFrom(r.errorOutput);
    const std::string said = reason.empty() ? "." : " (" + reason + ").";
    if (r.signal != 0)
        throw GeneralError(failed + "it was ended by signal " + std::to_string(r.signal) + said);
    if (r.exitCode != 0)
        throw GeneralError(failed + "it ended with exit code " + std::to_string(r.exitCode) + said);
    std::error_code ec;
    const bool written = fs::is_regular_file(made, ec) && (!before.exists || platform::versionOf(made) != before);
    if (!written)
        throw GeneralError(failed + "it ended without writing the file.");
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
        throw GeneralError(unloadable(jam, bitmap) + e.what());
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
        throw GeneralError(unloadable(jam, bitmap) + e.what());
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
        throw GeneralError(std::string("Cannot write the exchange file: ") + e.what());
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
