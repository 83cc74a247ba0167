// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/helmets/helmet_editor.h"
#include "core/tr_marker.h"

#include "core/errors.h"
#include "core/user_prompt.h"
#include "graphics/bitmap_writer.h"
#include "textures/bitmap_check.h"
#include "textures/converter.h"

namespace kvr {
namespace fs = std::filesystem;

namespace {

constexpr const char* kLoadTitle = KVR_TR_NOOP("Pictures", "Load helmet from bitmap");
constexpr const char* kSaveTitle = KVR_TR_NOOP("Pictures", "Save helmet as bitmap");
constexpr const char* kSheetFileName = "HELMETS1.BMP";

FileRequest bitmapDialog(FileRequest::Mode mode, std::string fileName = {})
{
    return FileRequest::inWorkingDirectory(mode, mode == FileRequest::Mode::Save ? kSaveTitle : kLoadTitle,
                                           KVR_TR_NOOP("Pictures", "BMP files") "|*.BMP", "BMP", std::move(fileName));
}

TDIB loadChecked(const fs::path& file, std::optional<std::string> (*problemOf)(const TDIB&))
{
    TDIB bitmap;
    try {
        bitmap.loadFromFile(file);
    } catch (const GeneralError& e) {
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "\"%1\" cannot be loaded: %2"), {file.string(), e.what()}));
    }
    if (const auto problem = problemOf(bitmap))
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "\"%1\" cannot be used. %2"), {file.string(), *problem}));
    return bitmap;
}

} // namespace

void HelmetEditor::loadSingleHelmet(const fs::path& file)
{
    m_single = loadChecked(file, helmetProblem);
    if (available() && hasHelmet(m_selected))
        modeSelect(m_selected);
}

void HelmetEditor::ensureSingleHelmet()
{
    if (!helmetProblem(m_single))
        return;
    IndexedPicture blank(helmets::kWidth, helmets::kHeight);
    for (std::size_t i = 0; i < blank.colours.size(); ++i)
        blank.colours[i] = m_sheet.colour(i);
    m_single.loadFromBytes(encodeBitmap8(blank));
}

void HelmetEditor::takeSheet(const TDIB& sheet)
{
    m_sheet = sheet;
    ensureSingleHelmet();
    // The preview and the buffer follow the new sheet, so neither shows a helmet that
    // is no longer there nor writes one back.
    if (hasHelmet(m_selected))
        modeSelect(m_selected);
}

void HelmetEditor::importSheet(const Converter& converter, const fs::path& gameDir)
{
    const TDIB sheet = converter.importHelmets(gameDir);
    if (const auto problem = sheetProblem(sheet))
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "The converter %1 made a sheet that cannot be used. %2"),
                                  {converter.program().string(), *problem}));
    takeSheet(sheet);
    m_gameImage = m_sheet.saveToBytes();
}

bool HelmetEditor::unexported() const
{
    return available() && m_sheet.saveToBytes() != m_gameImage;
}

void HelmetEditor::show(const SettingsRecord& record)
{
    m_dragSource = -1;
    m_lines = helmetDriverLines(record);
    m_selected = 0;
    if (available() && hasHelmet(0))
        modeSelect(0);
}

void HelmetEditor::modeSelect(int line)
{
    m_selected = line;
    m_buffer = copyCell(m_sheet, line);
    setHelmetPixels(m_single, m_buffer);
}

bool HelmetEditor::selectLine(int line)
{
    if (!available() || !hasHelmet(line))
        return false;
    modeSelect(line);
    return true;
}

bool HelmetEditor::press(int x, int y)
{
    m_dragSource = -1;
    const auto helmet = helmetAt(x, y);
    if (!helmet || !selectLine(*helmet))
        return false;
    m_dragSource = *helmet;
    return true;
}

bool HelmetEditor::release(int x, int y)
{
    const int source = m_dragSource;
    m_dragSource = -1;
    const auto target = helmetAt(x, y);
    if (source < 0 || !available() || !target || *target == source || !hasHelmet(*target))
        return false;
    m_selected = *target;
    step(kSwapHelmetsStep, [&] { swapCells(source, *target); });
    return true;
}

bool HelmetEditor::pickOrSwap()
{
    if (!available() || !hasHelmet(m_selected)) {
        m_dragSource = -1;
        return false;
    }
    if (m_dragSource < 0 || !hasHelmet(m_dragSource)) {
        m_dragSource = m_selected;
        return false;
    }
    const int source = m_dragSource;
    m_dragSource = -1;
    if (source == m_selected)
        return false;
    step(kSwapHelmetsStep, [&] {
        swapCells(source, m_selected);
        // The selected line shows the helmet it holds now.
        modeSelect(m_selected);
    });
    return true;
}

void HelmetEditor::swapCells(int a, int b)
{
    const auto pixelsOfA = copyCell(m_sheet, a);
    pasteCell(m_sheet, a, copyCell(m_sheet, b));
    pasteCell(m_sheet, b, pixelsOfA);
}

void HelmetEditor::loadHelmet(const fs::path& file)
{
    if (!available())
        throw GeneralError(kHelmetSheetMissing);
    if (!hasHelmet(m_selected))
        throw GeneralError(KVR_TR_NOOP("Pictures", "No helmet is selected."));
    TDIB single = loadChecked(file, helmetProblem);
    step(kLoadHelmetStep, [&] {
        m_single = std::move(single);
        m_buffer = helmetPixels(m_single);
        pasteCell(m_sheet, m_selected, m_buffer);
    });
}

void HelmetEditor::loadSheet(const fs::path& file)
{
    const TDIB sheet = loadChecked(file, sheetProblem);
    // The sheet goes into the game as it is held; an export is no time to learn that the
    // converter will not read it.
    if (const auto problem = textureBitmapProblem(sheet.saveToBytes()))
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "\"%1\" cannot be used. %2"), {file.string(), *problem}));
    pushSheet(sheet, kLoadAllHelmetsStep);
}

void HelmetEditor::pushSheet(const TDIB& sheet, const char* name)
{
    if (const auto problem = sheetProblem(sheet))
        throw GeneralError(*problem);
    // A copy of its own: the caller's would change with every swap.
    TDIB own;
    own.loadFromBytes(sheet.saveToBytes());
    step(name, [&] { takeSheet(own); });
}

HelmetEditor::Pictures HelmetEditor::pictures() const
{
    return {m_sheet.saveToBytes(), m_single.saveToBytes()};
}

void HelmetEditor::restore(const Pictures& pictures)
{
    m_sheet.loadFromBytes(pictures.sheet);
    m_single.loadFromBytes(pictures.single);
    m_dragSource = -1;
    if (available() && hasHelmet(m_selected))
        modeSelect(m_selected);
}

void HelmetEditor::step(const char* name, const std::function<void()>& change)
{
    if (!available()) {
        change();
        return;
    }
    Pictures before = pictures();
    change();
    m_history.push(std::move(before), pictures(), name);
}

void HelmetEditor::undo()
{
    if (undoStep())
        restore(m_history.undo(pictures()));
}

void HelmetEditor::redo()
{
    if (redoStep())
        restore(m_history.redo(pictures()));
}

void HelmetEditor::saveHelmetAsBitmap(UserPrompt& prompt)
{
    if (!available()) {
        prompt.warn(kHelmetSheetMissing);
        return;
    }
    if (const auto file = prompt.chooseFile(bitmapDialog(FileRequest::Mode::Save))) {
        try {
            m_single.saveToFile(*file);
        } catch (const GeneralError& e) {
            prompt.warn(e.what());
        }
    }
}

void HelmetEditor::loadHelmetFromBitmap(UserPrompt& prompt)
{
    if (!available()) {
        prompt.warn(kHelmetSheetMissing);
        return;
    }
    if (const auto file = prompt.chooseFile(bitmapDialog(FileRequest::Mode::Open))) {
        try {
            loadHelmet(*file);
        } catch (const GeneralError& e) {
            prompt.warn(e.what());
        }
    }
}

void HelmetEditor::saveAllHelmetsAsBitmap(UserPrompt& prompt)
{
    if (!available()) {
        prompt.warn(kHelmetSheetMissing);
        return;
    }
    if (const auto file = prompt.chooseFile(bitmapDialog(FileRequest::Mode::Save, kSheetFileName))) {
        try {
            m_sheet.saveToFile(*file);
        } catch (const GeneralError& e) {
            prompt.warn(e.what());
        }
    }
}

void HelmetEditor::loadAllHelmetsFromBitmap(UserPrompt& prompt)
{
    if (const auto file = prompt.chooseFile(bitmapDialog(FileRequest::Mode::Open))) {
        try {
            loadSheet(*file);
        } catch (const GeneralError& e) {
            prompt.warn(e.what());
        }
    }
}

void HelmetEditor::exportIntoGame(UserPrompt& prompt, const Converter& converter, const fs::path& gameDir)
{
    if (!available()) {
        prompt.warn(kHelmetSheetMissing);
        return;
    }
    try {
        converter.exportHelmets(gameDir, m_sheet);
    } catch (const GeneralError& e) {
        prompt.warn(e.what());
        return;
    }
    m_gameImage = m_sheet.saveToBytes();
    prompt.inform(kHelmetsExported);
}

void HelmetEditor::importFromGame(UserPrompt& prompt, const Converter& converter, const fs::path& gameDir)
{
    try {
        step(kImportHelmetsStep, [&] { importSheet(converter, gameDir); });
    } catch (const GeneralError& e) {
        prompt.warn(e.what());
        return;
    }
    prompt.inform(kHelmetsImported);
}

} // namespace kvr
