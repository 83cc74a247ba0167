// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/helmets/helmet_editor.h"
#include "core/tr_marker.h"

#include "core/errors.h"
#include "core/user_prompt.h"
#include "editors/picture_dialogs.h"
#include "graphics/bitmap_writer.h"
#include "graphics/picture_files.h"
#include "textures/bitmap_check.h"
#include "textures/converter.h"

namespace kvr {
namespace fs = std::filesystem;

namespace {

constexpr kvr::Marked kLoadTitle = KVR_TR_NOOP("Pictures", "Load helmet from bitmap");
constexpr kvr::Marked kSaveTitle = KVR_TR_NOOP("Pictures", "Save helmet as bitmap");
constexpr const char* kSheetFileName = "HELMETS1.BMP";

// One helmet's own file beside the sheet's: HELMET01.BMP for the first.
std::string helmetFileName(int line)
{
    const int number = line + 1;
    return std::string("HELMET") + char('0' + number / 10 % 10) + char('0' + number % 10) + ".BMP";
}

ColourTable coloursOf(const TDIB& bitmap)
{
    ColourTable colours{};
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = bitmap.colour(i);
    return colours;
}

std::vector<std::uint8_t> rowsOf(const IndexedPicture& picture)
{
    std::vector<std::uint8_t> pixels;
    pixels.reserve(std::size_t(picture.width) * std::size_t(picture.height));
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            pixels.push_back(picture.at(x, y));
    return pixels;
}

void needSize(const IndexedPicture& picture, int width, int height)
{
    if (picture.width != width || picture.height != height)
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "The picture has %1 x %2 pixels; it must have %3 x %4."),
                                  {std::to_string(picture.width), std::to_string(picture.height), std::to_string(width),
                                   std::to_string(height)}));
}

TDIB loadChecked(const fs::path& file, std::optional<Message> (*problemOf)(const TDIB&))
{
    TDIB bitmap;
    try {
        bitmap.loadFromFile(file);
    } catch (const GeneralError& e) {
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "\"%1\" cannot be loaded: %2"), {file.string(), kvr::messageOf(e)}));
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

ConversionTarget HelmetEditor::helmetTarget() const
{
    const std::vector<std::uint8_t> cell =
        hasHelmet(m_selected) ? copyCell(m_sheet, m_selected) : std::vector<std::uint8_t>();
    return {coloursOf(m_sheet), helmets::kWidth, helmets::kHeight,
            edgeColour(cell, helmets::kWidth, helmets::kHeight, helmets::kWidth)};
}

ConversionTarget HelmetEditor::sheetTarget() const
{
    return {coloursOf(m_sheet), helmets::kSheetWidth, helmets::kSheetHeight,
            edgeColour(sheetPicture().pixels, helmets::kSheetWidth, helmets::kSheetHeight, sheetPicture().stride)};
}

void HelmetEditor::putHelmet(const IndexedPicture& helmet)
{
    if (!available())
        throw GeneralError(kHelmetSheetMissing);
    if (!hasHelmet(m_selected))
        throw GeneralError(KVR_TR_NOOP("Pictures", "No helmet is selected."));
    needSize(helmet, helmets::kWidth, helmets::kHeight);
    const std::vector<std::uint8_t> pixels = rowsOf(helmet);
    step(kLoadHelmetStep, [&] {
        m_buffer = pixels;
        pasteCell(m_sheet, m_selected, m_buffer);
        setHelmetPixels(m_single, m_buffer);
    });
}

void HelmetEditor::putSheet(const IndexedPicture& sheet)
{
    if (!available())
        throw GeneralError(kHelmetSheetMissing);
    needSize(sheet, helmets::kSheetWidth, helmets::kSheetHeight);
    // The sheet's own header and colours, with the new pixels.
    TDIB own;
    own.loadFromBytes(m_sheet.saveToBytes());
    const std::span<std::uint8_t> rows = own.pixels();
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < sheet.width; ++x)
            rows[std::size_t(sheet.height - 1 - y) * own.rowSize() + std::size_t(x)] = sheet.at(x, y);
    step(kLoadAllHelmetsStep, [&] { takeSheet(own); });
}

IndexedPicture HelmetEditor::helmetPicture() const
{
    IndexedPicture p(helmets::kWidth, helmets::kHeight);
    p.colours = coloursOf(m_sheet);
    const std::vector<std::uint8_t> pixels = helmetPixels(m_single);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.set(x, y, pixels[std::size_t(y) * helmets::kWidth + std::size_t(x)]);
    return p;
}

IndexedPicture HelmetEditor::sheetPicture() const
{
    IndexedPicture p(helmets::kSheetWidth, helmets::kSheetHeight);
    p.colours = coloursOf(m_sheet);
    if (sheetProblem(m_sheet))
        return p;
    const std::span<const std::uint8_t> rows = m_sheet.pixels();
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.set(x, y, rows[std::size_t(p.height - 1 - y) * m_sheet.rowSize() + std::size_t(x)]);
    return p;
}

void HelmetEditor::saveHelmetAsBitmap(UserPrompt& prompt, const PictureFiles& files)
{
    if (!available()) {
        prompt.warn(kHelmetSheetMissing);
        return;
    }
    if (const auto file =
            prompt.chooseFile(savePictureDialog(FileRequest::Kind::Helmet, kSaveTitle, helmetFileName(m_selected)))) {
        try {
            if (isPngName(*file))
                savePng(files, helmetPicture(), *file);
            else
                m_single.saveToFile(*file);
        } catch (const GeneralError& e) {
            prompt.warn(kvr::messageOf(e));
        }
    }
}

void HelmetEditor::loadHelmetFromBitmap(UserPrompt& prompt, const PictureFiles& files)
{
    if (!available()) {
        prompt.warn(kHelmetSheetMissing);
        return;
    }
    if (const auto file = prompt.chooseFile(openPictureDialog(FileRequest::Kind::Helmet, kLoadTitle, files))) {
        try {
            if (const auto helmet = pictureForTexture(prompt, files, *file, helmetTarget()))
                putHelmet(*helmet);
        } catch (const GeneralError& e) {
            prompt.warn(kvr::messageOf(e));
        }
    }
}

void HelmetEditor::saveAllHelmetsAsBitmap(UserPrompt& prompt, const PictureFiles& files)
{
    if (!available()) {
        prompt.warn(kHelmetSheetMissing);
        return;
    }
    if (const auto file = prompt.chooseFile(savePictureDialog(FileRequest::Kind::Helmet, kSaveTitle, kSheetFileName))) {
        try {
            if (isPngName(*file))
                savePng(files, sheetPicture(), *file);
            else
                m_sheet.saveToFile(*file);
        } catch (const GeneralError& e) {
            prompt.warn(kvr::messageOf(e));
        }
    }
}

void HelmetEditor::loadAllHelmetsFromBitmap(UserPrompt& prompt, const PictureFiles& files)
{
    if (const auto file = prompt.chooseFile(openPictureDialog(FileRequest::Kind::Helmet, kLoadTitle, files))) {
        try {
            if (!available()) {
                // No sheet whose colours a painting could take: only a sheet in colours
                // of its own, as the editor saves one.
                const PaintedPicture own = files.read(*file);
                if (!own.indexed())
                    throw GeneralError(kHelmetSheetMissing);
                IndexedPicture sheet(own.width, own.height);
                sheet.colours = own.colours;
                for (int y = 0; y < own.height; ++y)
                    for (int x = 0; x < own.width; ++x)
                        sheet.set(x, y, own.indices[std::size_t(y) * std::size_t(own.width) + std::size_t(x)]);
                TDIB bitmap;
                bitmap.loadFromBytes(encodeBitmap8(sheet));
                pushSheet(bitmap, kLoadAllHelmetsStep);
            } else if (const auto sheet = pictureForTexture(prompt, files, *file, sheetTarget())) {
                putSheet(*sheet);
            }
        } catch (const GeneralError& e) {
            prompt.warn(kvr::messageOf(e));
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
        prompt.warn(kvr::messageOf(e));
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
        prompt.warn(kvr::messageOf(e));
        return;
    }
    prompt.inform(kHelmetsImported);
}

} // namespace kvr
