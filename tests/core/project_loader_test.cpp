#include <gtest/gtest.h>

#include <algorithm>

#include "app/file_system.h"
#include "app/path.h"
#include "app/str_util.h"
#include "data/project_data.h"
#include "data/project_loader.h"
#include "data/project_paths.h"
#include "data/palette_set.h"
#include "data/settings_load.h"
#include "data/stage_recovery.h"
#include "flow/flow_refs.h"
#include "flow/project_vars.h"
#include "flow/summary_refs.h"
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
        ResetProjectData();
    }
    void TearDown() override
    {
        ResetProjectData();
        cCoreTest::TearDown();
    }
    static void SetVersion(const std::string& strPath, u32 v)
    {
        std::vector<u8> bytes = ReadFileBytes(strPath);
        bytes[0] = v & 0xFF, bytes[1] = (v >> 8) & 0xFF;
        ASSERT_TRUE(WriteFileBytes(strPath, bytes));
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
    g_GValInfo.assign(3, cStageRecord("changed"));
    g_CommonPalette.m_Lists.m_vBlock.clear();
    const tFolderSnapshot before = SnapshotFolder(".");
    ASSERT_TRUE(LoadProjectData());
    EXPECT_TRUE(g_PrjOption == cPrjOption());
    EXPECT_TRUE(FakeHost().m_Messages.empty());
    EXPECT_EQ(g_GValInfo, cGValInfo(kGValCount));
    cCommonPalette common;
    common.EnsureMinimum();
    EXPECT_TRUE(g_CommonPalette == common) << "the empty entry and the options' default of each type";
    EXPECT_EQ(g_CommonPalette.m_Lists.m_vChara.size(), 2u);
    EXPECT_EQ(g_WorldMap.m_strName, "ワールド");
    EXPECT_EQ(g_System.m_strTitle, "");
    EXPECT_EQ(g_Database.m_vAnime.size(), 2u);
    EXPECT_TRUE(UpgradeSave());
    EXPECT_EQ(SnapshotFolder("."), before) << "files of this version are neither copied nor rewritten";
}

TEST_F(ProjectLoader, LoadsInTheProjectsContext)
{
    ASSERT_TRUE(LoadProjectData());
    EXPECT_EQ(&ProjectOptions(), &g_PrjOption);
    EXPECT_EQ(&FlowRefs(), static_cast<const cFlowRefs*>(&g_Database));
    g_CommonPalette.m_Lists.m_vItem.resize(5);
    g_Stage.m_Palette.m_vChara.resize(7);
    EXPECT_EQ(PaletteRefs().Count(ePaletteList::CommonItem), 5u);
    EXPECT_EQ(PaletteRefs().Count(ePaletteList::StageChara), 7u);
    // Command summaries name what the loaded project holds.
    g_Stage.m_Palette.m_vChara[6].m_strName = "スライム";
    g_GValInfo[4] = cStageRecord("所持金");
    EXPECT_STREQ(SummaryRefs().EntryName(ePaletteList::StageChara, 6), "スライム");
    EXPECT_STREQ(SummaryRefs().VarName(eVarScope::Common, 4), "所持金");
    EXPECT_EQ(VarNames().Name(eVarScope::Common, 4), "所持金") << "the command dialogs list the same names";
}

TEST_F(ProjectLoader, VariableInfoAlwaysHoldsAThousandNames)
{
    const auto Names = [](size_t n, const char* lpPrefix) {
        cGValInfo list;
        for (size_t i = 0; i < n; ++i) list.emplace_back(Format("%s%u", lpPrefix, static_cast<unsigned>(i)));
        return list;
    };
    const struct {
        size_t nStored;
        size_t nKept;  // names read from the file; the rest stay empty
    } cases[] = {{990, 990}, {1000, 1000}, {1200, 1000}, {0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nStored);
        ASSERT_TRUE(SaveGValInfo(Names(c.nStored, "file"), "data\\GValInfo.dat"));
        g_GValInfo.clear();
        ASSERT_TRUE(LoadProjectData());
        ASSERT_EQ(g_GValInfo.size(), kGValCount);
        cGValInfo expected = Names(c.nKept, "file");
        expected.resize(kGValCount);
        EXPECT_EQ(g_GValInfo, expected);
    }
    // A stored count of 0 leaves the names in memory, then brings them to 1000.
    g_GValInfo = Names(3, "memory");
    ASSERT_TRUE(LoadProjectData());
    cGValInfo expected = Names(3, "memory");
    expected.resize(kGValCount);
    EXPECT_EQ(g_GValInfo, expected);
}

TEST_F(ProjectLoader, LastStageOpensOrANewStageTakesItsPlace)
{
    ASSERT_TRUE(LoadProjectData());
    const std::string strGood = "data\\stg4\\Default.stg4_950";
    cStage sample;
    ASSERT_EQ(sample.LoadFile(strGood), 1u);
    std::vector<u8> bytes = ReadFileBytes(strGood);
    ASSERT_TRUE(WriteFileBytes("data\\stg4\\Short.stg4_950", std::vector<u8>(bytes.begin(), bytes.end() - 4)));

    cStage edited;
    edited.SetSize(50, 20, 0, 0);
    const struct {
        const char* lpWhat;
        std::string strPath;
        bool bLoaded;
        u32 dwWidth;  // 0: the stage as it was
    } cases[] = {
        {"no last stage", "", false, 0},
        {"the sample's stage", strGood, true, sample.m_dwWidth},
        {"a missing file", "data\\stg4\\Gone.stg4_950", false, 32},
        {"a damaged file without a backup", "data\\stg4\\Short.stg4_950", false, 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        g_Stage = edited;
        FakeHost().m_Messages.clear();
        EXPECT_EQ(OpenLastStage(g_Stage, c.strPath), c.bLoaded);
        EXPECT_EQ(g_Stage.m_dwWidth, c.dwWidth ? c.dwWidth : edited.m_dwWidth);
        if (c.dwWidth == 32) {
            EXPECT_EQ(g_Stage.m_dwHeight, 32u);
            EXPECT_EQ(g_Stage.m_strName, cStage().m_strName) << "a new stage";
        }
        if (c.bLoaded) {
            EXPECT_TRUE(g_Stage.HasPlayer());
        }
    }

    // A stage that a save left damaged is restored from its backup first.
    ASSERT_TRUE(FileSystem().MakeFolder("data\\work"));
    ASSERT_TRUE(WriteFileBytes(StageBackupPath("data\\stg4\\Short.stg4_950"), bytes));
    FakeHost().m_Messages.clear();
    EXPECT_TRUE(OpenLastStage(g_Stage, "data\\stg4\\Short.stg4_950"));
    EXPECT_EQ(g_Stage.m_dwWidth, sample.m_dwWidth);
    EXPECT_EQ(FakeHost().m_Messages.size(), 1u) << "the restore is told";
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
        {"data\\GValInfo.dat", false},
        {"data\\GValInfo.dat", true},
        {"data\\database\\Anime.dat", false},
        {"data\\database\\Bgm.dat", true},
        {"data\\System.dat", false},
        {"data\\System.dat", true},
        {"data\\CommonPalette.cplt4", false},
        {"data\\CommonPalette.cplt4", true},
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
            SetVersion(c.lpPath, 951);
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
    for (const char* lpFolder : {"default\\stg4", "data\\stg4"}) {
        ASSERT_TRUE(DeleteFolderTree(lpFolder));
        ASSERT_TRUE(fs.MakeFolder(lpFolder));
    }
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
    // Every file an older program may have written; those the upgrade-save
    // doesn't rewrite are rewritten when they are next saved.
    std::vector<std::string> older = {"data\\System.dat", "data\\WorldMap.dat"};
    for (int nTable = kPathAnimeSet; nTable <= kPathBgm; nTable += 2) older.push_back(g_strPath[nTable]);
    const char* const kLeft[] = {"data\\GValInfo.dat", "data\\CommonPalette.cplt4", "data\\PrjOption.dat",
                                 "data\\stg4\\Default.stg4_950"};
    for (const char* lpPath : kLeft) SetVersion(lpPath, 949);
    for (const std::string& strPath : older) SetVersion(strPath, 949);
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
        const bool bOlder = std::find(older.begin(), older.end(), file.first) != older.end();
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
    std::vector<cEdAnime> anime;
    ASSERT_EQ(LoadTable(anime, "data\\database\\Anime.dat"), 1u);
    EXPECT_EQ(anime[1].m_strName, "in memory");
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
    EXPECT_EQ(BytesOf(g_Stage), BytesOf(cStage()));
    EXPECT_EQ(BytesOf(g_CommonPalette), BytesOf(cCommonPalette()));
    EXPECT_TRUE(g_EditConfig == cEditConfig());
    EXPECT_EQ(g_GValInfo, cGValInfo(kGValCount));
    EXPECT_EQ(g_WorldEditState.m_Saved[1].nSelIndex, -1) << "built before the world map: no template known";
    EXPECT_EQ(g_WorldEditState.m_vPattern.size(), 200u * 150u);
    EXPECT_EQ(g_Database.m_vAnime.size(), 2u);
    EXPECT_EQ(g_WorldCursor.m_lpCurrent, &g_WorldCursor.m_vRecord[0]);
    EXPECT_TRUE(g_PrjOption == cPrjOption());
}

}  // namespace

namespace {

class SampleProject : public cCoreTest {};

// The default folder holds what the editor's own objects write for an
// untouched project, and a default stage that is ready to play.
TEST_F(SampleProject, DefaultDataIsWhatTheEditorWrites)
{
    ASSERT_TRUE(WriteDefaultData());
    cFileSystem& fs = FileSystem();
    ASSERT_TRUE(fs.MakeFolder("data"));
    ASSERT_TRUE(fs.MakeFolder("data\\database"));
    const auto Same = [](const std::string& strName) {
        EXPECT_EQ(ReadFileBytes("default\\" + strName), ReadFileBytes("data\\" + strName)) << strName;
    };
    ASSERT_TRUE(SaveGValInfo(cGValInfo(kGValCount), "data\\GValInfo.dat"));
    Same("GValInfo.dat");
    ASSERT_EQ(cCommonPalette().SaveFile("data\\CommonPalette.cplt4"), 1u);
    Same("CommonPalette.cplt4");
    ASSERT_EQ(cPrjOption().SaveFile("data\\PrjOption.dat"), 1u);
    Same("PrjOption.dat");
    ASSERT_EQ(cWorldMap().SaveFile("data\\WorldMap.dat"), 1u);
    Same("WorldMap.dat");
    cDatabase database;
    cSystem system;
    system.SetDatabase(&database);
    ASSERT_EQ(system.SaveFile(0), 1u);
    Same("System.dat");
    ASSERT_EQ(database.Save(false), 1u);
    for (int nTable = kPathAnimeSet; nTable <= kPathBgm; nTable += 2) Same(g_strPath[nTable] + 5);

    // The stage reads back as it was written, in the sample's context.
    InstallProjectContext();
    ASSERT_EQ(g_CommonPalette.LoadFile("default\\CommonPalette.cplt4"), 1u);
    const std::string strStage = "default\\stg4\\Default.stg4_950";
    cStage stage;
    ASSERT_EQ(stage.LoadFile(strStage), 1u);
    ASSERT_EQ(stage.SaveFile("again.stg4_950"), 1u);
    EXPECT_EQ(ReadFileBytes("again.stg4_950"), ReadFileBytes(strStage));
    ResetProjectData();

    // The editor opens the default stage at its first start.
    ASSERT_TRUE(WriteStartSettings());
    cEditConfig settings;
    ASSERT_EQ(settings.LoadFile("e_data\\EditConfig.dat"), 1u);
    cEditConfig expected;
    expected.m_strLastStage = "data\\stg4\\Default.stg4_950";
    EXPECT_TRUE(settings == expected);

    EXPECT_EQ(stage.m_strName, "サンプルステージ");
    EXPECT_EQ(stage.m_dwWidth, 40u);
    EXPECT_EQ(stage.m_dwHeight, 15u);
    const cCellPos player = stage.FindPlayer();
    ASSERT_TRUE(player.IsValid());
    EXPECT_FALSE(stage.m_vBlockGrid[stage.CellOf(player.dwX, player.dwY + 1)].IsEmpty()) << "on the ground";
    size_t nBlocks = 0, nCharas = 0, nItems = 0;
    for (u32 n = 0; n < stage.CellCount(); ++n) {
        nBlocks += !stage.m_vBlockGrid[n].IsEmpty();
        nCharas += !stage.m_vCharaGrid[n].IsEmpty();
        nItems += !stage.m_vItemGrid[n].IsEmpty();
        if (!stage.m_vItemGrid[n].IsEmpty()) {
            EXPECT_EQ(stage.m_vItemGrid[n].m_cInheritKind, 2u) << "placed from the stage palette";
        }
    }
    EXPECT_GT(nBlocks, 2 * 38u) << "two rows of ground and more";
    EXPECT_EQ(nCharas, 3u);
    EXPECT_GE(nItems, 2u);
    for (size_t i = 1; i < stage.m_Palette.m_vBlock.size(); ++i) {
        EXPECT_FALSE(stage.m_Palette.m_vBlock[i].m_strName.empty());
    }
}

}  // namespace
