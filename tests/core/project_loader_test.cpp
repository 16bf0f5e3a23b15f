#include <gtest/gtest.h>

#include <algorithm>

#include "app/file_system.h"
#include "app/path.h"
#include "data/project_data.h"
#include "data/project_loader.h"
#include "data/project_paths.h"
#include "data/settings_load.h"
#include "sample_project.h"
#include "support/test_env.h"

namespace {

// Each test works in a project folder with the sample project's default
// data, whose data folder was made from it as the first start makes it.
class ProjectLoader : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        ASSERT_TRUE(WriteDefaultData());
        ASSERT_TRUE(CopyTreeByFiles(FileSystem(), "data", "default"));
        ResetGlobals();
    }
    void TearDown() override
    {
        ResetGlobals();
        cCoreTest::TearDown();
    }
    static void ResetGlobals()
    {
        g_Database = cDatabase();
        g_System = cSystem();
        g_WorldMap = cWorldMap();
        g_PrjOption = cPrjOption();
    }
};

TEST_F(ProjectLoader, DataStepsLoadTheSampleProject)
{
    std::string strError;
    ASSERT_TRUE(MakeSampleProject("sample", strError)) << strError;
    ASSERT_TRUE(FileSystem().SetCurrentFolder("sample"));
    ASSERT_TRUE(CopyTreeByFiles(FileSystem(), "data", "default"));
    g_WorldMap.m_strName = "changed";
    g_System.m_strTitle = "changed";
    g_Database.m_vAnime.clear();
    g_PrjOption.m_dwBackupInterval = 99;
    const tFolderSnapshot before = SnapshotFolder(".");
    ASSERT_TRUE(LoadProjectData());
    EXPECT_TRUE(g_PrjOption == cPrjOption());
    EXPECT_TRUE(FakeHost().m_Messages.empty());
    EXPECT_EQ(g_WorldMap.m_strName, "ワールド");
    EXPECT_EQ(g_System.m_strTitle, "");
    EXPECT_EQ(g_Database.m_vAnime.size(), 2u);
    EXPECT_TRUE(UpgradeSave());
    EXPECT_EQ(SnapshotFolder("."), before) << "files of this version are neither copied nor rewritten";
}

TEST_F(ProjectLoader, AFileThatDoesNotLoadStopsTheLoadWithItsMessage)
{
    const char* const kNewer = "の読み込みに失敗しました！\n実行ファイル(.exe)より上位のバージョンのファイルは使用できません。";
    const char* const kMissing =
        "の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。";
    const struct {
        const char* lpPath;
        bool bNewer;  // else removed
    } cases[] = {
        {"data\\database\\Anime.dat", false},
        {"data\\database\\Bgm.dat", true},
        {"data\\System.dat", false},
        {"data\\System.dat", true},
        {"data\\PrjOption.dat", false},
        {"data\\PrjOption.dat", true},
        {"data\\WorldMap.dat", false},
        {"data\\WorldMap.dat", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpPath);
        ASSERT_TRUE(DeleteFolderTree("data"));
        ASSERT_TRUE(CopyTreeByFiles(FileSystem(), "data", "default"));
        if (c.bNewer) {
            std::vector<u8> bytes = ReadFileBytes(c.lpPath);
            bytes[0] = 951 & 0xFF, bytes[1] = 951 >> 8;
            ASSERT_TRUE(WriteFileBytes(c.lpPath, bytes));
        } else {
            ASSERT_TRUE(FileSystem().RemoveFile(c.lpPath));
        }
        const tFolderSnapshot before = SnapshotFolder(".");
        FakeHost().m_Messages.clear();
        EXPECT_FALSE(LoadProjectData());
        EXPECT_EQ(g_bNewerFile, c.bNewer ? 1u : 0u);
        ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
        EXPECT_EQ(FakeHost().m_Messages[0].strTitle, "エラー");
        EXPECT_EQ(FakeHost().m_Messages[0].strText, std::string(c.lpPath) + " " + (c.bNewer ? kNewer : kMissing));
        EXPECT_EQ(SnapshotFolder("."), before);
    }
}

TEST_F(ProjectLoader, DefaultStageIsCopiedOnlyWhenTheDataFolderHasNone)
{
    cFileSystem& fs = FileSystem();
    ASSERT_TRUE(fs.MakeFolder("default\\stg4"));
    ASSERT_TRUE(fs.MakeFolder("data\\stg4"));
    ASSERT_TRUE(WriteFileBytes("default\\stg4\\Default.stg4_948", {1}));
    ASSERT_TRUE(WriteFileBytes("default\\stg4\\Default.stg4_950", {2}));
    CopyDefaultStage();
    EXPECT_EQ(ReadFileBytes("data\\stg4\\Default.stg4_950"), std::vector<u8>{2}) << "the newest one";
    EXPECT_FALSE(fs.Exists("data\\stg4\\Default.stg4_948"));

    ASSERT_TRUE(fs.RemoveFile("data\\stg4\\Default.stg4_950"));
    ASSERT_TRUE(WriteFileBytes("data\\stg4\\Default.stg4_949", {3}));
    CopyDefaultStage();
    EXPECT_FALSE(fs.Exists("data\\stg4\\Default.stg4_950")) << "the data folder has one of its own";

    ASSERT_TRUE(fs.RemoveFile("data\\stg4\\Default.stg4_949"));
    ASSERT_TRUE(fs.RemoveFile("default\\stg4\\Default.stg4_950"));
    ASSERT_TRUE(fs.RemoveFile("default\\stg4\\Default.stg4_948"));
    CopyDefaultStage();
    EXPECT_TRUE(SnapshotFolder("data\\stg4").empty()) << "neither has one";
}

TEST_F(ProjectLoader, UpgradeSaveRewritesOnlyOlderFiles)
{
    const auto SetVersion = [](const char* lpPath, u32 v) {
        std::vector<u8> bytes = ReadFileBytes(lpPath);
        bytes[0] = v & 0xFF, bytes[1] = (v >> 8) & 0xFF;
        ASSERT_TRUE(WriteFileBytes(lpPath, bytes));
    };
    const char* const kOlder[] = {"data\\System.dat", "data\\WorldMap.dat", "data\\database\\Sound.dat"};
    for (const char* lpPath : kOlder) SetVersion(lpPath, 949);
    ASSERT_TRUE(LoadProjectData());
    // Only the older files may change; everything is written as it loaded.
    g_WorldMap.m_strName = "in memory";
    g_System.m_strTitle = "in memory";
    g_Database.m_vAnime[1].m_strName = "in memory";
    const tFolderSnapshot before = SnapshotFolder(".");
    ASSERT_TRUE(UpgradeSave());
    const tFolderSnapshot after = SnapshotFolder(".");
    for (const auto& file : before) {
        SCOPED_TRACE(file.first);
        const bool bOlder = std::find(std::begin(kOlder), std::end(kOlder), file.first) != std::end(kOlder);
        if (!bOlder) {
            EXPECT_EQ(after.at(file.first), file.second);
            continue;
        }
        EXPECT_EQ(IsFileOlderThan(file.first, kDataVersion), 0u);
        EXPECT_NE(after.at(file.first), file.second);
    }
    cWorldMap map;
    ASSERT_EQ(map.LoadFile("data\\WorldMap.dat"), 1u);
    EXPECT_EQ(map.m_strName, "in memory");
}

// A settings record standing in for the editor's own.
class cTestSettings : public cEdRecord<cTestSettings> {
public:
    std::string m_strLastStage = "default";
    static const cFieldTable& FieldTable()
    {
        static const cFieldTable s_Table{Field<&cTestSettings::m_strLastStage>()};
        return s_Table;
    }
};

TEST_F(ProjectLoader, EditorSettingsAreWrittenBackOnlyOverAFileThatWasRead)
{
    cFileSystem& fs = FileSystem();
    ASSERT_TRUE(fs.MakeFolder("e_data"));
    const char* lpPath = g_strPath[kPathEditConfig];
    cTestSettings written;
    written.m_strLastStage = "data\\stg4\\a.stg4_950";
    ASSERT_EQ(written.SaveFile(lpPath), 1u);
    const std::vector<u8> good = ReadFileBytes(lpPath);
    std::vector<u8> newer = good;
    newer[0] = 951 & 0xFF, newer[1] = 951 >> 8;
    const std::vector<u8> damaged(good.begin(), good.end() - 2);

    const struct {
        const char* lpWhat;
        const std::vector<u8>* lpFile;  // null: no file
        eSettingsLoad expected;
    } cases[] = {
        {"no file", nullptr, eSettingsLoad::kMissing},
        {"a good file", &good, eSettingsLoad::kRead},
        {"a newer program's file", &newer, eSettingsLoad::kRefused},
        {"a damaged file", &damaged, eSettingsLoad::kRefused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        if (c.lpFile) {
            ASSERT_TRUE(WriteFileBytes(lpPath, *c.lpFile));
        } else if (fs.Exists(lpPath)) {
            ASSERT_TRUE(fs.RemoveFile(lpPath));
        }
        cTestSettings settings;
        const eSettingsLoad loaded = LoadEditorSettings(settings);
        EXPECT_EQ(loaded, c.expected);
        EXPECT_EQ(settings.m_strLastStage, c.expected == eSettingsLoad::kRead ? written.m_strLastStage : "default");
        settings.m_strLastStage.clear();
        EXPECT_EQ(SaveEditorSettings(settings, loaded), c.expected == eSettingsLoad::kRefused ? 0u : 1u);
        if (c.expected == eSettingsLoad::kRefused) {
            EXPECT_EQ(ReadFileBytes(lpPath), *c.lpFile) << "the refused file stays as it was";
        }
    }
}

}  // namespace

namespace {

class ProjectData : public cCoreTest {};

// Before start-up reads a file, every global data object holds what a new
// object of its class holds.
TEST_F(ProjectData, GlobalObjectsHoldTheirDefaults)
{
    const auto BytesOf = [](const cEdData& data) {
        EXPECT_EQ(data.SaveFile("defaults.dat"), 1u);
        std::vector<u8> bytes = ReadFileBytes("defaults.dat");
        FileSystem().RemoveFile("defaults.dat");
        return bytes;
    };
    EXPECT_EQ(BytesOf(g_WorldMap), BytesOf(cWorldMap()));
    EXPECT_EQ(BytesOf(g_System), BytesOf(cSystem()));
    EXPECT_EQ(BytesOf(g_SheetSize), BytesOf(cSheetSize()));
    EXPECT_EQ(g_Database.m_vAnime.size(), 2u);
    EXPECT_EQ(g_WorldCursor.m_lpCurrent, &g_WorldCursor.m_vRecord[0]);
    EXPECT_TRUE(g_PrjOption == cPrjOption());
}

}  // namespace
