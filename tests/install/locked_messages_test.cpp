// SPDX-License-Identifier: GPL-3.0-or-later
// The game is locked for the writing only: while any action asks or tells the user
// something, another writer may take the game.
#include "core/errors.h"
#include "core/folder_lock.h"
#include "core/settings_record.h"
#include "game/import_export.h"
#include "game/track_files.h"
#include "install/car_set.h"
#include "install/cockpit_manager.h"
#include "install/track_installer.h"
#include "support/install_game.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using kvrtest::InstallGame;

// Answers from the script; whenever it is asked or told anything, it tries to take the
// game as another writer would, and notes what was on screen while it could not.
class OtherWriterPrompt : public kvrtest::ScriptedPrompt {
public:
    explicit OtherWriterPrompt(fs::path game) : m_game(std::move(game)) {}
    std::vector<std::string> shownWhileLocked;

    bool confirm(const kvr::Message& text) override
    {
        tryToWrite(text);
        return ScriptedPrompt::confirm(text);
    }
    void inform(const kvr::Message& text) override
    {
        tryToWrite(text);
        ScriptedPrompt::inform(text);
    }
    void warn(const kvr::Message& text) override
    {
        tryToWrite(text);
        ScriptedPrompt::warn(text);
    }
    std::optional<fs::path> chooseFile(const kvr::FileRequest& request) override
    {
        tryToWrite(request.title);
        return ScriptedPrompt::chooseFile(request);
    }

private:
    void tryToWrite(const std::string& shown)
    {
        try {
            const kvr::GameFolderLock other(m_game, 0ms);
        } catch (const kvr::GeneralError&) {
            shownWhileLocked.push_back(shown);
        }
    }
    fs::path m_game;
};

kvr::SettingsRecord gameValues(const kvr::GameContext& context)
{
    kvr::SettingsRecord r;
    kvr::readGameValues(context, r, std::nullopt);
    r.setWord(kvr::rec::kComputerWeight, 612);
    return r;
}

TEST(LockedForWritingOnly, NoQuestionNorMessageKeepsTheGameLocked)
{
    const struct {
        const char* what;
        bool withoutTrackFiles;
        std::function<void(InstallGame&, OtherWriterPrompt&)> action;
        const char* lastMessage;
    } cases[] = {
        {"an editor's export", false,
         [](InstallGame& g, OtherWriterPrompt& p) {
             kvr::exportEditor(g.context, gameValues(g.context), p, kvr::Editor::Tuning);
         },
         "Data has been exported!"},
        {"\"Export all data\" with the track question", true,
         [](InstallGame& g, OtherWriterPrompt& p) {
             kvr::SettingsRecord r = gameValues(g.context);
             bool known = false;
             EXPECT_EQ(kvr::exportAllData(g.context, r, p, known), kvr::SequenceEnd::Completed);
         },
         "All data has been exported!"},
        {"the track files from the CD", true,
         [](InstallGame& g, OtherWriterPrompt& p) {
             EXPECT_EQ(kvr::ensureTrackFiles(g.game(), p), kvr::TrackFiles::Present);
         },
         kvr::trackfiles::kInsertCd},
        {"the car set", false, [](InstallGame& g, OtherWriterPrompt& p) { kvr::installCarSet(g.context, p); },
         "New carset installed!"},
        {"a cockpit", false, [](InstallGame& g, OtherWriterPrompt& p) { kvr::installCockpit(g.context, "A18", p); },
         "New cockpit installed!"},
        {"the track pack with the CD", true,
         [](InstallGame& g, OtherWriterPrompt& p) { kvr::installTrackPack(g.context, p); }, "Tracks installed!"},
        {"the original tracks", false,
         [](InstallGame& g, OtherWriterPrompt& p) { kvr::installOriginalTracks(g.context, p); },
         "Original tracks installed!"},
    };
    for (const auto& c : cases) {
        InstallGame g;
        if (c.withoutTrackFiles)
            fs::remove_all(g.game() / "CIRCUITS");
        OtherWriterPrompt prompt(g.game());
        prompt.confirmAnswers = {true};
        prompt.fileAnswers = {g.cdExe()};
        c.action(g, prompt);
        EXPECT_EQ(prompt.shownWhileLocked, std::vector<std::string>{}) << c.what;
        ASSERT_FALSE(prompt.informed.empty()) << c.what;
        EXPECT_EQ(prompt.informed.back(), c.lastMessage) << c.what;
        EXPECT_TRUE(prompt.warned.empty()) << c.what;
    }
}

} // namespace
