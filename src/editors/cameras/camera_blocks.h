// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kvr {

class GameFile;
class SettingsRecord;

namespace cameras {
inline constexpr int kWords = 8;
inline constexpr std::uint32_t kRecordBytes = kWords * 2;
inline constexpr int kShown = 9;  // "Camera n" is record n - 1; records 9 and 10 are kept as they are

// Word numbers inside a camera record.
enum Word : int {
    DistanceX = 0,
    Height = 1,
    DistanceY = 2,
    AngleX = 3,
    AngleZ = 4,
    AngleY = 5,
    Tuning1 = 6,
    Tuning2 = 7,
};

bool isAngle(int word);
} // namespace cameras

// All 11 records of eight little-endian words, moved as they are.
void readCameras(GameFile& exe, SettingsRecord& record, int version);
void writeCameras(GameFile& exe, const SettingsRecord& record, int version);

// A 16-bit signed angle word in degrees: a x 180 / 32768.
double cameraAngleDegrees(std::uint16_t word);

// Degrees to the angle word: rounded half to even, kept modulo 65536. Throws
// GeneralError for a value too large to round.
std::uint16_t cameraAngleWord(double degrees);

// The box text of an angle: 3 significant digits, shown with 3 decimals (45.000,
// 12.300, -180.000).
std::string cameraAngleText(double degrees);
std::string cameraAngleText(std::uint16_t word);

// The box text of a distance, height or tuning word.
std::string cameraWordText(std::uint16_t word, int wordNumber);

// The word a box's text stands for when the box is left. A distance or height is held
// within -32768..32767 and a tuning value within 0..65535; an angle turns round (270
// degrees is -90), since every angle has its word. For an angle box whose number
// equals the shown value of `current`, `current` is kept: the display rounds to 3
// significant digits, and merely passing through a box must not move a camera.
// Throws GeneralError when the text is not a number.
std::uint16_t cameraWordFromText(std::uint16_t current, int wordNumber, std::string_view text);

// Stores a box's text into camera record `camera` (0..10), word `wordNumber`.
void editCameraWord(SettingsRecord& record, int camera, int wordNumber, std::string_view text);

struct CameraView {
    int left = 0;
    int top = 0;
    static constexpr int kWidth = 100;
    static constexpr int kHeight = 67;
};

// Where camera 1..9's default view lies on the views sheet.
CameraView cameraView(int camera);

} // namespace kvr
