// After a fatal error every save is refused: each one tells the user which
// file was not saved, reports failure to its caller and leaves the file on
// disk as it was.
#include <gtest/gtest.h>

#include <functional>

#include "app/fatal.h"
#include "app/file_system.h"
#include "data/edit_config.h"
#include "data/project_backup.h"
#include "data/project_data.h"
#include "data/project_loader.h"
#include "data/project_paths.h"
#include "data/settings_load.h"
#include "sample_project.h"
#include "support/test_env.h"

namespace {

std::string RefusedText(const std::string& strNames)
{
    return strNames +
           " を保存できませんでした！\nエラーが発生したため、データの保存は禁止されています。\n"
           "エディターを終了して、もう一度起動して下さい。";
}

// A record whose writing meets a programming error half-way.
class cFailingRec : public cEdRecord<cFailingRec> {
public:
    u32 m_dwValue = 7;
    static const cFieldTable& FieldTable()
    {
        static const cFieldTable s_Table{Field<&cFailingRec::m_dwValue>()};
        return s_Table;
    }
    void Save(cDataWriter& file) const override
    {
        cEdData::Save(file);
        SetFatalError();
    }
};

class RefusedSave : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        ASSERT_TRUE(WriteDefaultData());
        ASSERT_TRUE(CopyTreeByFiles(FileSystem(), "data", "default"));
        ASSERT_TRUE(FileSystem().MakeFolder("e_data"));
        ASSERT_TRUE(FileSystem().MakeFolder("data\\plt4"));
    }
};

TEST_F(RefusedSave, EverySaveTellsTheUserOnceAndFails)
{
    cDatabase database;
    cSystem system;
    system.SetDatabase(&database);
    cPrjOption options;
    options.m_dwBackupInterval = 0;
    cStage stage;
    cEditConfig settings;
    const std::string strTables = [] {
        std::string str;
        for (int nTable = kPathAnimeSet; nTable <= kPathBgm; nTable += 2) str += (str.empty() ? "" : "\n") + std::string(g_strPath[nTable]);
        return str;
    }();
    // The upgrade-save finds two files that an older program wrote.
    for (const char* lpPath : {"data\\System.dat", "data\\WorldMap.dat"}) {
        std::vector<u8> bytes = ReadFileBytes(lpPath);
        bytes[0] = 949 & 0xFF, bytes[1] = 949 >> 8;
        ASSERT_TRUE(WriteFileBytes(lpPath, bytes));
    }

    const struct {
        const char* lpWhat;
        std::function<bool()> save;
        std::string strFiles;  // as the message names them
    } cases[] = {
        {"a data file", [&] { return options.SaveFile("data\\PrjOption.dat") != 0; }, "data\\PrjOption.dat"},
        {"the system data", [&] { return system.SaveFile(0) != 0; }, "data\\System.dat"},
        {"the variable info", [] { return SaveGValInfo(cGValInfo(kGValCount), "data\\GValInfo.dat"); },
         "data\\GValInfo.dat"},
        {"the database: one message for its ten files", [&] { return database.Save(false) != 0; }, strTables},
        {"a stage", [&] { return stage.SaveFile("data\\stg4\\Default.stg4_950") != 0; },
         "data\\stg4\\Default.stg4_950"},
        {"a stage palette file", [&] { return stage.SavePalette("data\\plt4\\a.plt4"); }, "data\\plt4\\a.plt4"},
        {"the editor settings", [&] { return SaveEditorSettings(settings, eSettingsLoad::kRead) != 0; },
         "e_data\\EditConfig.dat"},
        {"the upgrade-save: one message", [] { return UpgradeSave(); }, "data\\System.dat\ndata\\WorldMap.dat"},
        {"the timed backup's options", [&] { return RunTimedBackup(nullptr, options, 100) == eTimedBackup::Done; },
         "data\\PrjOption.dat"},
    };
    SetFatalError();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        const tFolderSnapshot before = SnapshotFolder(".");
        FakeHost().m_Messages.clear();
        EXPECT_FALSE(c.save());
        ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
        EXPECT_EQ(FakeHost().m_Messages[0].strTitle, "エラー");
        EXPECT_EQ(FakeHost().m_Messages[0].strText, RefusedText(c.strFiles));
        tFolderSnapshot after = SnapshotFolder(".");
        after.erase("EC_Editor.txt");
        EXPECT_EQ(after, before) << "nothing written";
    }
}

TEST_F(RefusedSave, AFatalErrorWhileWritingKeepsTheOldFileAndTellsTheUser)
{
    const std::vector<u8> old = {1, 2, 3, 4};
    ASSERT_TRUE(WriteFileBytes("kept.dat", old));
    EXPECT_EQ(cFailingRec().SaveFile("kept.dat"), 0u);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, RefusedText("kept.dat"));
    EXPECT_EQ(ReadFileBytes("kept.dat"), old);
    EXPECT_FALSE(FileSystem().Exists("kept.dat.tmp"));
}

TEST_F(RefusedSave, SavesWithoutAFatalErrorTellNothing)
{
    cSaveGroup group;
    EXPECT_EQ(cPrjOption().SaveFile("data\\PrjOption.dat"), 1u);
    cDatabase database;
    EXPECT_EQ(database.Save(false), 1u);
    EXPECT_TRUE(FakeHost().m_Messages.empty());
}

}  // namespace
