// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/jams/car_jam_editor.h"

#include "core/byte_reader.h"
#include "core/errors.h"
#include "core/folder_lock.h"
#include "core/safe_write.h"
#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "core/user_prompt.h"
#include "editors/names/names_rules.h"
#include "editors/picture_dialogs.h"
#include "graphics/picture_files.h"
#include "textures/bitmap_check.h"
#include "textures/converter.h"

namespace kvr {
namespace fs = std::filesystem;

namespace {

constexpr kvr::Marked kSaveTitle = KVR_TR_NOOP("Pictures", "Save bitmap file");
constexpr kvr::Marked kLoadTitle = KVR_TR_NOOP("Pictures", "Load bitmap file");

std::string quoted(const fs::path& p)
{
    const std::string name = p.string();
    return "\"" + name + "\"";
}

} // namespace

void CarJamEditor::show(const SettingsRecord& record)
{
    // The textures may have changed while the window was closed.
    m_textures = {};
    showTeams(record);
}

void CarJamEditor::clear()
{
    m_picture = TDIB256();
    m_bitmapFile.clear();
    m_gameBitmapFile.clear();
    m_history.clear();
    m_fileLine = 0;
}

void CarJamEditor::showTeams(const SettingsRecord& record)
{
    m_teams.clear();
    for (int team : enabledTeams(record))
        m_teams.push_back(record.shortString(rec::teamName(team), rec::kTeamNameChars));
}

std::optional<int> CarJamEditor::teamLine() const
{
    if (m_fileLine < int(m_teams.size()))
        return m_fileLine;
    return std::nullopt;
}

void CarJamEditor::selectFile(int line)
{
    if (line >= 0 && line < int(kCarJamFiles.size()))
        m_fileLine = line;
}

void CarJamEditor::selectTeam(int line)
{
    if (line >= 0 && line < int(m_teams.size()))
        selectFile(line);
}

void CarJamEditor::take(std::vector<std::uint8_t> bitmapFile)
{
    pushPainting(std::move(bitmapFile), kImportPaintingStep);
    m_textures[std::size_t(m_fileLine)] = lookOf(m_picture);
}

void CarJamEditor::pushPainting(std::vector<std::uint8_t> bitmapFile, const char* step)
{
    std::vector<std::uint8_t> before = m_bitmapFile;
    showPainting(std::move(bitmapFile));
    m_history.push(std::move(before), m_bitmapFile, step);
}

void CarJamEditor::showPainting(std::vector<std::uint8_t> bitmapFile)
{
    TDIB256 picture;
    if (!bitmapFile.empty())
        picture.loadFromBytes(bitmapFile);
    m_picture = std::move(picture);
    m_bitmapFile = std::move(bitmapFile);
}

void CarJamEditor::undo()
{
    if (undoStep())
        showPainting(m_history.undo(m_bitmapFile));
}

void CarJamEditor::redo()
{
    if (redoStep())
        showPainting(m_history.redo(m_bitmapFile));
}

void CarJamEditor::loadBitmap(const fs::path& file, std::optional<PaintingSize> textureSize)
{
    std::vector<std::uint8_t> bytes = readPictureFile(file, kMaxPixelBytes * 4);
    if (const auto problem = textureBitmapProblem(bytes))
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "%1 cannot be used. %2"), {quoted(file), *problem}));
    TDIB256 picture;
    picture.loadFromBytes(bytes);
    const PaintingSize size{picture.width(), picture.height()};
    auto sizeText = [](PaintingSize s) { return std::to_string(s.width) + " x " + std::to_string(s.height); };
    if (textureSize && size != *textureSize)
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "%1 cannot be used. The texture %2 is %3 pixels, and so "
                                                          "must its painting be; this bitmap is %4."),
                                  {quoted(file), std::string(selectedFile()), sizeText(*textureSize), sizeText(size)}));
    pushPainting(std::move(bytes), kLoadPaintingStep);
}

CarJamEditor::TextureLook CarJamEditor::lookOf(const TDIB256& picture)
{
    return {PaintingSize{picture.width(), picture.height()}, picture.colours(),
            edgeColour(picture.pixels(), picture.width(), picture.height(), picture.stride())};
}

std::optional<PaintingSize> CarJamEditor::textureSize(const Converter& converter, const fs::path& gameDir)
{
    std::optional<TextureLook>& known = m_textures[std::size_t(m_fileLine)];
    if (!known) {
        try {
            TDIB256 texture;
            texture.loadFromBytes(converter.importCarJam(gameDir, selectedFile()));
            known = lookOf(texture);
        } catch (const GeneralError&) {
            return std::nullopt;
        }
    }
    return known->size;
}

ConversionTarget CarJamEditor::paintingTarget(const Converter& converter, const fs::path& gameDir,
                                              const ColourTable& gamePalette, PaintingSize painted)
{
    if (textureSize(converter, gameDir)) {
        const TextureLook& look = *m_textures[std::size_t(m_fileLine)];
        return {look.colours, look.size.width, look.size.height, look.edge};
    }
    if (hasPicture()) {
        const TextureLook shown = lookOf(m_picture);
        return {shown.colours, painted.width, painted.height, shown.edge};
    }
    return {gamePalette, painted.width, painted.height, 0};
}

void CarJamEditor::loadBitmap(UserPrompt& prompt, const Converter& converter, const fs::path& gameDir,
                              const PictureFiles& files, const ColourTable& gamePalette)
{
    const auto file = prompt.chooseFile(openPictureDialog(FileRequest::Kind::Painting, kLoadTitle, files));
    if (!file)
        return;
    try {
        PaintedPicture painting = files.read(*file);
        const PaintingSize painted{painting.width, painting.height};
        PictureConversion conversion(std::move(painting), paintingTarget(converter, gameDir, gamePalette, painted));
        const bool exact = conversion.exact();
        // A bitmap already in the texture's colour table goes in as its file holds it.
        if (exact && conversion.painting().colours == conversion.target().palette && conversion.painting().indexed() &&
            !isPngName(*file)) {
            loadBitmap(*file, PaintingSize{conversion.target().width, conversion.target().height});
            return;
        }
        if (const auto picture = pictureForTexture(prompt, conversion, *file))
            pushPainting(encodeBitmap8(*picture), kLoadPaintingStep);
    } catch (const GeneralError& e) {
        prompt.warn(kvr::messageOf(e));
    }
}

void CarJamEditor::saveAsBitmap(UserPrompt& prompt, const PictureFiles& files)
{
    if (!hasPicture())
        return;
    if (const auto file = prompt.chooseFile(savePictureDialog(FileRequest::Kind::Painting, kSaveTitle))) {
        try {
            if (isPngName(*file)) {
                IndexedPicture picture(m_picture.width(), m_picture.height());
                picture.colours = m_picture.colours();
                for (int y = 0; y < picture.height; ++y)
                    for (int x = 0; x < picture.width; ++x)
                        picture.set(x, y, m_picture.pixel(x, y));
                savePng(files, picture, *file);
            } else {
                replaceFile(*file, m_bitmapFile);
            }
        } catch (const WriteFailure& e) {
            prompt.warn(fillIn(KVR_TR_NOOP("Pictures", "Cannot save the bitmap: %1"), {kvr::messageOf(e)}));
        } catch (const GeneralError& e) {
            prompt.warn(kvr::messageOf(e));
        }
    }
}

void CarJamEditor::importFromGame(UserPrompt& prompt, const Converter& converter, const fs::path& gameDir)
{
    try {
        finishBeforeReading(gameDir);
        take(converter.importCarJam(gameDir, selectedFile()));
    } catch (const GeneralError& e) {
        prompt.warn(kvr::messageOf(e));
        return;
    }
    m_gameBitmapFile = m_bitmapFile;
    prompt.inform(kBitmapImported);
}

void CarJamEditor::exportToGame(UserPrompt& prompt, const Converter& converter, const fs::path& gameDir)
{
    if (!hasPicture())
        return;
    try {
        converter.exportCarJam(gameDir, selectedFile(), m_bitmapFile);
    } catch (const GeneralError& e) {
        prompt.warn(kvr::messageOf(e));
        return;
    }
    m_textures[std::size_t(m_fileLine)] = lookOf(m_picture);
    m_gameBitmapFile = m_bitmapFile;
    prompt.inform(kBitmapExported);
}

void CarJamEditor::close(const Converter& converter)
{
    converter.removeCarExchangeFile();
}

} // namespace kvr
