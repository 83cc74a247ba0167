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
#include "textures/bitmap_check.h"
#include "textures/converter.h"

namespace kvr {
namespace fs = std::filesystem;

namespace {

FileRequest bitmapDialog(FileRequest::Mode mode)
{
    return FileRequest::inWorkingDirectory(mode,
                                           mode == FileRequest::Mode::Save
                                               ? KVR_TR_NOOP("Pictures", "Save bitmap file")
                                               : KVR_TR_NOOP("Pictures", "Load bitmap file"),
                                           KVR_TR_NOOP("Pictures", "BMP files") "|*.BMP", "BMP");
}

std::string quoted(const fs::path& p)
{
    const std::string name = p.string();
    return "\"" + name + "\"";
}

} // namespace

void CarJamEditor::show(const SettingsRecord& record)
{
    // The textures may have changed while the window was closed.
    m_textureSizes = {};
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
    m_textureSizes[std::size_t(m_fileLine)] = PaintingSize{m_picture.width(), m_picture.height()};
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

std::optional<PaintingSize> CarJamEditor::textureSize(const Converter& converter, const fs::path& gameDir)
{
    std::optional<PaintingSize>& known = m_textureSizes[std::size_t(m_fileLine)];
    if (!known) {
        try {
            TDIB256 texture;
            texture.loadFromBytes(converter.importCarJam(gameDir, selectedFile()));
            known = PaintingSize{texture.width(), texture.height()};
        } catch (const GeneralError&) {
            return std::nullopt;
        }
    }
    return known;
}

void CarJamEditor::loadBitmap(UserPrompt& prompt, const Converter& converter, const fs::path& gameDir)
{
    if (const auto file = prompt.chooseFile(bitmapDialog(FileRequest::Mode::Open))) {
        try {
            loadBitmap(*file, textureSize(converter, gameDir));
        } catch (const GeneralError& e) {
            prompt.warn(e.what());
        }
    }
}

void CarJamEditor::saveAsBitmap(UserPrompt& prompt)
{
    if (!hasPicture())
        return;
    if (const auto file = prompt.chooseFile(bitmapDialog(FileRequest::Mode::Save))) {
        try {
            replaceFile(*file, m_bitmapFile);
        } catch (const WriteFailure& e) {
            prompt.warn(fillIn(KVR_TR_NOOP("Pictures", "Cannot save the bitmap: %1"), {e.what()}));
        }
    }
}

void CarJamEditor::importFromGame(UserPrompt& prompt, const Converter& converter, const fs::path& gameDir)
{
    try {
        finishBeforeReading(gameDir);
        take(converter.importCarJam(gameDir, selectedFile()));
    } catch (const GeneralError& e) {
        prompt.warn(e.what());
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
        prompt.warn(e.what());
        return;
    }
    m_textureSizes[std::size_t(m_fileLine)] = PaintingSize{m_picture.width(), m_picture.height()};
    m_gameBitmapFile = m_bitmapFile;
    prompt.inform(kBitmapExported);
}

void CarJamEditor::close(const Converter& converter)
{
    converter.removeCarExchangeFile();
}

} // namespace kvr
