// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tr_marker.h"
#include "editors/jams/car_jam_files.h"
#include "editors/picture_history.h"
#include "graphics/dib256.h"
#include "graphics/picture_conversion.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

class Converter;
class PictureFiles;
class SettingsRecord;
class UserPrompt;

inline constexpr kvr::Marked kBitmapImported = KVR_TR_NOOP("Pictures", "Bitmap has been imported!");
inline constexpr kvr::Marked kBitmapExported = KVR_TR_NOOP("Pictures", "Bitmap has been exported!");
// The steps of the painting's own history, as its Edit menu names them.
inline constexpr kvr::Marked kLoadPaintingStep = KVR_TR_NOOP("Pictures", "Load bitmap");
inline constexpr kvr::Marked kImportPaintingStep = KVR_TR_NOOP("Pictures", "Import painting from game");

struct PaintingSize {
    int width = 0;
    int height = 0;
    bool operator==(const PaintingSize&) const = default;
};

// Everything the car JAMs window does apart from drawing: the texture file list, the
// list of enabled teams kept in step with it, the picture (the bitmap file's bytes,
// passed on unchanged, and the picture they make), the buttons' actions and the history
// of the painting: each new painting (loaded from a bitmap, imported from the game) is
// one step that undo() takes back, to the empty picture too.
class CarJamEditor : public UndoSteps {
  public:
    // Showing the window: the team list refilled; the picture and the chosen texture
    // file stay from the last time, so that a painting not exported is not lost.
    void show(const SettingsRecord& record);
    // Another game: no picture, no history, first line of both lists.
    void clear();
    // The team list afresh after a change of the record; the picture and the chosen
    // texture file stay.
    void showTeams(const SettingsRecord& record);

    const std::vector<std::string>& teamLines() const { return m_teams; }
    int fileLine() const { return m_fileLine; }
    // None when the team list is shorter than the file list's selected line.
    std::optional<int> teamLine() const;
    std::string_view selectedFile() const { return kCarJamFiles[std::size_t(m_fileLine)]; }

    // Line k of one list selects line k of the other. Lines that do not exist are ignored.
    void selectFile(int line);
    void selectTeam(int line);

    bool hasPicture() const { return !m_bitmapFile.empty(); }
    // Whether the picture is not one the game's textures held when it was last imported
    // or exported.
    bool unexported() const { return hasPicture() && m_bitmapFile != m_gameBitmapFile; }
    const TDIB256& picture() const { return m_picture; }
    std::span<const std::uint8_t> bitmapFile() const { return m_bitmapFile; }

    // A painting from a file, by the rule a painting imported from the game follows: an
    // 8-bit bitmap, plain or run-length compressed, of the texture's own size (any size
    // when that is not known). Throws GeneralError naming what is needed; the picture
    // keeps what it had.
    void loadBitmap(const std::filesystem::path& file, std::optional<PaintingSize> textureSize);

    // A new painting, the file image of an 8-bit bitmap (made by a conversion, say), as
    // one step named `step`. Throws GeneralError when it is no bitmap, changing nothing.
    void pushPainting(std::vector<std::uint8_t> bitmapFile, const char* step);

    const char* undoStep() const override { return m_history.undoStep(); }
    const char* redoStep() const override { return m_history.redoStep(); }
    void undo() override;
    void redo() override;

    // The selected texture's size as the converter gives it: remembered from its last
    // import in this showing, or asked of the converter now. None when the converter
    // cannot give it (the texture is missing or damaged): the converter then takes a
    // painting of any size.
    std::optional<PaintingSize> textureSize(const Converter& converter, const std::filesystem::path& gameDir);

    // What a painting for the selected texture is converted into: the texture's colours,
    // size and edge colour as the converter gives them; where it cannot, the painting's
    // now shown (or `gamePalette`) and any size (`painted`).
    ConversionTarget paintingTarget(const Converter& converter, const std::filesystem::path& gameDir,
                                    const ColourTable& gamePalette, PaintingSize painted);

    // The buttons. Saving and exporting do nothing while the picture is empty. A picture
    // not in the texture's colours and size goes through the conversion window first
    // (Cancel changes nothing); a name ending in .png saves an indexed PNG.
    void loadBitmap(UserPrompt& prompt, const Converter& converter, const std::filesystem::path& gameDir,
                    const PictureFiles& files, const ColourTable& gamePalette);
    void saveAsBitmap(UserPrompt& prompt, const PictureFiles& files);
    void importFromGame(UserPrompt& prompt, const Converter& converter, const std::filesystem::path& gameDir);
    void exportToGame(UserPrompt& prompt, const Converter& converter, const std::filesystem::path& gameDir);

    // Closing the window: the exchange file goes.
    void close(const Converter& converter);

  private:
    void take(std::vector<std::uint8_t> bitmapFile);
    void showPainting(std::vector<std::uint8_t> bitmapFile);

    std::vector<std::string> m_teams;
    int m_fileLine = 0;
    // What the converter gave of each texture in this showing.
    struct TextureLook {
        PaintingSize size;
        ColourTable colours{};
        std::uint8_t edge = 0;
    };
    static TextureLook lookOf(const TDIB256& picture);
    std::array<std::optional<TextureLook>, kCarJamFiles.size()> m_textures{};
    TDIB256 m_picture;
    std::vector<std::uint8_t> m_bitmapFile;
    std::vector<std::uint8_t> m_gameBitmapFile;
    PictureHistory<std::vector<std::uint8_t>> m_history;
};

} // namespace kvr
