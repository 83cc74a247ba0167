// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tr_marker.h"
#include "editors/helmets/helmet_sheet.h"
#include "editors/picture_history.h"
#include "graphics/dib.h"
#include "graphics/picture_conversion.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kvr {

class Converter;
class PictureFiles;
class SettingsRecord;
class UserPrompt;

inline constexpr kvr::Marked kHelmetsExported = KVR_TR_NOOP("Pictures", "Data has been exported!");
inline constexpr kvr::Marked kHelmetsImported = KVR_TR_NOOP("Pictures", "Data has been imported!");
inline constexpr kvr::Marked kHelmetSheetMissing =
    KVR_TR_NOOP("Pictures", "The helmet sheet is not available. Use \"Import from game\" to read it from the game.");

// The steps of the helmets' own history, as its Edit menu names them.
inline constexpr kvr::Marked kSwapHelmetsStep = KVR_TR_NOOP("Pictures", "Swap helmets");
inline constexpr kvr::Marked kLoadHelmetStep = KVR_TR_NOOP("Pictures", "Load helmet");
inline constexpr kvr::Marked kLoadAllHelmetsStep = KVR_TR_NOOP("Pictures", "Load all helmets");
inline constexpr kvr::Marked kImportHelmetsStep = KVR_TR_NOOP("Pictures", "Import helmets from game");

// Everything the helmets window does apart from drawing: the sheet, the single helmet
// shown in the preview, the driver list (line n is helmet n), the selected line, the
// drag source, the buttons' actions, and the history of the sheet. The window forwards
// its events here and then draws sheet() and singleHelmet(). The sheet may be
// unavailable (the import at start failed); then only importFromGame() and
// loadAllFromBitmap() can bring one.
//
// Each change of the sheet is one step that undo() takes back: a swap, a helmet or all
// helmets loaded from a bitmap, the game's sheet imported. Bringing a sheet where there
// was none is no step: undo never takes the sheet away.
class HelmetEditor : public UndoSteps {
  public:
    bool available() const { return !m_sheet.empty(); }
    // Whether the sheet differs from the game's texture as last imported or exported.
    bool unexported() const;
    const TDIB& sheet() const { return m_sheet; }
    const TDIB& singleHelmet() const { return m_single; }
    const std::vector<std::string>& driverLines() const { return m_lines; }
    int selected() const { return m_selected; }
    int dragSource() const { return m_dragSource; }

    // The single helmet's bitmap (DATA/SMALL.DIB): only its size, depth and colours
    // matter. Throws GeneralError when it is not an 8-bit 74 x 15 bitmap. Without it the
    // single helmet takes the sheet's colours.
    void loadSingleHelmet(const std::filesystem::path& file);

    // The sheet through the converter, at start-up: GeneralError when it fails, and
    // the sheet stays as it was (unavailable at start).
    void importSheet(const Converter& converter, const std::filesystem::path& gameDir);

    // Showing the window: drag source cleared, driver list rebuilt, line 0 selected.
    void show(const SettingsRecord& record);

    // Mode select for line n (a list click). False, changing nothing, for a line that
    // does not exist or while the sheet is unavailable.
    bool selectLine(int line);
    // Mouse press on the sheet: selects the helmet under the point and makes it the
    // drag source; true when one was selected.
    bool press(int x, int y);
    // Mouse release: over another helmet with a line, the two change places (mode
    // swap) and true is returned. The drag source is cleared either way.
    bool release(int x, int y);
    // The keyboard's swap: the first call picks the selected helmet, a call on another
    // line swaps the two (true), a call on the picked line puts it down again.
    bool pickOrSwap();
    // The helmet picked by pickOrSwap() or pressed on the sheet; -1 when none.
    int picked() const { return m_dragSource; }
    void putDown() { m_dragSource = -1; }

    // The four file buttons: ask for a file, act, report problems. A refused file
    // changes nothing. A picture not in the sheet's colours and size goes through the
    // conversion window first (Cancel changes nothing); a name ending in .png saves an
    // indexed PNG in the sheet's colours.
    void saveHelmetAsBitmap(UserPrompt& prompt, const PictureFiles& files);
    void loadHelmetFromBitmap(UserPrompt& prompt, const PictureFiles& files);
    void saveAllHelmetsAsBitmap(UserPrompt& prompt, const PictureFiles& files);
    void loadAllHelmetsFromBitmap(UserPrompt& prompt, const PictureFiles& files);

    // What a painting of one helmet or of the whole sheet is converted into: the sheet's
    // colours and the size, with the colour around the selected helmet or on the sheet's
    // edge for its transparent parts.
    ConversionTarget helmetTarget() const;
    ConversionTarget sheetTarget() const;
    // A picture in the sheet's colours, as one step: into the selected cell, or as the
    // whole sheet. GeneralError, changing nothing, when it has another size.
    void putHelmet(const IndexedPicture& helmet);
    void putSheet(const IndexedPicture& sheet);
    // The single helmet and the sheet in the sheet's colours, as a PNG holds them.
    IndexedPicture helmetPicture() const;
    IndexedPicture sheetPicture() const;

    // Loading a chosen file directly, one step each. Throw GeneralError naming what is
    // needed, changing nothing.
    void loadHelmet(const std::filesystem::path& file);
    void loadSheet(const std::filesystem::path& file);
    // A new sheet (made by a conversion, say) as one step named `step`; GeneralError,
    // changing nothing, when it is not an 8-bit 256 x 180 bitmap.
    void pushSheet(const TDIB& sheet, const char* step);

    const char* undoStep() const override { return m_history.undoStep(); }
    const char* redoStep() const override { return m_history.redoStep(); }
    // The sheet and the single helmet as they were before the last step (after the step
    // last undone); the selected line stays selected and shows its helmet, a picked
    // helmet is put down.
    void undo() override;
    void redo() override;

    // "Export into game" and "Import from game" through the converter; each reports
    // success or the converter's failure through the prompt.
    void exportIntoGame(UserPrompt& prompt, const Converter& converter, const std::filesystem::path& gameDir);
    void importFromGame(UserPrompt& prompt, const Converter& converter, const std::filesystem::path& gameDir);

  private:
    // The two pictures as their files hold them: copies of a TDIB share its pixels.
    struct Pictures {
        std::vector<std::uint8_t> sheet;
        std::vector<std::uint8_t> single;
        bool operator==(const Pictures&) const = default;
    };
    Pictures pictures() const;
    void restore(const Pictures& pictures);
    // Runs `change` of the sheet as the step `step`.
    void step(const char* step, const std::function<void()>& change);

    bool hasHelmet(int line) const { return line >= 0 && line < int(m_lines.size()) && line < helmets::kCount; }
    void modeSelect(int line);
    void swapCells(int a, int b);
    void takeSheet(const TDIB& sheet);
    void ensureSingleHelmet();

    TDIB m_sheet;
    // The sheet's file image as the game's texture holds it.
    std::vector<std::uint8_t> m_gameImage;
    TDIB m_single;
    std::vector<std::uint8_t> m_buffer;
    std::vector<std::string> m_lines;
    int m_selected = 0;
    int m_dragSource = -1;
    PictureHistory<Pictures> m_history;
};

} // namespace kvr
