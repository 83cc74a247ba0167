// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "core/settings_session.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {
namespace fs = std::filesystem;
namespace rec = kvr::rec;
using kvrtest::ScriptedPrompt;
using kvrtest::TempDir;

struct Session {
    TempDir dir;
    kvr::SettingsRecord record;
    ScriptedPrompt prompt;
    kvr::SettingsSession session{record, prompt, kvr::EditorHome{dir / "DATA", dir.path()}};
};

TEST(SettingsSession, CaptionNamesTheFilePartOnly)
{
    EXPECT_EQ(kvr::SettingsSession::captionFor("/home/me/My Cars.KVS"), "* Morvane Softcrafts KVR Editor *- My Cars.KVS");
    EXPECT_EQ(kvr::SettingsSession::captionFor("C:\\kvr\\a.KVS"), "* Morvane Softcrafts KVR Editor *- a.KVS");
    EXPECT_EQ(kvr::SettingsSession::captionFor("D:b.KVS"), "* Morvane Softcrafts KVR Editor *- b.KVS");
}

TEST(SettingsSession, AWriteThatFailsAfterTheDialogIsReportedAndNamesNothing)
{
    Session s;
    s.prompt.fileAnswers = {s.dir / "no-folder" / "x.KVS"};
    EXPECT_FALSE(s.session.save("d"));
    EXPECT_EQ(s.prompt.warned.size(), 1u);
    EXPECT_EQ(s.session.currentName(), "");
    // So the next save asks again.
    s.prompt.fileAnswers = {s.dir / "y.KVS"};
    EXPECT_TRUE(s.session.save("d"));
    EXPECT_EQ(s.session.currentName(), (s.dir / "y.KVS").string());
}

TEST(SettingsSession, NamesLongerThanTheFieldAreRefused)
{
    Session s;
    const fs::path longName = s.dir / (std::string(250, 'n') + ".KVS");
    s.prompt.fileAnswers = {longName};
    EXPECT_FALSE(s.session.saveAs("d"));
    EXPECT_FALSE(fs::exists(longName));
    EXPECT_EQ(s.prompt.warned.size(), 1u);
}

TEST(SettingsSession, DescriptionGoesIntoTheRecordCutToItsField)
{
    Session s;
    s.prompt.fileAnswers = {s.dir / "a.KVS"};
    s.session.save(std::string(300, 'x'));
    kvr::SettingsRecord saved;
    ASSERT_TRUE(kvr::readSettingsFile(s.dir / "a.KVS", saved));
    EXPECT_EQ(saved.shortString(rec::kDescription, 255), std::string(255, 'x'));
}

TEST(SettingsSession, AnOriginalThatCannotBeReadChangesNothing)
{
    Session s;
    s.prompt.fileAnswers = {s.dir / "a.KVS"};
    ASSERT_TRUE(s.session.save("d"));
    s.record.setWord(rec::kHumanWeight, 77);
    const kvr::SettingsRecord before = s.record;
    EXPECT_THROW(s.session.restoreOriginal(), kvr::GeneralError) << "missing";
    kvrtest::writeFile(s.dir / "DATA" / "ORIGIN.SET", std::vector<std::uint8_t>(10, 1));
    EXPECT_THROW(s.session.restoreOriginal(), kvr::GeneralError) << "too short";
    EXPECT_EQ(s.record, before);
    EXPECT_EQ(s.session.currentName(), (s.dir / "a.KVS").string()) << "a Save still writes the file it wrote";
}

} // namespace
