// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/cameras/camera_blocks.h"

#include "core/errors.h"
#include "core/codecs.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace kvr {
namespace {

constexpr double kHalfTurn = 180.0;
constexpr double kHalfTurnUnits = 32768.0;
constexpr int kSignificantDigits = 3;
constexpr int kShownDecimals = 3;
constexpr double kWordModulus = 65536.0;
// Beyond this a double no longer holds whole numbers exactly.
constexpr double kLargestRoundable = 9007199254740992.0;

std::uint32_t blockBytes() { return std::uint32_t(rec::kCameraRecords) * cameras::kRecordBytes; }

constexpr std::array<CameraView, cameras::kShown> kViews = {{
    {401, 68}, {101, 0}, {201, 0}, {301, 0}, {401, 0}, {501, 0}, {101, 68}, {201, 68}, {301, 68},
}};

} // namespace

bool cameras::isAngle(int word) { return word == AngleX || word == AngleZ || word == AngleY; }

void readCameras(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::Cameras, version);
    enterBlock(exe, at, blockBytes());
    for (int r = 0; r < rec::kCameraRecords; ++r)
        for (int w = 0; w < cameras::kWords; ++w)
            record.setWord(rec::camera(r, w), kPlainWord.read(exe));
}

void writeCameras(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::Cameras, version);
    enterBlock(exe, at, blockBytes());
    for (int r = 0; r < rec::kCameraRecords; ++r)
        for (int w = 0; w < cameras::kWords; ++w)
            kPlainWord.write(exe, record.word(rec::camera(r, w)));
}

double cameraAngleDegrees(std::uint16_t word) { return double(std::int16_t(word)) * kHalfTurn / kHalfTurnUnits; }

std::uint16_t cameraAngleWord(double degrees)
{
    const double units = degrees / kHalfTurn * kHalfTurnUnits;
    if (!std::isfinite(units) || std::fabs(units) >= kLargestRoundable)
        throw GeneralError(fillIn(KVR_TR_NOOP("Messages", "The angle %1 is too large."), {cameraAngleText(degrees)}));
    // nearbyint rounds half to even in the default rounding mode.
    double wrapped = std::fmod(std::nearbyint(units), kWordModulus);
    if (wrapped < 0)
        wrapped += kWordModulus;
    return std::uint16_t(wrapped);
}

std::string cameraAngleText(double degrees)
{
    // Round once to whichever is coarser: 3 significant digits or 3 decimals.
    int decimals = kShownDecimals;
    if (degrees != 0.0) {
        const int exponent = int(std::floor(std::log10(std::fabs(degrees))));
        decimals = std::min(kShownDecimals, kSignificantDigits - 1 - exponent);
    }
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(degrees * scale) / scale;
    if (rounded == 0.0)
        rounded = 0.0;  // no "-0.000"
    // Always '.', whatever C locale the toolkit has set (the window writes it as the
    // editor's language does); room for every digit of the largest double.
    char text[std::numeric_limits<double>::max_exponent10 + 16];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, kShownDecimals);
    return ec == std::errc() ? std::string(text, end) : std::string("?");
}

std::string cameraAngleText(std::uint16_t word) { return cameraAngleText(cameraAngleDegrees(word)); }

std::string cameraWordText(std::uint16_t word, int wordNumber)
{
    switch (wordNumber) {
    case cameras::DistanceX:
    case cameras::Height:
    case cameras::DistanceY:
        return std::to_string(std::int16_t(word));
    case cameras::Tuning1:
    case cameras::Tuning2:
        return std::to_string(word);
    default:
        return cameraAngleText(word);
    }
}

std::uint16_t cameraWordFromText(std::uint16_t current, int wordNumber, std::string_view text)
{
    if (wordNumber < 0 || wordNumber >= cameras::kWords)
        throw std::out_of_range("camera word number");
    if (cameras::isAngle(wordNumber)) {
        const std::optional<double> degrees = parseDecimalNumber(text);
        if (!degrees)
            throw GeneralError(notANumberMessage(text));
        if (*degrees == cameraAngleDegrees(current) || *degrees == parseDecimalNumber(cameraAngleText(current)))
            return current;
        return cameraAngleWord(*degrees);
    }
    // Distances and the height are signed, the tuning values not.
    const bool isSigned = wordNumber == cameras::DistanceX || wordNumber == cameras::Height ||
                          wordNumber == cameras::DistanceY;
    return std::uint16_t(typedInRange(text, isSigned ? kSignedWordRange : kWordRange));
}

void editCameraWord(SettingsRecord& record, int camera, int wordNumber, std::string_view text)
{
    if (camera < 0 || camera >= rec::kCameraRecords)
        throw std::out_of_range("camera record number");
    const std::size_t at = rec::camera(camera, wordNumber);
    record.setWord(at, cameraWordFromText(record.word(at), wordNumber, text));
}

CameraView cameraView(int camera)
{
    if (camera < 1 || camera > cameras::kShown)
        throw std::out_of_range("camera number");
    return kViews[std::size_t(camera - 1)];
}

} // namespace kvr
