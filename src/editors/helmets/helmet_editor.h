#pragma once

#include "core/tr_marker.h"
#include "editors/helmets/helmet_sheet.h"
#include "graphics/dib.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kvr {

class Converter;
class SettingsRecord;
class UserPrompt;

inline constexpr const char* kHelmetsExported = KVR_TR_NOOP("Pictures", "Data has been exported!");
inline constexpr const char* kHelmetsImported = KVR_TR_NOOP("Pictures", "Data has been imported!");
inline constexpr const char* kHelmetSheetMissing =
    KVR_TR_NOOP("Pictures", "The helmet sheet is not available. Use \"Import from game\" to read it from the game.");

// Everything the helmets window does apart from drawing: the sheet, the single helmet
// shown in the preview, the driver list (line n is helmet n), the selected line, the
// drag source, and the buttons' actions. The window forwards its events here and then
// draws sheet() and singleHelmet(). The sheet may be unavailable (the import at start
// failed); then only importFromGame() and loadAllFromBitmap() can bring one.
class HelmetEditor {
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
    // changes nothing.
    void saveHelmetAsBitmap(UserPrompt& prompt);
    void loadHelmetFromBitmap(UserPrompt& prompt);
    void saveAllHelmetsAsBitmap(UserPrompt& prompt);
    void loadAllHelmetsFromBitmap(UserPrompt& prompt);

    // Loading a chosen file directly. Throw GeneralError naming what is needed.
    void loadHelmet(const std::filesystem::path& file);
    void loadSheet(const std::filesystem::path& file);

    // "Export into game" and "Import from game" through the converter; each reports
    // success or the converter's failure through the prompt.
    void exportIntoGame(UserPrompt& prompt, const Converter& converter, const std::filesystem::path& gameDir);
    void importFromGame(UserPrompt& prompt, const Converter& converter, const std::filesystem::path& gameDir);

  private:
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
};

} // namespace kvr
